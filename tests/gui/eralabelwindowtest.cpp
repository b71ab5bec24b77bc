#include "screen/fonts.h"
#include "shell/screens.h"
#include "support/windowed.h"

#include <QLabel>
#include <QTest>

using namespace gaikyo;

// The era labels on the windows: every label the year boxes can produce is shown whole,
// on one line, inside its window.
class EraLabelWindowTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { fonts::installSubstitutes(); }

    void labelsFit_data() {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<QString>("year");
        QTest::addColumn<QString>("month");
        QTest::addColumn<QString>("era"); // what the end label shows after "至 "
        for (const QString& screen : {screens::mainMenu, screens::registration, screens::print}) {
            const QByteArray name = screen.toLatin1();
            QTest::newRow(name + " 平成31 April") << screen << "H31"
                                                  << "4"
                                                  << "平成31年 / 2019年";
            QTest::newRow(name + " 令和元 May") << screen << "R1"
                                                << "5"
                                                << "令和元年 / 2019年";
            QTest::newRow(name + " 令和81") << screen << "81"
                                            << "12"
                                            << "令和81年 / 2099年";
        }
    }
    void labelsFit() {
        QFETCH(QString, screen);
        QFETCH(QString, year);
        QFETCH(QString, month);
        QFETCH(QString, era);
        test::Windowed<> program;
        Screen* s = program.app.screen(screen);
        s->show();
        for (const char* box : {"Text13", "Text17"})
            s->typeText(QString::fromLatin1(box), year);
        for (const char* box : {"Text14", "Text18"})
            s->typeText(QString::fromLatin1(box), month);

        ScreenWindow* window = program.window(screen);
        QVERIFY(window);
        for (const char* name : {"EraLabel1", "EraLabel2"}) {
            auto* label = window->findChild<QLabel*>(QString::fromLatin1(name));
            QVERIFY(label);
            QVERIFY2(label->text().endsWith(era), qPrintable(label->text()));
            const int needed = label->fontMetrics().horizontalAdvance(label->text());
            QVERIFY2(needed <= label->contentsRect().width(),
                     qPrintable(QStringLiteral("%1: %2 px for %3 px")
                                    .arg(QString::fromLatin1(name))
                                    .arg(needed)
                                    .arg(label->contentsRect().width())));
            QVERIFY(window->rect().contains(label->geometry()));
        }
    }
};

QTEST_MAIN(EraLabelWindowTest)
#include "eralabelwindowtest.moc"
