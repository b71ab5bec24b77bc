#pragma once

#include "datafile/itemfields.h"
#include "registry/companypaths.h"
#include "statement/recordlayouts.h"
#include "statement/sectionfile.h"
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
    QMap<QString, QByteArray> files;
    files.insert(paths::masterFile(code), master());
    const auto texts = [](int section, std::initializer_list<std::pair<int, const char*>> set) {
        SectionRecord r = SectionRecord::emptyFor(layouts::section(section));
        for (const auto& [field, text] : set)
            r.texts[field - 1] = QString::fromUtf8(text);
        return r;
    };
    files.insert(paths::sectionFile(code, 21),
                 encoded(21, texts(21, {{1, "建設業（土木工事）"}, {2, "住宅の設計・施工"}})));
    files.insert(paths::sectionFile(code, 26), encoded(26, texts(26, {{2, "○"}})));
    files.insert(paths::sectionFile(code, 40),
                 encoded(40, texts(40, {{14, "本社事務所　１棟"}, {15, "ダンプカー　３台"}})));
    files.insert(paths::sectionFile(code, 50),
                 encoded(50, texts(50, {{23, "税理士　佐藤花子"}, {24, "東京都港区"}})));
    // Item 7 and 10: figures in every box; 8 and 9 ticked.
    SectionRecord accounts = SectionRecord::emptyFor(layouts::section(30));
    for (int field = 1; field <= 42; ++field)
        accounts.integers[field - 1] = field * 1000 + 7;
    accounts.integers[42] = 1; // インターネットバンキング 有
    accounts.integers[47] = 1; // 役員又は役員報酬額の異動 無
    files.insert(paths::sectionFile(code, 30), encoded(30, accounts));
    // Item 17: twelve months in every column, 計, and last year's 前期の実績; item 18.
    SectionRecord table = SectionRecord::emptyFor(layouts::section(60));
    table.texts[0] = QStringLiteral("工事");
    table.texts[6] = QStringLiteral("公共工事が増えた");
    for (int column = 1; column <= 9; ++column) {
        qint32 total = 0;
        for (int row = 1; row <= 12; ++row) {
            const qint32 value = column * 100 + row;
            table.integers[monthlytable::cell(row, column) - 1] = value;
            total += value;
        }
        table.integers[monthlytable::cell(13, column) - 1] = column == 9 ? 12 : total;
        table.integers[monthlytable::cell(14, column) - 1] = 900 + column;
    }
    files.insert(paths::sectionFile(code, 60), encoded(60, table));
    files.insert(paths::monthOrderFile(code),
                 crlfFile({"4",         "5",          "6",          "7",         "8",
                           "9",         "10",         "11",         "12",        "1",
                           "2",         "3",          "\"予備1\"",  "\"予備2\"", "\"予備3\"",
                           "\"予備4\"", "\"予備5\"",  "\"予備6\"",  "\"予備7\"", "\"予備8\"",
                           "\"予備9\"", "\"予備10\"", "\"予備11\"", "\"予備12\""}));
    return files;
}

} // namespace gaikyo::test::yearend
