#include "screen/eralabel.h"
#include "printing/printscreen.h"
#include "registry/companypaths.h"
#include "screen/application.h"
#include "shell/mainmenu.h"
#include "shell/screens.h"
#include "support/testprogram.h"

#include <QTest>

using namespace gaikyo;

class EraLabelTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void label_data() {
        QTest::addColumn<QString>("year");
        QTest::addColumn<QString>("month");
        QTest::addColumn<QString>("label");
        // 令和 began on 1 May 2019: January to April of 平成31 are still 平成.
        QTest::newRow("平成31, month 1") << "31"
                                         << "1"
                                         << "平成31年 / 2019年";
        QTest::newRow("平成31, month 4") << "31"
                                         << "4"
                                         << "平成31年 / 2019年";
        QTest::newRow("平成31, month 5") << "31"
                                         << "5"
                                         << "令和元年 / 2019年";
        QTest::newRow("平成31, month 12") << "31"
                                          << "12"
                                          << "令和元年 / 2019年";
        QTest::newRow("平成31, month with spaces") << "31"
                                                   << " 4 "
                                                   << "平成31年 / 2019年";
        QTest::newRow("平成31, month 0") << "31"
                                         << "0"
                                         << "令和元年 / 2019年";
        QTest::newRow("平成31, month 13") << "31"
                                          << "13"
                                          << "令和元年 / 2019年";
        QTest::newRow("平成32, month 4") << "32"
                                         << "4"
                                         << "令和2年 / 2020年";
        QTest::newRow("平成30, month 5") << "30"
                                         << "5"
                                         << "2018年";
        QTest::newRow("平成1") << "1"
                               << ""
                               << "1989年";
        QTest::newRow("平成30") << "30"
                                << ""
                                << "2018年";
        QTest::newRow("平成31 without a month") << "31"
                                                << ""
                                                << "令和元年 / 2019年";
        QTest::newRow("平成32") << "32"
                                << ""
                                << "令和2年 / 2020年";
        QTest::newRow("平成38") << "38"
                                << ""
                                << "令和8年 / 2026年";
        QTest::newRow("spaces") << " 38 "
                                << ""
                                << "令和8年 / 2026年";
        QTest::newRow("empty") << ""
                               << ""
                               << "";
        QTest::newRow("one space") << " "
                                   << ""
                                   << "";
        QTest::newRow("letters") << "abc"
                                 << ""
                                 << "";
        QTest::newRow("zero") << "0"
                              << ""
                              << "";
        QTest::newRow("negative") << "-3"
                                  << ""
                                  << "";
    }
    void label() {
        QFETCH(QString, year);
        QFETCH(QString, month);
        QFETCH(QString, label);
        QCOMPARE(eraLabel(year, month), label);
    }

    // The labels follow the year boxes of every screen that has them; nothing stored changes.
    void screensShowTheLabels_data() {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<QString>("prefix");
        QTest::newRow("main menu") << screens::mainMenu << "自 ";
        QTest::newRow("registration") << screens::registration << "自 ";
        QTest::newRow("print") << screens::print << "自 ";
    }
    void screensShowTheLabels() {
        QFETCH(QString, screen);
        QFETCH(QString, prefix);
        test::TestProgram program;
        Screen* s = program.app.screen(screen);
        QCOMPARE(s->text(QStringLiteral("EraLabel1")), QString());
        // A new date's year is typed in 令和.
        s->typeText(QStringLiteral("Text13"), QStringLiteral("8"));
        QCOMPARE(s->text(QStringLiteral("EraLabel1")), prefix + QStringLiteral("令和8年 / 2026年"));
        // 平成31 follows the month box beside it, whichever of the two is typed last.
        s->typeText(QStringLiteral("Text17"), QStringLiteral("H31"));
        s->typeText(QStringLiteral("Text18"), QStringLiteral("4"));
        QCOMPARE(s->text(QStringLiteral("EraLabel2")), QStringLiteral("至 平成31年 / 2019年"));
        // 平成31年5月 never was: no label until the year is typed as 令和元年.
        s->typeText(QStringLiteral("Text18"), QStringLiteral("5"));
        QCOMPARE(s->text(QStringLiteral("EraLabel2")), QString());
        s->typeText(QStringLiteral("Text17"), QStringLiteral("R1"));
        QCOMPARE(s->text(QStringLiteral("EraLabel2")), QStringLiteral("至 令和元年 / 2019年"));
        s->typeText(QStringLiteral("Text14"), QStringLiteral("4"));
        s->typeText(QStringLiteral("Text13"), QStringLiteral("H31"));
        QCOMPARE(s->text(QStringLiteral("EraLabel1")),
                 prefix + QStringLiteral("平成31年 / 2019年"));
        s->typeText(QStringLiteral("Text13"), QStringLiteral("x"));
        QCOMPARE(s->text(QStringLiteral("EraLabel1")), QString());
        QCOMPARE(s->text(QStringLiteral("Text13")), QStringLiteral("x"));
    }
};

QTEST_MAIN(EraLabelTest)
#include "eralabeltest.moc"
