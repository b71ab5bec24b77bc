#pragma once

#include <QByteArray>
#include <QStringList>
#include <QtGlobal>
#include <optional>

// The two company lists of the main menu: this program's companies and the companies
// of the corporate-tax program, both for codes 1 to 999 in code order.
namespace gaikyo::companylist {

constexpr qint32 firstCode = 1;
constexpr qint32 lastCode = 999;

// "07 : 株式会社見本  [平成15.4.1]": codes up to 99 get a "0" in front, so that the
// first three characters of an item always hold its code. The start date shows in its
// era: a year stored as 37 (April) is "[令和7.4.1]".
QString itemText(qint32 code, const QString& name, qint32 year, qint32 month, qint32 day);

// One item for each master file that can be read to its start date. A file that is
// short or broken is left out and the list goes on with the next code.
QStringList companyItems();

// One item for each registry file that holds all 19 values.
QStringList registryItems();

// Starts making both lists on a second thread while the program builds its windows;
// the start-up's first refill of each list takes what was made there. The lists read
// about two thousand files, which would otherwise hold up the main menu.
void prepareForStartUp();

// What the folder of each list was like (FolderWatch::signatureOf) just before the
// start-up's second thread read its files: a folder watch that starts from it misses no
// change made while the program started. Nothing when that thread made no list, or once
// taken.
std::optional<QByteArray> takeStartUpCompanyFolder();
std::optional<QByteArray> takeStartUpRegistryFolder();

// The code in the first three characters of an item, spaces ignored.
std::optional<qint32> codeFromItem(const QString& item);

} // namespace gaikyo::companylist
