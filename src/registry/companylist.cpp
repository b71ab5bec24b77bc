#include "companylist.h"

#include "businessyear.h"
#include "companypaths.h"
#include "datafile/drivec.h"
#include "datafile/erayear.h"
#include "datafile/filechannel.h"
#include "datafile/folderlisting.h"
#include "datafile/folderwatch.h"
#include "datafile/numbers.h"
#include "masterfile.h"
#include "registryfile.h"

#include <QHash>
#include <QSet>
#include <QThread>

#include <charconv>
#include <functional>
#include <iterator>
#include <thread>
#include <utility>

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
    // A start that is no day of the calendar is not shown as a date.
    if (businessyear::problemOf(businessyear::Date{year, month, day}, QString())) {
        item.append(QStringLiteral("  [日付不正]"));
        return item;
    }
    // The start date in its era: "[平成15.4.1]", "[令和7.4.1]", "[令和元.5.1]".
    const erayear::EraYear inEra = erayear::fromStored(year, month);
    item.append(u"  [");
    item.append(erayear::name(inEra.era));
    if (inEra.year == 1)
        item.append(erayear::yearText(1));
    else
        appendNumber(item, inEra.year);
    item.append(QLatin1Char('.'));
    appendNumber(item, month);
    item.append(QLatin1Char('.'));
    appendNumber(item, day);
    item.append(QLatin1Char(']'));
    return item;
}

namespace {

// A list as made from its files, and the files found short on the way: the file channel
// remembers those, so that no save replaces one unseen. (A file found damaged is
// remembered by whatever read it.)
struct MadeList {
    QStringList items;
    QStringList damaged;
};

// What one file gives its list: an item, or nothing; a file that ends too early counts
// as damaged where its list says so.
struct Entry {
    std::optional<QString> item;
    bool shortFile = false;
};

using FileSource = std::function<wholefile::Read(const QString& windowsPath)>;

Entry companyEntry(const QByteArray& bytes) {
    constexpr int lastLine = 8; // up to the start date
    CompanyRecord r;
    if (masterfile::decode(bytes, lastLine, r, TextFields::NameOnly) != lastLine)
        return {std::nullopt, true};
    return {itemText(r.code, r.name, r.startYear, r.startMonth, r.startDay)};
}

Entry registryEntry(const QByteArray& bytes) {
    RegistryRecord r;
    if (!registryfile::decode(bytes, registryfile::valueCount, r, TextFields::NameOnly))
        return {};
    return {itemText(r.code, r.name, r.startYear, r.startMonth, r.startDay)};
}

// The names of the files of a folder, in lower case: one look at the folder instead of
// an attempt to open each of the 999 names, which on a network share costs a round trip
// to the server each (about a second for a refill). A name found here that does not open
// is skipped as before; lower case, so that a name the system matches without regard to
// case is never missed.
QSet<QString> namesIn(const QString& windowsFolder) {
    QSet<QString> names;
    for (const QString& name : folderlisting::names(drivec::hostPath(windowsFolder)))
        names.insert(name.toLower());
    return names;
}

QString folderOf(QString (*pathOf)(qint32)) {
    const QString first = pathOf(firstCode);
    return first.left(first.lastIndexOf(QLatin1Char('\\')) + 1);
}

// Every code in order that has a file among the names of its folder.
MadeList makeList(QString (*pathOf)(qint32), Entry (*entryOf)(const QByteArray&),
                  const FileSource& readFile, const QSet<QString>& names) {
    MadeList list;
    if (names.isEmpty())
        return list;
    const qsizetype folderLength = folderOf(pathOf).size();
    for (qint32 code = firstCode; code <= lastCode; ++code) {
        const QString path = pathOf(code);
        if (!names.contains(path.mid(folderLength).toLower()))
            continue;
        const wholefile::Read file = readFile(path);
        if (file.outcome != wholefile::Read::Outcome::Read)
            continue;
        Entry entry = entryOf(file.bytes);
        if (entry.item)
            list.items.append(std::move(*entry.item));
        else if (entry.shortFile)
            list.damaged.append(path);
    }
    return list;
}

// The same, reading the files directly (nothing else is open at start-up) and noting
// the damaged ones in the list for the file channel. One look at each file of the folder
// gives both the list and what the folder looks like (FolderWatch::signatureOf): a file
// that is read is opened once, relative to its folder, and its size and time come from
// the opened file.
MadeList makeListDirectly(QString (*pathOf)(qint32), Entry (*entryOf)(const QByteArray&),
                          std::optional<QByteArray>& folderSeen) {
    const QString folder = folderOf(pathOf);
    const qsizetype folderLength = folder.size();
    QSet<QString> listNames;
    listNames.reserve(lastCode - firstCode + 1);
    for (qint32 code = firstCode; code <= lastCode; ++code)
        listNames.insert(pathOf(code).mid(folderLength).toLower());

    QList<folderlisting::FileStamp> stamps;
    QHash<QString, wholefile::Read> reads;
    for (folderlisting::FileLook& look : folderlisting::lookAtFiles(
             drivec::hostPath(folder), QLatin1StringView(".txt"),
             [&listNames](const QString& name) { return listNames.contains(name.toLower()); })) {
        if (look.stamp)
            stamps.append(std::move(*look.stamp));
        if (look.read)
            reads.insert(look.name.toLower(), std::move(*look.read));
    }
    folderSeen = FolderWatch::signatureOf(stamps);

    QSet<QString> names;
    names.reserve(reads.size());
    for (auto read = reads.cbegin(); read != reads.cend(); ++read)
        names.insert(read.key());
    QStringList damaged;
    MadeList list = makeList(
        pathOf, entryOf,
        [&](const QString& windowsPath) {
            wholefile::Read file = reads.take(windowsPath.mid(folderLength).toLower());
            if (file.outcome == wholefile::Read::Outcome::Damaged)
                damaged.append(windowsPath);
            return file;
        },
        names);
    list.damaged += damaged;
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
    std::optional<QByteArray> companyFolder;
    std::optional<QByteArray> registryFolder;
    // Last, so that it is joined before the lists it fills are gone.
    std::jthread maker;

    void waitForMaker() {
        if (maker.joinable())
            maker.join();
    }
    MadeList take(MadeList& list, bool& ready) {
        waitForMaker();
        ready = false;
        return std::move(list);
    }
    std::optional<QByteArray> takeFolder(std::optional<QByteArray>& folder) {
        waitForMaker();
        return std::exchange(folder, std::nullopt);
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
    return settled(
        makeList(paths::masterFile, companyEntry, throughChannel, namesIn(paths::masterFolder())));
}

QStringList registryItems() {
    StartUpLists& made = startUpLists();
    if (made.registryReady)
        return settled(made.take(made.registry, made.registryReady));
    return settled(makeList(paths::registryFile, registryEntry, throughChannel,
                            namesIn(paths::registryFolder())));
}

void prepareForStartUp() {
    StartUpLists& made = startUpLists();
    made.waitForMaker();
    made.companiesReady = made.registryReady = true;
    // Qt takes the first thread that asks for its thread data as the program's main
    // thread, and the maker's files (QFile on Windows) would ask before the application
    // object exists: this thread asks first.
    QThread::currentThread();
#ifdef Q_OS_WIN
    // When a thread of our own ends, the MinGW runtime frees Qt's per-thread stack for
    // compiled patterns wrongly and the program crashes: on Windows patterns are
    // interpreted (Qt reads this once, at the first pattern).
    if (!qEnvironmentVariableIsSet("QT_ENABLE_REGEXP_JIT"))
        qputenv("QT_ENABLE_REGEXP_JIT", "0");
#endif
    // One thread only: under Windows a second one ending at the same time as Qt starts
    // crashed the program now and then. The thread touches nothing but the two lists it
    // makes.
    made.maker = std::jthread([&made] {
        made.companies = makeListDirectly(paths::masterFile, companyEntry, made.companyFolder);
        made.registry = makeListDirectly(paths::registryFile, registryEntry, made.registryFolder);
    });
}

std::optional<QByteArray> takeStartUpCompanyFolder() {
    return startUpLists().takeFolder(startUpLists().companyFolder);
}

std::optional<QByteArray> takeStartUpRegistryFolder() {
    return startUpLists().takeFolder(startUpLists().registryFolder);
}

std::optional<qint32> codeFromItem(const QString& item) {
    QString head = item.left(3);
    head.remove(QLatin1Char(' '));
    return strictInteger(head);
}

} // namespace gaikyo::companylist
