#include "datafile/erayear.h"

#include <QTest>

using namespace gaikyo;
using erayear::Era;
using Kind = erayear::Typed::Kind;

Q_DECLARE_METATYPE(erayear::Era)
Q_DECLARE_METATYPE(erayear::Typed::Kind)

class EraYearTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // From the files' years to the era of the date, and back.
    void stored_data() {
        QTest::addColumn<int>("stored");
        QTest::addColumn<int>("month");
        QTest::addColumn<Era>("era");
        QTest::addColumn<int>("year");
        QTest::addColumn<QString>("shown");
        QTest::newRow("平成15年4月") << 15 << 4 << Era::Heisei << 15 << u"平成15年"_qs;
        QTest::newRow("平成元年") << 1 << 4 << Era::Heisei << 1 << u"平成元年"_qs;
        QTest::newRow("平成30年12月") << 30 << 12 << Era::Heisei << 30 << u"平成30年"_qs;
        // The boundary: 平成31年4月30日, then 令和元年5月1日.
        QTest::newRow("平成31年1月") << 31 << 1 << Era::Heisei << 31 << u"平成31年"_qs;
        QTest::newRow("平成31年4月") << 31 << 4 << Era::Heisei << 31 << u"平成31年"_qs;
        QTest::newRow("令和元年5月") << 31 << 5 << Era::Reiwa << 1 << u"令和元年"_qs;
        QTest::newRow("令和元年12月") << 31 << 12 << Era::Reiwa << 1 << u"令和元年"_qs;
        QTest::newRow("2019 without a month") << 31 << 0 << Era::Reiwa << 1 << u"令和元年"_qs;
        QTest::newRow("令和2年3月") << 32 << 3 << Era::Reiwa << 2 << u"令和2年"_qs;
        QTest::newRow("令和7年4月") << 37 << 4 << Era::Reiwa << 7 << u"令和7年"_qs;
        QTest::newRow("令和8年3月") << 38 << 3 << Era::Reiwa << 8 << u"令和8年"_qs;
    }
    void stored() {
        QFETCH(int, stored);
        QFETCH(int, month);
        QFETCH(Era, era);
        QFETCH(int, year);
        QFETCH(QString, shown);
        QCOMPARE(erayear::eraOf(stored, month), era);
        const erayear::EraYear inEra = erayear::fromStored(stored, month);
        QCOMPARE(inEra, (erayear::EraYear{era, year}));
        QCOMPARE(erayear::toStored(inEra), std::optional<qint32>(stored));
        QCOMPARE(erayear::shownYear(stored, month), shown);
    }

    void shownDate() {
        QCOMPARE(erayear::shownDate(31, 4, 30), u"平成31年4月30日"_qs);
        QCOMPARE(erayear::shownDate(31, 5, 1), u"令和元年5月1日"_qs);
        QCOMPARE(erayear::shownDate(37, 4, 1), u"令和7年4月1日"_qs);
    }

    // Typed years, in the era chosen beside the box or in the one they name.
    void typed_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<Era>("chosen");
        QTest::addColumn<int>("month"); // 0: not known
        QTest::addColumn<Kind>("kind");
        QTest::addColumn<int>("stored");               // where kind is Year
        QTest::addColumn<QStringList>("problemNames"); // both readings, where refused
        const QStringList none;
        QTest::newRow("7 in 令和") << u"7"_qs << Era::Reiwa << 4 << Kind::Year << 37 << none;
        QTest::newRow("７ full width") << u"７"_qs << Era::Reiwa << 4 << Kind::Year << 37 << none;
        QTest::newRow("7 in 平成") << u"7"_qs << Era::Heisei << 4 << Kind::Year << 7 << none;
        QTest::newRow("37 in 平成, as before")
            << u"37"_qs << Era::Heisei << 0 << Kind::NotInEra << 0
            << QStringList{u"平成37年"_qs, u"令和7年"_qs, u"R7"_qs};
        QTest::newRow("R7 in 平成") << u"R7"_qs << Era::Heisei << 4 << Kind::Year << 37 << none;
        QTest::newRow("r7") << u"r7"_qs << Era::Heisei << 4 << Kind::Year << 37 << none;
        QTest::newRow("Ｒ７") << u"Ｒ７"_qs << Era::Heisei << 4 << Kind::Year << 37 << none;
        QTest::newRow("ｒ７") << u"ｒ７"_qs << Era::Heisei << 4 << Kind::Year << 37 << none;
        QTest::newRow("令和7") << u"令和7"_qs << Era::Heisei << 4 << Kind::Year << 37 << none;
        QTest::newRow("令和７年") << u"令和７年"_qs << Era::Heisei << 4 << Kind::Year << 37 << none;
        QTest::newRow("R 8 with a space")
            << u"R 8"_qs << Era::Heisei << 3 << Kind::Year << 38 << none;
        QTest::newRow("令和元, May")
            << u"令和元"_qs << Era::Heisei << 5 << Kind::Year << 31 << none;
        QTest::newRow("元 in 令和") << u"元"_qs << Era::Reiwa << 12 << Kind::Year << 31 << none;
        QTest::newRow("1 in 令和, month unknown")
            << u"1"_qs << Era::Reiwa << 0 << Kind::Year << 31 << none;
        QTest::newRow("H31 in 令和, April")
            << u"H31"_qs << Era::Reiwa << 4 << Kind::Year << 31 << none;
        QTest::newRow("平成31, April")
            << u"平成31"_qs << Era::Reiwa << 4 << Kind::Year << 31 << none;
        QTest::newRow("Ｈ３１") << u"Ｈ３１"_qs << Era::Reiwa << 1 << Kind::Year << 31 << none;
        QTest::newRow("平成元") << u"平成元"_qs << Era::Reiwa << 4 << Kind::Year << 1 << none;
        QTest::newRow("37 in 令和 is 2055")
            << u"37"_qs << Era::Reiwa << 4 << Kind::Year << 67 << none;
        // Dates that the chosen era does not have: both readings are named.
        QTest::newRow("平成31年5月") << u"H31"_qs << Era::Reiwa << 5 << Kind::NotInEra << 0
                                     << QStringList{u"平成31年5月"_qs, u"令和元年5月"_qs, u"R1"_qs};
        QTest::newRow("令和元年4月")
            << u"1"_qs << Era::Reiwa << 4 << Kind::NotInEra << 0
            << QStringList{u"令和元年4月"_qs, u"平成31年4月"_qs, u"H31"_qs};
        QTest::newRow("令和元 in January")
            << u"令和元"_qs << Era::Heisei << 1 << Kind::NotInEra << 0
            << QStringList{u"令和元年1月"_qs, u"平成31年1月"_qs};
        QTest::newRow("R0") << u"R0"_qs << Era::Reiwa << 4 << Kind::NotInEra << 0
                            << QStringList{u"令和0年"_qs, u"平成30年4月"_qs, u"2018年"_qs};
        QTest::newRow("平成32") << u"32"_qs << Era::Heisei << 3 << Kind::NotInEra << 0
                                << QStringList{u"平成32年3月"_qs, u"令和2年3月"_qs, u"2020年"_qs};
        QTest::newRow("平成0") << u"0"_qs << Era::Heisei << 4 << Kind::NotInEra << 0
                               << QStringList{u"平成0年4月"_qs};
        QTest::newRow("令和 too large") << u"2147483647"_qs << Era::Reiwa << 4 << Kind::NotInEra
                                        << 0 << QStringList{u"令和2147483647年"_qs};
        // No year at all: the text says why, and suggests no other era.
        QTest::newRow("full-width minus")
            << u"－７"_qs << Era::Reiwa << 4 << Kind::NotInEra << 0 << QStringList{u"マイナス"_qs};
        QTest::newRow("minus in 平成")
            << u"-7"_qs << Era::Heisei << 4 << Kind::NotInEra << 0 << QStringList{u"マイナス"_qs};
        QTest::newRow("a fraction") << u"7.5"_qs << Era::Reiwa << 4 << Kind::NotInEra << 0
                                    << QStringList{u"整数"_qs, u"7.5"_qs};
        QTest::newRow("R7.5") << u"R7.5"_qs << Era::Heisei << 4 << Kind::NotInEra << 0
                              << QStringList{u"整数"_qs};
        QTest::newRow("7.0 is 7") << u"7.0"_qs << Era::Reiwa << 4 << Kind::Year << 37 << none;
        // Nothing that reads as a year.
        QTest::newRow("empty") << QString() << Era::Reiwa << 4 << Kind::NotANumber << 0 << none;
        QTest::newRow("R alone") << u"R"_qs << Era::Heisei << 4 << Kind::NotANumber << 0 << none;
        QTest::newRow("letters") << u"abc"_qs << Era::Reiwa << 4 << Kind::NotANumber << 0 << none;
        QTest::newRow("昭和") << u"昭和50"_qs << Era::Reiwa << 4 << Kind::NotANumber << 0 << none;
    }
    void typed() {
        QFETCH(QString, text);
        QFETCH(Era, chosen);
        QFETCH(int, month);
        QFETCH(Kind, kind);
        QFETCH(int, stored);
        QFETCH(QStringList, problemNames);
        const erayear::Typed typed =
            erayear::parse(text, chosen, month ? std::optional<qint32>(month) : std::nullopt);
        QCOMPARE(typed.kind, kind);
        if (kind == Kind::Year) {
            QCOMPARE(typed.storedYear, std::optional<qint32>(stored));
            QVERIFY(typed.problem.isEmpty());
        } else {
            QVERIFY(!typed.storedYear);
        }
        QCOMPARE(typed.problem.isEmpty(), kind != Kind::NotInEra);
        for (const QString& name : problemNames)
            QVERIFY2(typed.problem.contains(name), qPrintable(typed.problem));
        // A year below zero is no year of the other era either: no suggestion of one.
        if (typed.problem.contains(u"マイナス"_qs))
            QVERIFY2(!typed.problem.contains(u"平成2"_qs) && !typed.problem.contains(u"H"_qs),
                     qPrintable(typed.problem));
    }

    // The era a caption names: its last era word, as the user typed it after the old one.
    void lastNamed_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("era"); // -1: none
        QTest::newRow("自令和") << u"自令和"_qs << int(Era::Reiwa);
        QTest::newRow("至平成") << u"至平成"_qs << int(Era::Heisei);
        QTest::newRow("h typed after 令和") << u"自令和h"_qs << int(Era::Heisei);
        QTest::newRow("Ｒ typed alone") << u"Ｒ"_qs << int(Era::Reiwa);
        QTest::newRow("れいわ") << u"れいわ"_qs << int(Era::Reiwa);
        QTest::newRow("word taken away") << u"自"_qs << -1;
        QTest::newRow("a digit") << u"7"_qs << -1;
    }
    void lastNamed() {
        QFETCH(QString, text);
        QFETCH(int, era);
        const std::optional<Era> named = erayear::lastNamed(text);
        QCOMPARE(named ? int(*named) : -1, era);
    }
};

QTEST_APPLESS_MAIN(EraYearTest)
#include "erayeartest.moc"
