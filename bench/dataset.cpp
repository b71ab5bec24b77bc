#include "dataset.h"

#include "datafile/drivec.h"
#include "datafile/filechannel.h"
#include "datafile/valuefile.h"
#include "registry/companypaths.h"
#include "registry/masterfile.h"
#include "shell/pledge.h"
#include "statement/sectionfile.h"

#include <QDir>
#include <cstdio>

namespace gaikyo::bench {

namespace {

bool failed(const Status& status, const QString& what) {
    if (status.ok())
        return false;
    std::fprintf(stderr, "%s: %s\n", qPrintable(what), qPrintable(status.message()));
    return true;
}

CompanyRecord company(qint32 code) {
    CompanyRecord r;
    r.code = code;
    r.furigana = QStringLiteral("カブシキガイシャベンチ%1").arg(code);
    r.name = QStringLiteral("株式会社ベンチ商事%1").arg(code);
    r.address = QStringLiteral("東京都千代田区大手町一丁目%1番地").arg(code);
    r.telephone = QStringLiteral("03-1234-%1").arg(code, 4, 10, QLatin1Char('0'));
    r.startYear = 15;
    r.startMonth = code % 12 + 1;
    r.startDay = 1;
    r.endYear = 16;
    r.endMonth = (code + 11) % 12 + 1;
    r.endDay = 28;
    r.homePage = QStringLiteral("http://www.example.co.jp/%1/").arg(code);
    r.respondent = QStringLiteral("経理部　山田太郎");
    r.referenceNumber = 10000000 + code;
    r.representative = QStringLiteral("代表取締役　鈴木一郎");
    return r;
}

// Every box filled: texts of a realistic length, amounts in the millions.
SectionRecord section(const RecordLayout& layout, qint32 code) {
    SectionRecord r = SectionRecord::emptyFor(layout);
    for (qsizetype i = 0; i < r.texts.size(); ++i)
        r.texts[i] = QStringLiteral("記入%1の%2　卸売・小売").arg(code).arg(i + 1);
    for (qsizetype i = 0; i < r.integers.size(); ++i)
        r.integers[i] = code * 10007 + qint32(i) * 131;
    return r;
}

QByteArray registryFile(qint32 code) {
    const CompanyRecord c = company(code);
    ValueWriter w;
    w.integer(code);
    w.integer(1);
    for (qint32 v : {c.startYear, c.startMonth, c.startDay, c.endYear, c.endMonth, c.endDay})
        w.integer(v);
    w.text(c.furigana, QStringLiteral("フリガナ"));
    w.text(c.name, QStringLiteral("法人名"));
    w.text(c.address, QStringLiteral("納税地"));
    for (int i = 12; i <= 15; ++i)
        w.text(QStringLiteral("値%1").arg(i), QStringLiteral("値"));
    w.text(c.telephone, QStringLiteral("電話番号"));
    for (int i = 17; i <= 19; ++i)
        w.integer(i);
    return w.bytes();
}

} // namespace

bool generateDataSet() {
    for (const QString& folder :
         {paths::dataFolder(), paths::masterFolder(), paths::statementFolder(),
          QStringLiteral("c:\\法人税\\"), QStringLiteral("c:\\法人税\\法人名\\")}) {
        if (!drivec::createFolder(folder)) {
            std::fprintf(stderr, "cannot create %s\n", qPrintable(drivec::hostPath(folder)));
            return false;
        }
    }
    if (failed(pledge::writeAccepted(), QStringLiteral("pledge")))
        return false;
    for (qint32 code = 1; code <= companyCount; ++code) {
        if (failed(masterfile::write(company(code)), paths::masterFile(code)))
            return false;
        for (int number : layouts::sectionNumbers()) {
            const RecordLayout& layout = layouts::section(number);
            if (failed(sectionfile::save(code, layout, section(layout, code)),
                       paths::sectionFile(code, number)))
                return false;
        }
        if (failed(FileChannel::instance().write(paths::registryFile(code), registryFile(code)),
                   paths::registryFile(code)))
            return false;
    }
    return true;
}

} // namespace gaikyo::bench
