#pragma once

#include "datafile/itemfields.h"
#include "registry/companypaths.h"
#include "statement/recordlayouts.h"
#include "statement/sectionfile.h"
#include "support/companybuilder.h"
#include "support/testhome.h"

#include <QMap>

// A builder at the end of its business year: company 7, 令和7年4月1日 to 令和8年3月31日,
// with every screen filled in, as the year-end tests roll it forward.
namespace gaikyo::test::yearend {

inline constexpr qint32 code = 7;

// A builder's year, 令和7年4月1日 to 令和8年3月31日 (the files count 37 and 38).
inline QByteArray master() {
    QStringList lines{"7",
                      "\"ミホン\"",
                      "\"株式会社見本\"",
                      "\"東京都千代田区\"",
                      "\"03-1\"",
                      "37",
                      "4",
                      "1",
                      "38",
                      "3",
                      "31",
                      "\"\"",
                      "\"山田\"",
                      "12345",
                      "\"山田一郎\""};
    for (int i = 2; i <= 12; ++i)
        lines.append(QStringLiteral("\"予備%1\"").arg(i));
    return crlfFile(lines);
}

inline QByteArray encoded(int section, const SectionRecord& record) {
    QByteArray bytes;
    const Status status = sectionfile::encode(layouts::section(section), record, bytes);
    Q_ASSERT(status.ok());
    return bytes;
}

// Every file of the company, as drive C: names it, with its bytes.
inline QMap<QString, QByteArray> companyFiles() {
    CompanyBuilder company(code);
    company.text(21, 1, QStringLiteral("建設業（土木工事）"))
        .text(21, 2, QStringLiteral("住宅の設計・施工"))
        .text(26, 2, QStringLiteral("○"))
        .text(40, 14, QStringLiteral("本社事務所　１棟"))
        .text(40, 15, QStringLiteral("ダンプカー　３台"))
        .text(50, 23, QStringLiteral("税理士　佐藤花子"))
        .text(50, 24, QStringLiteral("東京都港区"));
    // Item 7 and 10: figures in every box; 8 and 9 ticked.
    for (int field = 1; field <= 42; ++field)
        company.integer(30, field, field * 1000 + 7);
    company.integer(30, 43, 1); // インターネットバンキング 有
    company.integer(30, 48, 1); // 役員又は役員報酬額の異動 無
    // Item 17: twelve months in every column, 計, and last year's 前期の実績; item 18.
    company.text(60, 1, QStringLiteral("工事")).text(60, 7, QStringLiteral("公共工事が増えた"));
    for (int column = 1; column <= 9; ++column) {
        qint32 total = 0;
        for (int row = 1; row <= 12; ++row) {
            const qint32 value = column * 100 + row;
            company.integer(60, monthlytable::cell(row, column), value);
            total += value;
        }
        company.integer(60, monthlytable::cell(13, column), column == 9 ? 12 : total);
        company.integer(60, monthlytable::cell(14, column), 900 + column);
    }
    QMap<QString, QByteArray> files = company.sectionFiles();
    files.insert(paths::masterFile(code), master());
    files.insert(paths::monthOrderFile(code),
                 crlfFile({"4",         "5",          "6",          "7",         "8",
                           "9",         "10",         "11",         "12",        "1",
                           "2",         "3",          "\"予備1\"",  "\"予備2\"", "\"予備3\"",
                           "\"予備4\"", "\"予備5\"",  "\"予備6\"",  "\"予備7\"", "\"予備8\"",
                           "\"予備9\"", "\"予備10\"", "\"予備11\"", "\"予備12\""}));
    return files;
}

} // namespace gaikyo::test::yearend
