#pragma once

#include "registry/companyrecord.h"

namespace gaikyo::test {

// A fully filled company header; as company 7 it is the one of
// tests/data/registry/master7.txt.
inline CompanyRecord sampleCompany(qint32 code = 7) {
    CompanyRecord r;
    r.code = code;
    r.furigana = QStringLiteral("ミホン");
    r.name = QStringLiteral("株式会社見本");
    r.address = QStringLiteral("東京都千代田区1-1");
    r.telephone = QStringLiteral("03-1234-5678");
    r.startYear = 15;
    r.startMonth = 4;
    r.startDay = 1;
    r.endYear = 16;
    r.endMonth = 3;
    r.endDay = 31;
    r.homePage = QStringLiteral("http://example.com/");
    r.respondent = QStringLiteral("山田太郎");
    r.referenceNumber = 12345;
    r.representative = QStringLiteral("山田一郎");
    return r;
}

} // namespace gaikyo::test
