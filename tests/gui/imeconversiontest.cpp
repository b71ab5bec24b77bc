// Windows only: a box's input mode reaches the input method through imm32 when the box
// gets the focus (open in hiragana or full-width katakana, closed for "off"). It runs on
// Qt's Windows platform, which gives the boxes real windows with input contexts.
#include "gui/inputmodes.h"

#include <QApplication>
#include <QFocusEvent>
#include <QLineEdit>
#include <QTest>
#include <QWidget>

// clang-format off
#include <windows.h>
#include <imm.h>
// clang-format on

using namespace gaikyo;

namespace {

struct ImeState {
    bool open = false;
    DWORD conversion = 0;
};

ImeState stateOf(QWidget* widget) {
    const HWND window = reinterpret_cast<HWND>(widget->window()->winId());
    ImeState state;
    const HIMC context = ImmGetContext(window);
    if (!context)
        return state;
    DWORD sentence = 0;
    state.open = ImmGetOpenStatus(context);
    ImmGetConversionStatus(context, &state.conversion, &sentence);
    ImmReleaseContext(window, context);
    return state;
}

} // namespace

class ImeConversionTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void conversionModeOnFocus_data() {
        QTest::addColumn<int>("mode");
        QTest::addColumn<bool>("open");
        QTest::addColumn<int>("conversion");
        QTest::newRow("hiragana") << int(InputMode::Hiragana) << true
                                  << int(IME_CMODE_NATIVE | IME_CMODE_FULLSHAPE);
        QTest::newRow("full-width katakana")
            << int(InputMode::FullWidthKatakana) << true
            << int(IME_CMODE_NATIVE | IME_CMODE_FULLSHAPE | IME_CMODE_KATAKANA);
        QTest::newRow("off") << int(InputMode::Off) << false << -1;
    }
    void conversionModeOnFocus() {
        QFETCH(int, mode);
        QFETCH(bool, open);
        QFETCH(int, conversion);
        QWidget window;
        auto* other = new QLineEdit(&window);
        auto* edit = new QLineEdit(&window);
        edit->move(0, 40);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QVERIFY2(ImmGetContext(reinterpret_cast<HWND>(window.winId())),
                 "no input context: imm32 is not there");
        inputmodes::apply(edit, InputMode(mode));
        // The state the user left: the input method the other way round.
        inputmodes::apply(other, open ? InputMode::Off : InputMode::Hiragana);
        QFocusEvent away(QEvent::FocusIn, Qt::TabFocusReason);
        QCoreApplication::sendEvent(other, &away);
        QCOMPARE(stateOf(edit).open, !open);

        QFocusEvent focus(QEvent::FocusIn, Qt::TabFocusReason);
        QCoreApplication::sendEvent(edit, &focus);
        const ImeState state = stateOf(edit);
        QCOMPARE(state.open, open);
        if (conversion >= 0)
            QCOMPARE(int(state.conversion), conversion);
    }
};

int main(int argc, char** argv) {
    // The Windows platform, not the offscreen one of the other tests.
    qputenv("QT_QPA_PLATFORM", "windows");
    QApplication app(argc, argv);
    ImeConversionTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "imeconversiontest.moc"
