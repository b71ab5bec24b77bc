#include "itemvalues.h"

#include "datafile/erayear.h"
#include "datafile/numbers.h"
#include "printdata.h"
#include "printvalues.h"
#include "registry/companyfields.h"
#include "statement/markbox.h"

namespace gaikyo {

namespace {

// A header line as the form prints it; lines the header does not have print as 0.
const CompanyField* headerField(int line) {
    const std::span<const CompanyField> fields = companyFields();
    if (line < 1 || line > qsizetype(fields.size()))
        return nullptr;
    return &fields[line - 1];
}

qint32 headerInteger(const CompanyRecord& c, int line) {
    const CompanyField* field = headerField(line);
    const auto* member = field ? std::get_if<qint32 CompanyRecord::*>(&field->member) : nullptr;
    if (!member)
        return 0;
    // The form's year boxes hold the year in the era of the date, as the era word
    // printed before them reads.
    if (field->kind == CompanyField::Kind::Year)
        return erayear::fromStored(c.**member, c.*monthOfYear(field->member)).year;
    return c.**member;
}

QString headerText(const CompanyRecord& c, int line) {
    const CompanyField* field = headerField(line);
    if (const auto* member =
            field ? std::get_if<QString CompanyRecord::*>(&field->member) : nullptr)
        return c.**member;
    return plainDecimal(headerInteger(c, line));
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
