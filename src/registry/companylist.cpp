#include "companylist.h"

#include "datafile/numbers.h"
#include "masterfile.h"
#include "registryfile.h"

namespace gaikyo::companylist {

QString itemText(qint32 code, const QString& name, qint32 year, qint32 month, qint32 day) {
    QString item;
    if (code <= 99)
        item += QLatin1Char('0');
    item += plainDecimal(code) + QStringLiteral(" : ") + name + QStringLiteral("  [平成") +
            plainDecimal(year) + QLatin1Char('.') + plainDecimal(month) + QLatin1Char('.') +
            plainDecimal(day) + QLatin1Char(']');
    return item;
}

QStringList companyItems() {
    QStringList items;
    for (qint32 code = firstCode; code <= lastCode; ++code) {
        CompanyRecord record;
        if (masterfile::read(code, 8, record))
            items.append(itemText(record.code, record.name, record.startYear, record.startMonth,
                                  record.startDay));
    }
    return items;
}

QStringList registryItems() {
    QStringList items;
    for (qint32 code = firstCode; code <= lastCode; ++code) {
        RegistryRecord record;
        if (registryfile::read(code, registryfile::valueCount, record))
            items.append(itemText(record.code, record.name, record.startYear, record.startMonth,
                                  record.startDay));
    }
    return items;
}

std::optional<qint32> codeFromItem(const QString& item) {
    QString head = item.left(3);
    head.remove(QLatin1Char(' '));
    return strictInteger(head);
}

} // namespace gaikyo::companylist
