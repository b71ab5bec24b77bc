#include "itemvalues.h"

#include "datafile/erayear.h"
#include "datafile/numbers.h"
#include "printdata.h"
#include "printvalues.h"
#include "statement/markbox.h"

namespace gaikyo {

namespace {

qint32 headerInteger(const CompanyRecord& c, int line) {
    switch (line) {
    case 1:
        return c.code;
    case 6:
        // The form's year boxes hold the year in the era of the date, as the era word
        // printed before them reads.
        return erayear::fromStored(c.startYear, c.startMonth).year;
    case 7:
        return c.startMonth;
    case 8:
        return c.startDay;
    case 9:
        return erayear::fromStored(c.endYear, c.endMonth).year;
    case 10:
        return c.endMonth;
    case 11:
        return c.endDay;
    case 14:
        return c.referenceNumber;
    default:
        return 0;
    }
}

QString headerText(const CompanyRecord& c, int line) {
    switch (line) {
    case 2:
        return c.furigana;
    case 3:
        return c.name;
    case 4:
        return c.address;
    case 5:
        return c.telephone;
    case 12:
        return c.homePage;
    case 13:
        return c.respondent;
    case 15:
        return c.representative;
    default:
        return plainDecimal(headerInteger(c, line));
    }
}

} // namespace

std::optional<qint32> ItemValues::integer(const LayoutItem& item) const {
    switch (item.source) {
    case LayoutItem::Source::Header:
        return headerInteger(m_data.company(), item.field);
    case LayoutItem::Source::ReferenceNumber:
        // 0 is how a company without a 整理番号 is saved.
        if (m_referenceNumber == 0)
            return std::nullopt;
        return m_referenceNumber;
    case LayoutItem::Source::Field:
        return m_data.integer(item.section, item.field);
    case LayoutItem::Source::Month:
        return item.field <= m_months.size() ? m_months.at(item.field - 1) : std::nullopt;
    }
    return std::nullopt;
}

QString ItemValues::text(const LayoutItem& item) const {
    if (item.source == LayoutItem::Source::Header)
        return headerText(m_data.company(), item.field);
    return m_data.text(item.section, item.field);
}

QString ItemValues::printedText(const LayoutItem& item) const {
    using Kind = LayoutItem::Kind;
    if (item.kind == Kind::Text)
        return text(item);
    if (item.kind == Kind::DigitBoxes || item.kind == Kind::DigitSplit)
        return QString();
    const std::optional<qint32> value = integer(item);
    if (!value)
        return QString(); // the place stays blank
    switch (item.kind) {
    case Kind::Number:
    case Kind::MonthNumber:
        return printvalues::number(*value);
    case Kind::Tick:
        // A box ticked prints the mark the form asks for.
        return *value == 1   ? markbox::shown(*value)
               : *value == 0 ? QString()
                             : printvalues::number(*value);
    case Kind::Grouped:
    case Kind::Amount:
        return groupedDisplay(*value);
    default:
        return QString();
    }
}

} // namespace gaikyo
