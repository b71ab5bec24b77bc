#pragma once

#include <QString>
#include <QtGlobal>

namespace gaikyo {

// The header of a company, lines 1–15 of its master file.
struct CompanyRecord {
    qint32 code = 0;
    QString furigana;
    QString name;
    QString address; // 納税地
    QString telephone;
    qint32 startYear = 0; // 平成
    qint32 startMonth = 0;
    qint32 startDay = 0;
    qint32 endYear = 0;
    qint32 endMonth = 0;
    qint32 endDay = 0;
    QString homePage;
    QString respondent;         // 応答者氏名
    qint32 referenceNumber = 0; // 整理番号
    QString representative;     // 代表取締役の氏名
};

// A company file of the corporate-tax program: 19 values, of which 2, 12–15 and
// 17–19 have no meaning here and are only kept.
struct RegistryRecord {
    qint32 code = 0;
    qint32 value2 = 0;
    qint32 startYear = 0;
    qint32 startMonth = 0;
    qint32 startDay = 0;
    qint32 endYear = 0;
    qint32 endMonth = 0;
    qint32 endDay = 0;
    QString furigana;
    QString name;
    QString address;
    QString values12to15[4];
    QString telephone;
    qint32 values17to19[3] = {0, 0, 0};
};

// Which texts of a file a reading keeps: all of them, or the company name alone (the
// company lists, which read thousands of files and show only the name).
enum class TextFields { All, NameOnly };

} // namespace gaikyo
