#include "companyfields.h"

#include <algorithm>

namespace gaikyo {

namespace {

using Kind = CompanyField::Kind;

const CompanyField fields[] = {
    {&CompanyRecord::code, "法人コード", Kind::Integer},
    {&CompanyRecord::furigana, "フリガナ", Kind::Text},
    {&CompanyRecord::name, "法人名", Kind::Text},
    {&CompanyRecord::address, "納税地", Kind::Text},
    {&CompanyRecord::telephone, "電話番号", Kind::Text},
    {&CompanyRecord::startYear, "事業年度（自）の年", Kind::Year},
    {&CompanyRecord::startMonth, "事業年度（自）の月", Kind::Integer},
    {&CompanyRecord::startDay, "事業年度（自）の日", Kind::Integer},
    {&CompanyRecord::endYear, "事業年度（至）の年", Kind::Year},
    {&CompanyRecord::endMonth, "事業年度（至）の月", Kind::Integer},
    {&CompanyRecord::endDay, "事業年度（至）の日", Kind::Integer},
    {&CompanyRecord::homePage, "ホームページアドレス", Kind::Text},
    {&CompanyRecord::respondent, "応答者氏名", Kind::Text},
    {&CompanyRecord::referenceNumber, "整理番号", Kind::Integer},
    {&CompanyRecord::representative, "代表取締役の氏名", Kind::Text},
};

} // namespace

std::span<const CompanyField> companyFields() {
    return fields;
}

const CompanyField& companyField(const CompanyMember& member) {
    const auto* field =
        std::find_if(std::begin(fields), std::end(fields),
                     [&member](const CompanyField& f) { return f.member == member; });
    Q_ASSERT(field != std::end(fields));
    return *field;
}

qint32 CompanyRecord::*monthOfYear(const CompanyMember& year) {
    Q_ASSERT(companyField(year).kind == Kind::Year);
    return year == CompanyMember(&CompanyRecord::startYear) ? &CompanyRecord::startMonth
                                                            : &CompanyRecord::endMonth;
}

} // namespace gaikyo
