#include "inputmodes.h"

#include <QLineEdit>

#ifdef Q_OS_WIN
#include <QEvent>
#include <QObject>
// clang-format off
#include <windows.h>
#include <imm.h>
// clang-format on
#endif

namespace gaikyo::inputmodes {

namespace {

const char* propertyValue(InputMode mode) {
    switch (mode) {
    case InputMode::Hiragana:
        return "hiragana";
    case InputMode::FullWidthKatakana:
        return "fullwidth-katakana";
    case InputMode::Off:
        return "off";
    case InputMode::None:
        break;
    }
    return "";
}

#ifdef Q_OS_WIN
// Opens or closes the window's input method and picks hiragana or full-width katakana.
void setConversionMode(QWidget* widget, InputMode mode) {
    const HWND window = reinterpret_cast<HWND>(widget->window()->winId());
    const HIMC context = ImmGetContext(window);
    if (!context)
        return;
    if (mode == InputMode::Off) {
        ImmSetOpenStatus(context, FALSE);
    } else {
        ImmSetOpenStatus(context, TRUE);
        DWORD conversion = 0;
        DWORD sentence = 0;
        ImmGetConversionStatus(context, &conversion, &sentence);
        conversion = IME_CMODE_NATIVE | IME_CMODE_FULLSHAPE;
        if (mode == InputMode::FullWidthKatakana)
            conversion |= IME_CMODE_KATAKANA;
        ImmSetConversionStatus(context, conversion, sentence);
    }
    ImmReleaseContext(window, context);
}

class FocusWatcher : public QObject {
public:
    FocusWatcher(QLineEdit* edit, InputMode mode) : QObject(edit), m_mode(mode) {}
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::FocusIn)
            setConversionMode(static_cast<QWidget*>(watched), m_mode);
        return false;
    }

private:
    InputMode m_mode;
};
#endif

} // namespace

void apply(QLineEdit* edit, InputMode mode) {
    edit->setProperty("inputMode", QString::fromLatin1(propertyValue(mode)));
    switch (mode) {
    case InputMode::None:
        return; // the input method stays as the user left it
    case InputMode::Off:
        edit->setInputMethodHints(Qt::ImhLatinOnly | Qt::ImhNoPredictiveText);
        break;
    case InputMode::Hiragana:
    case InputMode::FullWidthKatakana:
        edit->setAttribute(Qt::WA_InputMethodEnabled, true);
        edit->setInputMethodHints(Qt::ImhNone);
        break;
    }
#ifdef Q_OS_WIN
    edit->installEventFilter(new FocusWatcher(edit, mode));
#endif
}

} // namespace gaikyo::inputmodes
