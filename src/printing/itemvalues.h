#pragma once

#include "pagelayout.h"

#include <QList>
#include <QString>
#include <optional>

namespace gaikyo {

class PrintData;

// What the items of a page layout print from: the print data, the 整理番号 typed on the
// print screen and the month order of the monthly table.
class ItemValues {
public:
    explicit ItemValues(const PrintData& data) : m_data(data) {}

    // 整理番号 as typed; without a number, or with 0, its boxes stay blank.
    void setReferenceNumber(std::optional<qint32> number) { m_referenceNumber = number; }
    // The calendar months of rows 1 to 12 of the monthly table; a missing one prints blank.
    void setMonths(QList<std::optional<qint32>> months) { m_months = std::move(months); }

    const PrintData& data() const { return m_data; }
    // The integer an item prints; nothing where its place stays blank.
    std::optional<qint32> integer(const LayoutItem& item) const;
    QString text(const LayoutItem& item) const;
    // What an item of one text prints (every kind but digit boxes and digit splits);
    // empty where it prints nothing.
    QString printedText(const LayoutItem& item) const;

private:
    const PrintData& m_data;
    std::optional<qint32> m_referenceNumber;
    QList<std::optional<qint32>> m_months;
};

} // namespace gaikyo
