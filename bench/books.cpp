#include "books.h"

#include "books/accountmapping.h"
#include "books/bookcsv.h"
#include "books/bookplan.h"
#include "books/bookstructure.h"
#include "books/booktable.h"
#include "datafile/cp932.h"
#include "measure.h"

#include <QFile>
#include <QLocale>

namespace gaikyo::bench {

namespace {

constexpr int runs = 5;

QString cell(int row, int column) {
    return QStringLiteral("Text%1").arg((column - 1) * 14 + row);
}

// A monthly table as an accounting program exports it: a title, the unit, the heading,
// then accounts with their sub-accounts (補助科目) and a total each, up to the size.
QByteArray monthlyExport(qint64 size, bool heading) {
    QString text = QStringLiteral("月次推移表\r\n株式会社ベンチ商事,令和7年4月1日～令和8年3月31日,"
                                  "（単位：円）\r\n");
    if (heading)
        text += QStringLiteral("勘定科目,補助科目,4月,5月,6月,7月,8月,9月,10月,11月,12月,1月,2月,"
                               "3月,決算整理,合計\r\n");
    const QStringList accounts{QStringLiteral("売上高"), QStringLiteral("仕入高"),
                               QStringLiteral("外注費"), QStringLiteral("給料手当"),
                               QStringLiteral("雑費")};
    QByteArray bytes;
    int n = 0;
    while (true) {
        const QString account = accounts.at((n / 1000) % accounts.size());
        QString line = account + QStringLiteral(",得意先%1").arg(n, 5, 10, QLatin1Char('0'));
        qint64 total = 0;
        for (int month = 1; month <= 12; ++month) {
            const qint64 yen = 100000 + (n * 37 + month * 11) % 900000;
            total += yen;
            line += QStringLiteral(",\"%1\"").arg(QLocale(QLocale::English).toString(yen));
        }
        line += QStringLiteral(",0,\"%1\"\r\n").arg(QLocale(QLocale::English).toString(total));
        text += line;
        ++n;
        if (n % 1000 == 0 && text.size() * 2 > size)
            break;
    }
    bytes = *cp932::encode(text);
    return bytes.left(size);
}

struct Timing {
    double readMs = 0; // file to rows to accounts
    double planMs = 0; // structure and plan
    qsizetype rows = 0;
    QString error;
};

Timing importOnce(const QString& path) {
    Timing t;
    const qint64 started = monotonicNs();
    const bookcsv::Table csv = bookcsv::readFile(path, [](qint64, qint64) { return true; });
    const booktable::Book book = booktable::read(csv.rows, booktable::Kind::Months, csv.lines,
                                                 [](qint64, qint64) { return true; });
    t.readMs = (monotonicNs() - started) / 1e6;
    t.rows = book.rows.size();
    t.error = csv.error.isEmpty() ? book.error : csv.error;
    if (!t.error.isEmpty())
        return t;
    const qint64 planStarted = monotonicNs();
    const AccountMapping mapping = AccountMapping::builtIn(AccountMapping::Kind::MonthlyTable);
    const bookstructure::Structure structure = bookstructure::analyse(
        book, [&mapping](const QString& key) { return mapping.knows(key); });
    const bookplan::Plan plan = bookplan::monthlyTable(
        book, structure, mapping, {4, 5, 6, 7, 8, 9, 10, 11, 12, 1, 2, 3}, &cell);
    t.planMs = (monotonicNs() - planStarted) / 1e6;
    if (plan.fills.isEmpty())
        t.error = QStringLiteral("nothing to fill");
    return t;
}

} // namespace

QStringList measureBooks(const QString& folder) {
    QStringList lines;
    const qint64 size = bookcsv::maxBytes - 1024;
    for (const bool heading : {true, false}) {
        const QString path =
            folder + (heading ? QStringLiteral("/books.csv") : QStringLiteral("/noheading.csv"));
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(monthlyExport(size, heading)) < 0)
            return {QStringLiteral("cannot write %1").arg(path)};
        file.close();
        QList<double> read;
        QList<double> plan;
        Timing last;
        for (int run = 0; run < runs; ++run) {
            last = importOnce(path);
            read.append(last.readMs);
            plan.append(last.planMs);
        }
        const double readMedian = median(read);
        if (heading)
            lines.append(QStringLiteral("(6) a %1 MB monthly table export (%2 rows): read in %3 ms "
                                        "(target ≤ 1000 ms: %4), accounts placed and boxes planned "
                                        "in %5 ms more%6  [median of %7]")
                             .arg(size / 1048576.0, 0, 'f', 1)
                             .arg(last.rows)
                             .arg(readMedian, 0, 'f', 0)
                             .arg(readMedian <= 1000 ? QStringLiteral("target met")
                                                     : QStringLiteral("TARGET MISSED"))
                             .arg(median(plan), 0, 'f', 0)
                             .arg(last.error.isEmpty() ? QString()
                                                       : QStringLiteral(" (%1)").arg(last.error))
                             .arg(runs));
        else
            lines.append(QStringLiteral("(7) the same size with no heading row: its message after "
                                        "%1 ms (target ≤ 1000 ms: %2)  [median of %3]")
                             .arg(readMedian, 0, 'f', 0)
                             .arg(readMedian <= 1000 && !last.error.isEmpty()
                                      ? QStringLiteral("target met")
                                      : QStringLiteral("TARGET MISSED"))
                             .arg(runs));
    }
    return lines;
}

} // namespace gaikyo::bench
