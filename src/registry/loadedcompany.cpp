#include "loadedcompany.h"

#include "companyfields.h"
#include "companypaths.h"
#include "datafile/drivec.h"
#include "datafile/erayear.h"
#include "datafile/filechannel.h"
#include "datafile/numbers.h"
#include "masterfile.h"
#include "screen/fieldmerge.h"

#include <QFileInfo>
#include <variant>

namespace gaikyo::loadedcompany {

namespace {

using Member = CompanyMember;

QString valueOf(const CompanyRecord& record, const Member& member) {
    if (const auto* number = std::get_if<qint32 CompanyRecord::*>(&member))
        return plainDecimal(record.**number);
    return record.*std::get<QString CompanyRecord::*>(member);
}

QString yearShown(const CompanyRecord& record, const Member& member) {
    if (member == Member(&CompanyRecord::startYear))
        return erayear::shownYear(record.startYear, record.startMonth);
    if (member == Member(&CompanyRecord::endYear))
        return erayear::shownYear(record.endYear, record.endMonth);
    return {};
}

void copyField(CompanyRecord& to, const CompanyRecord& from, const Member& member) {
    if (const auto* number = std::get_if<qint32 CompanyRecord::*>(&member))
        to.** number = from.**number;
    else
        to.*std::get<QString CompanyRecord::*>(member) =
            from.*std::get<QString CompanyRecord::*>(member);
}

// The master file as it is now.
struct Stored {
    FileLoad load;
    FileLoad::Outcome read = FileLoad::Outcome::Missing; // as the channel read it
    QByteArray bytes;
    CompanyRecord record;
    // Every line the screens write was read (a file of 14 lines has no 代表取締役の氏名
    // yet, which reads as empty).
    bool whole() const {
        return load.readWhole() ||
               (load.outcome == FileLoad::Outcome::Short && load.missingFromLine == 15);
    }
};

Stored readStored(qint32 code) {
    Stored now;
    now.load = readDataFile(paths::masterFile(code), now.bytes);
    now.read = now.load.outcome;
    if (now.load.loaded()) {
        qsizetype cutLine = 0;
        const qsizetype read =
            masterfile::decode(now.bytes, 15, now.record, TextFields::All, &cutLine);
        settleDecoded(now.load, read == 15, read, cutLine);
    }
    return now;
}

Plan decide(const LoadedCompany& loaded, const CompanyRecord& typed, const Stored& now,
            const QString& title) {
    const bool sameCompany = loaded.code == typed.code;
    if (now.load.outcome == FileLoad::Outcome::Missing) {
        // Deleting a company removes its files, never their folder: a missing folder is a
        // fault the write reports.
        const bool deleted = sameCompany && loaded.existed && loaded.askIfDeleted &&
                             QFileInfo(drivec::hostPath(paths::masterFolder())).isDir();
        if (deleted && !fieldmerge::askRecreate(title, typed.code, now.load.windowsPath))
            return {Plan::Kind::Refused, typed, false};
        return {Plan::Kind::Write, typed, false};
    }
    if (!now.whole())
        return {Plan::Kind::Write, typed, false};

    // A file that was not there at the load (or another company's load) counts as empty
    // then: every field typed since is the screen's change.
    CompanyRecord before;
    before.code = typed.code;
    const CompanyRecord& base = sameCompany && loaded.existed ? loaded.loaded : before;
    const CompanyRecord& shown = sameCompany ? loaded.shown : before;
    QList<fieldmerge::Field> fields;
    const std::span<const CompanyField> lines = companyFields();
    for (const CompanyField& line : lines) {
        fieldmerge::Field field{QString::fromUtf8(line.caption), valueOf(base, line.member),
                                valueOf(shown, line.member), valueOf(typed, line.member),
                                valueOf(now.record, line.member)};
        // A year shows in the era of its date, as the screens show it.
        field.storedShown = yearShown(now.record, line.member);
        field.typedShown = yearShown(typed, line.member);
        fields.append(field);
    }
    const QList<fieldmerge::Take> takes = fieldmerge::resolve(fields, title, now.load.windowsPath);

    Plan plan{Plan::Kind::Write, typed, false};
    for (qsizetype i = 0; i < takes.size(); ++i) {
        if (takes.at(i) == fieldmerge::Take::Stored && fields.at(i).typed != fields.at(i).stored) {
            copyField(plan.record, now.record, lines[i].member);
            plan.tookStored = true;
        }
    }
    if (now.load.loaded() && masterfile::bytes(plan.record, nullptr) == now.bytes)
        plan.kind = Plan::Kind::Unchanged;
    return plan;
}

} // namespace

Plan merge(const LoadedCompany& loaded, const CompanyRecord& typed, const QString& title) {
    // With the channel taken nothing can be read or written: the write says so.
    if (FileChannel::instance().isOpen())
        return {Plan::Kind::Write, typed, false};
    constexpr int rounds = 3;
    for (int round = 1;; ++round) {
        const Stored now = readStored(typed.code);
        const Plan plan = decide(loaded, typed, now, title);
        if (plan.kind == Plan::Kind::Refused || round == rounds)
            return plan;
        QByteArray again;
        if (readDataFile(paths::masterFile(typed.code), again).outcome == now.read &&
            again == now.bytes)
            return plan;
    }
}

} // namespace gaikyo::loadedcompany
