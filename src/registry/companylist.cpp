#include "companylist.h"

#include "companypaths.h"
#include "datafile/filechannel.h"
#include "datafile/numbers.h"
#include "masterfile.h"
#include "registryfile.h"

namespace gaikyo::companylist {

QString itemText(qint32 code, const QString& name, qint32 year, qint32 month, qint32 day) {
    // Built in place: a refill makes up to 999 of these at a time.
    QString item;
    item.reserve(name.size() + 32);
    if (code <= 99)
        item.append(QLatin1Char('0'));
    item.append(QString::number(code));
    item.append(QLatin1String(" : "));
    item.append(name);
    item.append(u"  [平成");
    item.append(QString::number(year));
    item.append(QLatin1Char('.'));
    item.append(QString::number(month));
    item.append(QLatin1Char('.'));
    item.append(QString::number(day));
    item.append(QLatin1Char(']'));
    return item;
}

QStringList companyItems() {
    QStringList items;
    for (qint32 code = firstCode; code <= lastCode; ++code) {
        CompanyRecord record;
        if (masterfile::read(code, 8, record, TextFields::NameOnly))
            items.append(itemText(record.code, record.name, record.startYear, record.startMonth,
                                  record.startDay));
    }
    return items;
}

QStringList registryItems() {
    QStringList items;
    for (qint32 code = firstCode; code <= lastCode; ++code) {
        RegistryRecord record;
        if (registryfile::read(code, registryfile::valueCount, record, TextFields::NameOnly))
            items.append(itemText(record.code, record.name, record.startYear, record.startMonth,
                                  record.startDay));
    }
    return items;
}

void readAheadForStartUp() {
    QStringList files;
    files.reserve(2 * (lastCode - firstCode + 1));
    for (qint32 code = firstCode; code <= lastCode; ++code)
        files.append(paths::masterFile(code));
    for (qint32 code = firstCode; code <= lastCode; ++code)
        files.append(paths::registryFile(code));
    FileChannel::instance().readAhead(files);
}

std::optional<qint32> codeFromItem(const QString& item) {
    QString head = item.left(3);
    head.remove(QLatin1Char(' '));
    return strictInteger(head);
}

} // namespace gaikyo::companylist
