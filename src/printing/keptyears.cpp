#include "keptyears.h"

#include "datafile/drivec.h"
#include "datafile/erayear.h"
#include "datafile/filechannel.h"
#include "datafile/numbers.h"
#include "datafile/wholefile.h"
#include "formpdf.h"
#include "registry/companypaths.h"
#include "registry/masterfile.h"
#include "statement/recordlayouts.h"
#include "statement/sectionfile.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>
#include <tuple>

namespace gaikyo::keptyears {

namespace {

// A folder being filled: made whole under this name, then given its year's name.
const QString unfinished = QStringLiteral(".gaikyo-making");

QString fileNameOf(const QString& windowsPath) {
    return windowsPath.mid(windowsPath.lastIndexOf(QLatin1Char('\\')) + 1);
}

// The company's files a year keeps: the master file, the section files, the month order
// file, as drive C: names them.
QStringList companyFiles(qint32 code) {
    QStringList files{paths::masterFile(code)};
    if (paths::hasSectionFiles(code))
        for (int section : layouts::sectionNumbers())
            files.append(paths::sectionFile(code, section));
    files.append(paths::monthOrderFile(code));
    return files;
}

struct Copy {
    QString name; // the file's name, in the kept folder as in its own
    QByteArray bytes;
};

// The master file of a kept year (or of the company now) read for its header: lines 1–14
// at least, as the print screen reads it.
std::optional<CompanyRecord> header(const QByteArray& bytes) {
    CompanyRecord company;
    if (masterfile::decode(bytes, 15, company) < 14)
        return std::nullopt;
    return company;
}

// Whether a kept folder holds exactly these files, byte for byte (its PDF aside).
bool holdsTheSame(const QString& folder, const QList<Copy>& copies) {
    const QDir dir(drivec::hostPath(folder));
    QStringList names = dir.entryList(QDir::Files);
    names.removeIf([](const QString& name) { return name.endsWith(QStringLiteral(".pdf")); });
    if (names.size() != copies.size())
        return false;
    for (const Copy& copy : copies) {
        const std::optional<QByteArray> kept = FileChannel::instance().read(folder + copy.name);
        if (!kept || *kept != copy.bytes)
            return false;
    }
    return true;
}

bool dateBefore(const CompanyRecord& a, const CompanyRecord& b) {
    return std::tuple(a.startYear, a.startMonth, a.startDay) <
           std::tuple(b.startYear, b.startMonth, b.startDay);
}

// What a failed keep says: nothing was kept, nothing rolled.
YearEnd::Kept failed(const QString& why) {
    return {Status::failure(why + QStringLiteral("\n年度の控えは作っていません。")), {}, false};
}

} // namespace

QString yearName(const CompanyRecord& c) {
    return erayear::shownDate(c.startYear, c.startMonth, c.startDay) + QStringLiteral("～") +
           erayear::shownDate(c.endYear, c.endMonth, c.endDay);
}

YearEnd::Kept keep(qint32 code) {
    // An occupied channel reads every file as missing: nothing would be kept.
    if (FileChannel::instance().isOpen())
        return failed(QStringLiteral("「%1」が開かれたままのため、ファイルを読めません。")
                          .arg(FileChannel::instance().openPath()));
    QList<Copy> copies;
    for (const QString& file : companyFiles(code)) {
        const wholefile::Read read = FileChannel::instance().readFile(file);
        if (read.outcome == wholefile::Read::Outcome::Missing)
            continue;
        if (read.outcome == wholefile::Read::Outcome::Damaged)
            return failed(
                QStringLiteral("「%1」を控えにコピーできません。%2").arg(file, read.reason));
        copies.append({fileNameOf(file), read.bytes});
    }
    // Nothing of this program's own: no year was filed with it.
    if (copies.isEmpty() || copies.first().name != fileNameOf(paths::masterFile(code)))
        return {{}, {}, true};
    const std::optional<CompanyRecord> company = header(copies.first().bytes);
    if (!company)
        return failed(QStringLiteral("「%1」を読み取れないため、年度が分かりません。")
                          .arg(paths::masterFile(code)));

    // The year's folder: the one that holds these files already, or a new one beside any
    // that holds others.
    const QString parent = paths::keptYearsFolder(code);
    const QString name = yearName(*company);
    QString folderName;
    for (int n = 1;; ++n) {
        const QString candidate = n == 1 ? name : name + QStringLiteral(" (%1)").arg(n);
        const QString folder = parent + candidate + QLatin1Char('\\');
        if (!QFileInfo::exists(drivec::hostPath(folder))) {
            folderName = candidate;
            break;
        }
        if (holdsTheSame(folder, copies))
            return {{}, folder, false};
    }

    const QString keptRoot = paths::dataFolder() + QStringLiteral("過年度\\");
    for (const QString& folder : {paths::dataFolder(), keptRoot, parent})
        if (!drivec::createFolder(folder))
            return failed(QStringLiteral("フォルダ「%1」を作ることができません。").arg(folder));
    const QString making = parent + folderName + unfinished + QLatin1Char('\\');
    QDir makingDir(drivec::hostPath(making));
    makingDir.removeRecursively(); // what a copy cut short left behind
    if (!QDir().mkdir(drivec::hostPath(making)))
        return failed(QStringLiteral("フォルダ「%1」を作ることができません。").arg(making));
    const auto abandon = [&makingDir](const QString& why) {
        makingDir.removeRecursively();
        return failed(why);
    };

    for (const Copy& copy : copies)
        if (const std::optional<QString> failure =
                wholefile::write(drivec::hostPath(making + copy.name), copy.bytes))
            return abandon(QStringLiteral("「%1」を控えにコピーできません。%2")
                               .arg(making + copy.name, *failure));

    // The PDF from the copies themselves, read back: what it shows is what was kept.
    KeptYear kept{code, making, folderName, *company, {}};
    PrintRecords data;
    const Loaded loaded = load(kept, data);
    if (!loaded.status.ok())
        return abandon(loaded.status.message());
    for (const Copy& copy : copies)
        if (FileChannel::instance().read(making + copy.name) != copy.bytes)
            return abandon(QStringLiteral("「%1」の控えが元のファイルと一致しません。")
                               .arg(making + copy.name));
    const Status pdf = formpdf::write(drivec::hostPath(making + formpdf::fileName(data.company())),
                                      {data, data.company().referenceNumber, loaded.months});
    if (!pdf.ok())
        return abandon(pdf.message());

    const QString folder = parent + folderName + QLatin1Char('\\');
    if (!QDir().rename(drivec::hostPath(making), drivec::hostPath(folder)))
        return abandon(QStringLiteral("フォルダ「%1」を作ることができません。").arg(folder));
    return {{}, folder, false};
}

QList<KeptYear> list(qint32 code) {
    QList<KeptYear> years;
    const QString parent = paths::keptYearsFolder(code);
    const QDir dir(drivec::hostPath(parent));
    for (const QString& name : dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name)) {
        if (name.endsWith(unfinished))
            continue;
        KeptYear year{code, parent + name + QLatin1Char('\\'), name, {}, {}};
        if (const std::optional<QByteArray> bytes =
                FileChannel::instance().read(year.folder + fileNameOf(paths::masterFile(code))))
            year.company = header(*bytes).value_or(CompanyRecord());
        const QStringList pdfs = QDir(drivec::hostPath(year.folder))
                                     .entryList({QStringLiteral("*.pdf")}, QDir::Files, QDir::Name);
        if (!pdfs.isEmpty())
            year.pdf = year.folder + pdfs.first();
        years.append(year);
    }
    std::stable_sort(years.begin(), years.end(), [](const KeptYear& a, const KeptYear& b) {
        return dateBefore(b.company, a.company);
    });
    return years;
}

std::optional<KeptYear> before(qint32 code, const CompanyRecord& current) {
    for (const KeptYear& year : list(code))
        if (dateBefore(year.company, current))
            return year;
    return std::nullopt;
}

Loaded load(const KeptYear& year, PrintRecords& data) {
    Loaded loaded;
    data.clear();
    QByteArray bytes;
    const QString master = year.folder + fileNameOf(paths::masterFile(year.code));
    const FileLoad masterLoad = readDataFile(master, bytes);
    const std::optional<CompanyRecord> company = masterLoad.loaded() ? header(bytes) : std::nullopt;
    if (!company) {
        loaded.status =
            Status::failure(QStringLiteral("控えの「%1」を読み取れません。").arg(master));
        return loaded;
    }
    data.company() = *company;
    if (paths::hasSectionFiles(year.code))
        for (int section : layouts::sectionNumbers()) {
            const RecordLayout& layout = layouts::section(section);
            SectionRecord record = SectionRecord::emptyFor(layout);
            const QString file = year.folder + fileNameOf(paths::sectionFile(year.code, section));
            FileLoad load = readDataFile(file, bytes);
            if (load.loaded()) {
                qsizetype cutLine = 0;
                const qsizetype read = sectionfile::decode(bytes, layout, record, &cutLine);
                settleDecoded(load, read == layout.fieldCount(), read, cutLine);
            }
            if (load.damaged())
                loaded.damaged.append(load);
            data.setSection(section, record);
        }
    std::optional<SectionRecord> order;
    const FileLoad orderLoad =
        readDataFile(year.folder + fileNameOf(paths::monthOrderFile(year.code)), bytes);
    if (orderLoad.loaded()) {
        SectionRecord record = SectionRecord::emptyFor(layouts::monthOrder());
        if (sectionfile::decode(bytes, layouts::monthOrder(), record) ==
            layouts::monthOrder().fieldCount())
            order = record;
    }
    loaded.months = formpdf::months(order, company->startMonth);
    return loaded;
}

QStringList sameAsLastYear(const PrintData& now, bool front, bool back) {
    const CompanyRecord& company = now.company();
    const std::optional<KeptYear> last = before(company.code, company);
    if (!last)
        return {};
    PrintRecords kept;
    if (!load(*last, kept).status.ok())
        return {};
    // Every cell alike and at least one figure in them: nothing new was typed.
    const auto same = [&](int section, const QList<int>& fields) {
        bool any = false;
        for (int field : fields) {
            if (now.integer(section, field) != kept.integer(section, field))
                return false;
            any = any || now.integer(section, field) != 0;
        }
        return any;
    };
    QStringList lines;
    const QString tail =
        QStringLiteral("前の年度（%1）の控えと、すべての欄が同じです。この年度の数字"
                       "を入力したか確かめてください。")
            .arg(last->name);
    if (front) {
        QList<int> accounts;
        for (int field = int(MainAccount::Sales); field <= int(MainAccount::NetAssets); ++field)
            accounts.append(field);
        if (same(30, accounts))
            lines.append(QStringLiteral("【7 主要科目】前年と同じ数字です。") + tail);
    }
    if (back) {
        QList<int> table;
        for (int column = 1; column <= monthlytable::columns; ++column)
            for (int row = 1; row <= monthlytable::totalRow; ++row)
                table.append(monthlyTableField(row, column));
        if (same(60, table))
            lines.append(QStringLiteral("【17 月別の売上高等の状況】前年と同じ数字です。") + tail);
    }
    return lines;
}

} // namespace gaikyo::keptyears
