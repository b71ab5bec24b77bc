#include "companylist.h"

#include "companypaths.h"
#include "datafile/drivec.h"
#include "datafile/filechannel.h"
#include "datafile/numbers.h"
#include "masterfile.h"
#include "registryfile.h"

#include <charconv>
#include <functional>
#include <iterator>
#include <thread>

namespace gaikyo::companylist {

namespace {

// Plain decimal straight into the text, without a text of its own for each number.
void appendNumber(QString& text, qint32 value) {
    char digits[12];
    const auto written = std::to_chars(std::begin(digits), std::end(digits), value);
    text.append(QLatin1StringView(digits, written.ptr - digits));
}

} // namespace

QString itemText(qint32 code, const QString& name, qint32 year, qint32 month, qint32 day) {
    // Built in place: a refill makes up to 999 of these at a time.
    QString item;
    item.reserve(name.size() + 32);
    if (code <= 99)
        item.append(QLatin1Char('0'));
    appendNumber(item, code);
    item.append(QLatin1StringView(" : "));
    item.append(name);
    item.append(u"  [平成");
    appendNumber(item, year);
    item.append(QLatin1Char('.'));
    appendNumber(item, month);
    item.append(QLatin1Char('.'));
    appendNumber(item, day);
    item.append(QLatin1Char(']'));
    return item;
}

namespace {

// A list as made from its files, and the files found damaged or short on the way: the
// file channel remembers those, so that no save replaces one unseen.
struct MadeList {
    QStringList items;
    QStringList damaged;
};

using FileSource = std::function<wholefile::Read(const QString& windowsPath)>;

MadeList makeCompanyList(const FileSource& readFile) {
    MadeList list;
    constexpr int lastLine = 8; // up to the start date
    for (qint32 code = firstCode; code <= lastCode; ++code) {
        const QString path = paths::masterFile(code);
        const wholefile::Read file = readFile(path);
        if (file.outcome == wholefile::Read::Outcome::Damaged)
            list.damaged.append(path);
        if (file.outcome != wholefile::Read::Outcome::Read)
            continue;
        CompanyRecord record;
        if (masterfile::decode(file.bytes, lastLine, record, TextFields::NameOnly) == lastLine)
            list.items.append(itemText(record.code, record.name, record.startYear,
                                       record.startMonth, record.startDay));
        else
            list.damaged.append(path);
    }
    return list;
}

MadeList makeRegistryList(const FileSource& readFile) {
    MadeList list;
    for (qint32 code = firstCode; code <= lastCode; ++code) {
        const QString path = paths::registryFile(code);
        const wholefile::Read file = readFile(path);
        if (file.outcome == wholefile::Read::Outcome::Damaged)
            list.damaged.append(path);
        RegistryRecord record;
        if (file.outcome == wholefile::Read::Outcome::Read &&
            registryfile::decode(file.bytes, registryfile::valueCount, record,
                                 TextFields::NameOnly))
            list.items.append(itemText(record.code, record.name, record.startYear,
                                       record.startMonth, record.startDay));
    }
    return list;
}

QStringList settled(MadeList list) {
    for (const QString& path : std::as_const(list.damaged))
        FileChannel::instance().markDamaged(path);
    return std::move(list.items);
}

wholefile::Read throughChannel(const QString& windowsPath) {
    return FileChannel::instance().readFile(windowsPath);
}

// Both lists as the start-up's second thread made them, each taken once.
struct StartUpLists {
    MadeList companies;
    MadeList registry;
    bool companiesReady = false;
    bool registryReady = false;
    // Last, so that it is joined before the lists it fills are gone.
    std::jthread maker;

    MadeList take(MadeList& list, bool& ready) {
        if (maker.joinable())
            maker.join();
        ready = false;
        return std::move(list);
    }
};

StartUpLists& startUpLists() {
    static StartUpLists lists;
    return lists;
}

} // namespace

QStringList companyItems() {
    StartUpLists& made = startUpLists();
    if (made.companiesReady)
        return settled(made.take(made.companies, made.companiesReady));
    return settled(makeCompanyList(throughChannel));
}

QStringList registryItems() {
    StartUpLists& made = startUpLists();
    if (made.registryReady)
        return settled(made.take(made.registry, made.registryReady));
    return settled(makeRegistryList(throughChannel));
}

void prepareForStartUp() {
    StartUpLists& made = startUpLists();
    if (made.maker.joinable())
        made.maker.join();
    made.companiesReady = made.registryReady = true;
    // Nothing else is open at start-up; the thread reads the files directly, one at a
    // time, and touches nothing but the two lists it makes.
    made.maker = std::jthread([&made] {
        const FileSource direct = [](const QString& windowsPath) {
            return wholefile::read(drivec::hostPath(windowsPath));
        };
        made.companies = makeCompanyList(direct);
        made.registry = makeRegistryList(direct);
    });
}

std::optional<qint32> codeFromItem(const QString& item) {
    QString head = item.left(3);
    head.remove(QLatin1Char(' '));
    return strictInteger(head);
}

} // namespace gaikyo::companylist
