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

enum class Shape { TrialBalance, MonthlyTable, NoHeading };

// An export as an accounting program writes it: a title, the unit, the heading, then
// accounts with their sub-accounts (補助科目), up to the size. The trial balance is long
// (many short rows), the monthly table wide.
QByteArray books(qint64 size, Shape shape) {
    QString text =
        QStringLiteral("株式会社ベンチ商事,令和7年4月1日～令和8年3月31日,（単位：円）\r\n");
    if (shape == Shape::TrialBalance)
        text +=
            QStringLiteral("科目コード,勘定科目,補助科目,前期繰越,借方金額,貸方金額,期末残高\r\n");
    else if (shape == Shape::MonthlyTable)
        text += QStringLiteral("勘定科目,補助科目,4月,5月,6月,7月,8月,9月,10月,11月,12月,1月,2月,"
                               "3月,決算整理,合計\r\n");
    const QStringList accounts{QStringLiteral("売上高"), QStringLiteral("仕入高"),
                               QStringLiteral("外注費"), QStringLiteral("給料手当"),
                               QStringLiteral("雑費")};
    for (int n = 0; text.size() < size; ++n) {
        const QString account = accounts.at((n / 1000) % accounts.size());
        QString line = account + QStringLiteral(",得意先%1").arg(n, 5, 10, QLatin1Char('0'));
        if (shape == Shape::TrialBalance) {
            const qint64 yen = 100000 + (n * 37) % 900000;
            line = QStringLiteral("%1,").arg(4000 + n / 1000) + line +
                   QStringLiteral(",0,%1,0,%1").arg(yen);
        } else {
            qint64 total = 0;
            for (int month = 1; month <= 12; ++month) {
                const qint64 yen = 100000 + (n * 37 + month * 11) % 900000;
                total += yen;
                line += QStringLiteral(",%1").arg(yen);
            }
            line += QStringLiteral(",0,%1").arg(total);
        }
        text += line + QStringLiteral("\r\n");
    }
    QByteArray bytes = *cp932::encode(text);
    // Whole lines only.
    bytes.truncate(bytes.lastIndexOf('\n', size) + 1);
    return bytes;
}

struct Timing {
    double readMs = 0; // file to rows to accounts
    double planMs = 0; // structure and plan
    qsizetype rows = 0;
    QString error;
};

Timing importOnce(const QString& path, booktable::Kind kind) {
    Timing t;
    const qint64 started = monotonicNs();
    const bookcsv::Table csv = bookcsv::readFile(path, [](qint64, qint64) { return true; });
    const booktable::Book book =
        booktable::read(csv.rows, kind, csv.lines, [](qint64, qint64) { return true; });
    t.readMs = (monotonicNs() - started) / 1e6;
    t.rows = book.rows.size();
    t.error = csv.error.isEmpty() ? book.error : csv.error;
    if (!t.error.isEmpty())
        return t;
    const qint64 planStarted = monotonicNs();
    const bool months = kind == booktable::Kind::Months;
    const AccountMapping mapping = AccountMapping::builtIn(
        months ? AccountMapping::Kind::MonthlyTable : AccountMapping::Kind::TrialBalance);
    const bookstructure::Structure structure =
        bookstructure::analyse(book, [&mapping](const QString& key) { return mapping.knows(key); });
    const bookplan::Plan plan =
        months ? bookplan::monthlyTable(book, structure, mapping,
                                        {4, 5, 6, 7, 8, 9, 10, 11, 12, 1, 2, 3})
               : bookplan::trialBalance(book, structure, mapping);
    t.planMs = (monotonicNs() - planStarted) / 1e6;
    if (plan.fills.isEmpty())
        t.error = QStringLiteral("nothing to fill");
    return t;
}

} // namespace

QStringList measureBooks(const QString& folder) {
    QStringList lines;
    const qint64 size = bookcsv::maxBytes;
    const struct {
        Shape shape;
        const char* name;
        const char* what;
    } cases[] = {
        {Shape::TrialBalance, "trialbalance.csv", "(6) a %1 MB trial balance export (%2 rows)"},
        {Shape::MonthlyTable, "monthly.csv", "(7) a %1 MB monthly table export (%2 rows)"},
        {Shape::NoHeading, "noheading.csv", "(8) a %1 MB export with no heading row"},
    };
    for (const auto& c : cases) {
        const QString path = folder + QLatin1Char('/') + QLatin1String(c.name);
        QFile file(path);
        const QByteArray bytes = books(size, c.shape);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            return {QStringLiteral("cannot write %1").arg(path)};
        file.close();
        const booktable::Kind kind =
            c.shape == Shape::TrialBalance ? booktable::Kind::Balances : booktable::Kind::Months;
        QList<double> read;
        QList<double> plan;
        Timing last;
        for (int run = 0; run < runs; ++run) {
            last = importOnce(path, kind);
            read.append(last.readMs);
            plan.append(last.planMs);
        }
        const double readMedian = median(read);
        const bool expected = (c.shape == Shape::NoHeading) != last.error.isEmpty();
        QString text = QString::fromUtf8(c.what).arg(bytes.size() / 1048576.0, 0, 'f', 1);
        if (c.shape != Shape::NoHeading)
            text = text.arg(last.rows);
        if (c.shape == Shape::NoHeading)
            text += QStringLiteral(": its message after %1 ms").arg(readMedian, 0, 'f', 0);
        else
            text += QStringLiteral(": read in %1 ms, accounts placed and boxes planned in %2 ms "
                                   "more")
                        .arg(readMedian, 0, 'f', 0)
                        .arg(median(plan), 0, 'f', 0);
        text +=
            QStringLiteral(" (target ≤ 1000 ms to read: %1)  [median of %2]")
                .arg(readMedian <= 1000 && expected ? QStringLiteral("target met")
                                                    : QStringLiteral("TARGET MISSED ") + last.error)
                .arg(runs);
        lines.append(text);
    }
    return lines;
}

} // namespace gaikyo::bench
