#pragma once

#include <QHash>
#include <QPointer>
#include <QWidget>

namespace gaikyo {

class Screen;
struct Control;

// One window for any screen: it builds a widget for each control of the screen's
// table (the widget's object name is the control's name) and keeps texts, lists and
// clicks in step with the screen both ways.
class ScreenWindow : public QWidget {
    Q_OBJECT
public:
    explicit ScreenWindow(Screen& screen);

    Screen& screen() const { return m_screen; }
    // Pixels at 96 dots per inch for a length in the screen's unit.
    int toPixels(int length) const;
    QRect toPixels(QRect rect) const;

protected:
    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // A stop of the Tab key: the screen's place for it, or -1 for none.
    struct FocusStop {
        int tabIndex;
        QWidget* widget;
    };

    void build();
    QWidget* makeWidget(const Control& c, QWidget* parent);
    QWidget* makeTextBox(const Control& c, QWidget* parent);
    QWidget* makeButton(const Control& c, QWidget* parent);
    QWidget* makeLabel(const Control& c, QWidget* parent);
    QWidget* makeListBox(const Control& c, QWidget* parent);
    static QWidget* makeLine(const Control& c, QWidget* parent);
    void place(QWidget* widget, const Control& c) const;
    static void applyColours(QWidget* widget, const Control& c);
    void setFocusOrder(const QList<FocusStop>& stops);
    bool enterPressed(QObject* watched, QKeyEvent* key);
    void keepCaptionsUnderControls();
    QFont controlFont(const Control& c) const;
    void showText(const QString& name);
    void showItems(const QString& name);
    void showSelection(const QString& name);

    Screen& m_screen;
    QHash<QString, QPointer<QWidget>> m_widgets;
    QHash<QString, int> m_rowAtPress; // list name → its selected row when last pressed
    bool m_showing = false;           // a box is taking the screen's own text
};

} // namespace gaikyo
