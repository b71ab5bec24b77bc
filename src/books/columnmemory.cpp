#include "columnmemory.h"

#include "bookcsv.h"
#include "bookfigures.h"
#include "booklayout.h"
#include "datafile/cp932.h"
#include "datafile/drivec.h"
#include "datafile/filechannel.h"
#include "datafile/wholefile.h"
#include "registry/companypaths.h"

#include <QFileInfo>
#include <QLocale>

namespace gaikyo::columnmemory {

namespace {

using booklayout::headingSearchRows;
using booktable::ColumnChoice;
using booktable::Kind;

// The rows below the heading that show whether a column holds figures.
constexpr qsizetype sampleRows = 100;

const QString comment = QStringLiteral(
    "# 取り込みで選んだ列の読み方：種類・見出しの行・勘定科目の列・金額の列（推移表は 列=月）"
    "・見出しの各列");

QString kindName(Kind kind) {
    return kind == Kind::Balances ? QStringLiteral("試算表") : QStringLiteral("推移表");
}

// A heading row as layouts are told apart: each cell without its surrounding spaces
// and in code page 932's forms, the empty cells at the end left off.
QStringList headingKey(const QStringList& cells) {
    QStringList key;
    for (const QString& cell : cells)
        key.append(cp932::toCodePageForms(cell.simplified()));
    while (!key.isEmpty() && key.last().isEmpty())
        key.removeLast();
    return key;
}

struct Entry {
    Kind kind = Kind::Balances;
    ColumnChoice choice;
    QStringList heading;
};

// A row or column number as the file counts it (from 1), counted from 0.
std::optional<int> counted(const QString& text) {
    bool ok = false;
    const int n = text.trimmed().toInt(&ok);
    return ok && n >= 1 && n <= 100000 ? std::optional<int>(n - 1) : std::nullopt;
}

std::optional<Entry> entryOf(const QStringList& cells) {
    if (cells.size() < 5)
        return std::nullopt;
    Entry e;
    if (cells.at(0).trimmed() == kindName(Kind::Balances))
        e.kind = Kind::Balances;
    else if (cells.at(0).trimmed() == kindName(Kind::Months))
        e.kind = Kind::Months;
    else
        return std::nullopt;
    const std::optional<int> row = counted(cells.at(1));
    const std::optional<int> name = counted(cells.at(2));
    if (!row || !name)
        return std::nullopt;
    e.choice.headingRow = *row;
    e.choice.nameColumn = *name;
    if (e.kind == Kind::Balances) {
        const std::optional<int> balance = counted(cells.at(3));
        if (!balance || *balance == *name)
            return std::nullopt;
        e.choice.balanceColumn = *balance;
    } else {
        for (const QString& pair : cells.at(3).split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
            const std::optional<int> column = counted(pair.section(QLatin1Char('='), 0, 0));
            const std::optional<int> month = counted(pair.section(QLatin1Char('='), 1));
            if (!column || !month || *month >= 12 || *column == *name ||
                e.choice.monthColumns.contains(*column))
                return std::nullopt;
            e.choice.monthColumns.insert(*column, *month + 1);
        }
        if (e.choice.monthColumns.isEmpty())
            return std::nullopt;
    }
    e.heading = headingKey(cells.mid(4));
    if (e.heading.isEmpty())
        return std::nullopt;
    return e;
}

QStringList entryCells(const Entry& e) {
    QString amounts;
    if (e.kind == Kind::Balances) {
        amounts = QString::number(e.choice.balanceColumn + 1);
    } else {
        QStringList pairs;
        for (auto it = e.choice.monthColumns.cbegin(); it != e.choice.monthColumns.cend(); ++it)
            pairs.append(QStringLiteral("%1=%2").arg(it.key() + 1).arg(it.value()));
        amounts = pairs.join(QLatin1Char(' '));
    }
    return QStringList{kindName(e.kind), QString::number(e.choice.headingRow + 1),
                       QString::number(e.choice.nameColumn + 1), amounts} +
           e.heading;
}

QString csvLine(const QStringList& cells) {
    QStringList fields;
    for (const QString& cell : cells) {
        const bool quoted = cell.contains(QLatin1Char(',')) || cell.contains(QLatin1Char('"')) ||
                            cell.contains(QLatin1Char('\t')) || cell.contains(QLatin1Char('\r')) ||
                            cell.contains(QLatin1Char('\n')) || cell != cell.trimmed();
        QString field = cell;
        field.replace(QLatin1Char('"'), QStringLiteral("\"\""));
        fields.append(quoted ? QLatin1Char('"') + field + QLatin1Char('"') : field);
    }
    return fields.join(QLatin1Char(','));
}

// The lines of the file as it stands now.
struct Loaded {
    QList<QStringList> rows;
    QList<qsizetype> lines;
    QString unusable; // why the whole file cannot be used; empty when it can
};

// Why a file far larger than any list of layouts is not read: it is no damaged file of
// ours, and nothing it holds is put aside or replaced.
QString tooLarge() {
    const QFileInfo info(drivec::hostPath(file()));
    if (!info.isFile() || info.size() <= wholefile::sizeLimit)
        return {};
    return QStringLiteral("大きすぎます（%1バイト）。")
        .arg(QLocale(QLocale::Japanese).toString(info.size()));
}

Loaded load() {
    Loaded loaded;
    if (const QString why = tooLarge(); !why.isEmpty()) {
        loaded.unusable = why;
        return loaded;
    }
    const wholefile::Read read = FileChannel::instance().readFile(file());
    if (read.outcome == wholefile::Read::Outcome::Missing)
        return loaded;
    if (read.outcome == wholefile::Read::Outcome::Damaged) {
        loaded.unusable = read.reason;
        return loaded;
    }
    if (!bookcsv::decodeText(read.bytes)) {
        // Put aside before the next choice is written, so that nothing it held is lost.
        FileChannel::instance().markDamaged(file());
        loaded.unusable = QStringLiteral("文字コードが読み取れません。");
        return loaded;
    }
    // A file of comments only is no table to the CSV reader, but its lines are kept.
    bookcsv::Table table = bookcsv::parse(read.bytes);
    loaded.rows = std::move(table.rows);
    loaded.lines = std::move(table.lines);
    return loaded;
}

std::optional<qsizetype> rowWithHeading(const QList<QStringList>& rows, const QStringList& key) {
    for (qsizetype i = 0; i < std::min(rows.size(), headingSearchRows); ++i)
        if (headingKey(rows.at(i)) == key)
            return i;
    return std::nullopt;
}

} // namespace

QString file() {
    return paths::dataFolder() + QStringLiteral("取込の列.txt");
}

bool holdsFigures(const QList<QStringList>& rows, Kind kind, const ColumnChoice& choice) {
    if (choice.headingRow < 0 || choice.headingRow >= rows.size() || choice.nameColumn < 0)
        return false;
    const QList<int> amountColumns =
        kind == Kind::Balances ? QList<int>{choice.balanceColumn} : choice.monthColumns.keys();
    if (amountColumns.isEmpty() || amountColumns.contains(-1) ||
        amountColumns.contains(choice.nameColumn))
        return false;
    const qsizetype end = std::min(rows.size(), choice.headingRow + 1 + sampleRows);
    const auto isFigure = [](const QString& text) {
        return bookfigures::figure(text).kind == bookfigures::Figure::Kind::Read;
    };
    int names = 0;
    for (qsizetype r = choice.headingRow + 1; r < end; ++r) {
        const QString name = rows.at(r).value(choice.nameColumn).trimmed();
        names += !name.isEmpty() && !isFigure(name) ? 1 : 0;
    }
    if (names == 0)
        return false;
    for (const int column : amountColumns) {
        int figures = 0;
        int words = 0;
        for (qsizetype r = choice.headingRow + 1; r < end; ++r) {
            const QString text = rows.at(r).value(column).trimmed();
            if (!text.isEmpty())
                (isFigure(text) ? figures : words)++;
        }
        if (figures == 0 || figures < words)
            return false;
    }
    return true;
}

Lookup find(const QList<QStringList>& rows, Kind kind) {
    Lookup lookup;
    const Loaded loaded = load();
    if (!loaded.unusable.isEmpty()) {
        lookup.notes.append(
            QStringLiteral("%1は使いませんでした。%2").arg(file(), loaded.unusable));
        return lookup;
    }
    for (qsizetype i = 0; i < loaded.rows.size(); ++i) {
        const QStringList& cells = loaded.rows.at(i);
        if (cells.value(0).trimmed().startsWith(QLatin1Char('#')))
            continue;
        const std::optional<Entry> entry = entryOf(cells);
        if (!entry) {
            lookup.notes.append(QStringLiteral("%1の%2行目は読めないため使いませんでした。")
                                    .arg(file())
                                    .arg(loaded.lines.value(i, i + 1)));
            continue;
        }
        if (entry->kind != kind || lookup.fits)
            continue;
        const QStringList& at = rows.value(entry->choice.headingRow);
        const std::optional<qsizetype> found = headingKey(at) == entry->heading
                                                   ? std::optional(entry->choice.headingRow)
                                                   : rowWithHeading(rows, entry->heading);
        if (!found)
            continue;
        ColumnChoice choice = entry->choice;
        const bool inPlace = *found == choice.headingRow;
        choice.headingRow = *found;
        const bool fits = inPlace && holdsFigures(rows, kind, choice);
        if (!lookup.remembered || fits) {
            lookup.remembered = choice;
            lookup.fits = fits;
        }
    }
    return lookup;
}

Status remember(const QList<QStringList>& rows, Kind kind, const ColumnChoice& choice) {
    if (const QString why = tooLarge(); !why.isEmpty())
        return Status::failure(QStringLiteral("%1は%2そのままにしてあります。").arg(file(), why));
    const Entry entry{kind, choice, headingKey(rows.value(choice.headingRow))};
    // Read again now: someone else may have kept a choice meanwhile.
    const Loaded loaded = load();
    QList<QStringList> kept;
    for (const QStringList& cells : loaded.rows) {
        const std::optional<Entry> e = entryOf(cells);
        if (!e || e->kind != kind || e->heading != entry.heading)
            kept.append(cells);
    }
    if (kept.isEmpty())
        kept.append(QStringList{comment});
    kept.append(entryCells(entry));
    QString text;
    for (const QStringList& cells : kept)
        text += csvLine(cells) + QStringLiteral("\r\n");
    const std::optional<QByteArray> bytes = cp932::encode(cp932::toCodePageForms(text));
    if (!bytes)
        return Status::failure(
            QStringLiteral("見出しにShift_JISで書けない文字（%1）があるため、%2に書けません。")
                .arg(cp932::firstUnencodable(cp932::toCodePageForms(text)), file()));
    return FileChannel::instance().write(file(), *bytes);
}

} // namespace gaikyo::columnmemory
