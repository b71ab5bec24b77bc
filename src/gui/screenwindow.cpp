#include "screenwindow.h"

#include "captionbutton.h"
#include "captionlabel.h"
#include "inputmodes.h"
#include "screen/fonts.h"
#include "screen/screen.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QStyleOptionFrame>

namespace gaikyo {

namespace {

// A box's character limit holds for what the user types and pastes; a longer text
// that the program puts in (a file written elsewhere) is shown and kept whole.
void allowLength(QLineEdit* edit, int limit, qsizetype length) {
    if (limit > 0)
        edit->setMaxLength(qMax(limit, int(length)));
}

// Screen readers and tests find a caption as one word, however it is wrapped.
QString accessibleCaption(const QString& caption) {
    QString name = caption;
    name.remove(QLatin1Char('\n'));
    return name;
}

// The width a line edit shows its text in: inside the frame and the edit's own margins.
int textRoom(const QLineEdit* edit) {
    QStyleOptionFrame option;
    option.initFrom(edit);
    option.rect = edit->rect();
    option.lineWidth = edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, edit);
    const QRect contents = edit->style()
                               ->subElementRect(QStyle::SE_LineEditContents, &option, edit)
                               .marginsRemoved(edit->textMargins());
    constexpr int editMargin = 2; // QLineEdit's own gap either side of the text
    return contents.width() - 2 * editMargin;
}

// A fixed text in a box (such as "mm移動" or a month of the monthly table) takes the
// control's font, made smaller until the text fits the box, each time the text changes.
void fitFixedText(QLineEdit* edit, QFont font) {
    const int room = textRoom(edit);
    while (font.pointSizeF() - 0.5 >= 6 &&
           QFontMetrics(font).horizontalAdvance(edit->text()) > room)
        font.setPointSizeF(font.pointSizeF() - 0.5);
    edit->setFont(font);
}

} // namespace

QFont ScreenWindow::controlFont(const Control& c) const {
    const FontSpec& base = m_screen.defaultFont();
    return fonts::font(c.font.family.isEmpty() ? base.family : c.font.family,
                       c.font.points > 0 ? c.font.points : base.points, c.font.bold);
}

ScreenWindow::ScreenWindow(Screen& screen) : m_screen(screen) {
    setObjectName(screen.objectName());
    setWindowTitle(screen.caption());
    setFixedSize(toPixels(QRect(QPoint(), screen.clientSize())).size());
    if (screen.background().isValid()) {
        QPalette p = palette();
        p.setColor(QPalette::Window, screen.background());
        setPalette(p);
        setAutoFillBackground(true);
    }
    const FontSpec& f = screen.defaultFont();
    setFont(fonts::font(f.family, f.points, f.bold));
    build();

    connect(&screen, &Screen::textChanged, this, &ScreenWindow::showText);
    connect(&screen, &Screen::itemsChanged, this, &ScreenWindow::showItems);
    connect(&screen, &Screen::selectionChanged, this, &ScreenWindow::showSelection);
    connect(&screen, &Screen::shown, this, [this] {
        show();
        // The offscreen platform of the tests has no window stacking.
        if (QGuiApplication::platformName() != QLatin1String("offscreen")) {
            raise();
            activateWindow();
        }
    });
    connect(&screen, &Screen::hidden, this, &QWidget::hide);
    connect(&screen, &Screen::visibilityChanged, this, [this](const QString& name) {
        if (QWidget* w = m_widgets.value(name))
            w->setVisible(m_screen.isVisible(name));
    });
    connect(&screen, &Screen::focusRequested, this, [this](const QString& name) {
        if (QWidget* w = m_widgets.value(name))
            w->setFocus(Qt::OtherFocusReason);
    });
}

int ScreenWindow::toPixels(int length) const {
    return m_screen.unit() == Screen::Unit::Twips ? (length * 96 + 720) / 1440 : length;
}

QRect ScreenWindow::toPixels(QRect rect) const {
    return QRect(toPixels(rect.left()), toPixels(rect.top()), toPixels(rect.width()),
                 toPixels(rect.height()));
}

void ScreenWindow::build() {
    QList<FocusStop> stops;
    for (const Control& c : m_screen.controls()) {
        QWidget* parent = this;
        if (!c.frame.isEmpty() && m_widgets.value(c.frame))
            parent = m_widgets.value(c.frame);
        QWidget* widget = makeWidget(c, parent);
        widget->setObjectName(c.name);
        place(widget, c);
        if (!c.font.family.isEmpty() || c.font.points > 0 || c.font.bold)
            widget->setFont(controlFont(c));
        applyColours(widget, c);
        widget->setVisible(c.visible);
        if (auto* edit = qobject_cast<QLineEdit*>(widget); edit && c.readOnly)
            fitFixedText(edit, controlFont(c));
        m_widgets.insert(c.name, widget);
        if (widget->focusPolicy() & Qt::TabFocus)
            stops.append({c.tabIndex, widget});
    }
    setFocusOrder(stops);
    keepCaptionsUnderControls();
}

QWidget* ScreenWindow::makeWidget(const Control& c, QWidget* parent) {
    switch (c.kind) {
    case ControlKind::TextBox:
        return makeTextBox(c, parent);
    case ControlKind::Button:
        return makeButton(c, parent);
    case ControlKind::Label:
        return makeLabel(c, parent);
    case ControlKind::ListBox:
        return makeListBox(c, parent);
    case ControlKind::Frame:
        return new QGroupBox(c.text, parent);
    case ControlKind::Picture:
        return new QLabel(parent);
    case ControlKind::Line:
        return makeLine(c, parent);
    }
    return nullptr;
}

QWidget* ScreenWindow::makeTextBox(const Control& c, QWidget* parent) {
    auto* edit = new QLineEdit(parent);
    allowLength(edit, c.maxLength, c.text.size());
    edit->setText(c.text);
    edit->setAlignment(c.alignment);
    edit->setReadOnly(c.readOnly);
    inputmodes::apply(edit, c.inputMode);
    const QString name = c.name;
    const int limit = c.maxLength;
    // Every change of the box's text reaches the screen, whatever made it: the
    // keyboard, the input method, a paste, or an assistive tool or dictation
    // setting the text through the accessibility interface. Only the screen's own
    // texts, shown by showText(), are not the user's.
    connect(edit, &QLineEdit::textChanged, this, [this, edit, name, limit](const QString& text) {
        if (m_showing)
            return;
        // Once a long loaded text is shortened, it cannot grow back past the limit.
        allowLength(edit, limit, text.size());
        m_screen.typeText(name, text);
    });
    edit->installEventFilter(this);
    // A fixed text in a box is no stop for Tab or Enter; a click still reaches it.
    if (c.readOnly)
        edit->setFocusPolicy(Qt::ClickFocus);
    return edit;
}

QWidget* ScreenWindow::makeButton(const Control& c, QWidget* parent) {
    auto* button = new CaptionButton(c.text, parent);
    button->setAccessibleName(accessibleCaption(c.text));
    const QString name = c.name;
    connect(button, &QPushButton::clicked, this, [this, name] { m_screen.click(name); });
    button->installEventFilter(this);
    return button;
}

QWidget* ScreenWindow::makeLabel(const Control& c, QWidget* parent) {
    auto* label = new CaptionLabel(c.text, parent);
    label->setAccessibleName(accessibleCaption(c.text));
    label->setWordWrap(true);
    label->setAlignment((c.alignment & Qt::AlignHorizontal_Mask) | Qt::AlignTop);
    if (m_screen.hasAction(c.name)) {
        label->setCursor(Qt::PointingHandCursor);
        label->installEventFilter(this);
    }
    return label;
}

QWidget* ScreenWindow::makeListBox(const Control& c, QWidget* parent) {
    auto* list = new QListWidget(parent);
    // One line per item: the row height comes from one item, not from laying
    // out each of the up to 999 companies.
    list->setUniformItemSizes(true);
    // The rows below the first hundred are laid out after the window shows.
    list->setLayoutMode(QListView::Batched);
    list->setBatchSize(100);
    list->addItems(c.items);
    const QString name = c.name;
    // The list's action follows its selection, however it is made: a click, the
    // arrow keys, the first letters. A click on the item already selected runs
    // it again, and so does Enter.
    connect(list, &QListWidget::currentRowChanged, this,
            [this, name](int row) { m_screen.clickItem(name, row); });
    connect(list, &QListWidget::itemClicked, this, [this, list, name](QListWidgetItem* item) {
        const int row = list->row(item);
        if (row == m_rowAtPress.value(name, -1))
            m_screen.clickItem(name, row);
    });
    list->installEventFilter(this);
    list->viewport()->installEventFilter(this);
    return list;
}

QWidget* ScreenWindow::makeLine(const Control& c, QWidget* parent) {
    auto* line = new QFrame(parent);
    line->setFrameShape(c.geometry.width() >= c.geometry.height() ? QFrame::HLine : QFrame::VLine);
    line->setFrameShadow(QFrame::Plain);
    line->setForegroundRole(QPalette::WindowText);
    return line;
}

void ScreenWindow::place(QWidget* widget, const Control& c) const {
    widget->setGeometry(toPixels(c.geometry));
    if (c.kind == ControlKind::Line) {
        // The line's box is its extent; the widget is a few pixels across it.
        const QRect g = widget->geometry();
        widget->setGeometry(g.width() >= g.height()
                                ? QRect(g.left(), g.center().y() - 1, g.width(), 3)
                                : QRect(g.center().x() - 1, g.top(), 3, g.height()));
    }
}

void ScreenWindow::applyColours(QWidget* widget, const Control& c) {
    QPalette p = widget->palette();
    if (c.background.isValid()) {
        p.setColor(QPalette::Base, c.background);
        p.setColor(QPalette::Window, c.background);
        p.setColor(QPalette::Button, c.background);
        widget->setAutoFillBackground(c.kind == ControlKind::Label);
    }
    if (c.foreground.isValid()) {
        p.setColor(QPalette::WindowText, c.foreground);
        p.setColor(QPalette::Text, c.foreground);
    }
    widget->setPalette(p);
}

void ScreenWindow::setFocusOrder(const QList<FocusStop>& stops) {
    // The controls the screen puts in order come first, in that order, the others after
    // them as the screen lists them.
    QList<FocusStop> ordered;
    QList<QWidget*> order;
    for (const FocusStop& stop : stops) {
        if (stop.tabIndex >= 0)
            ordered.append(stop);
        else
            order.append(stop.widget);
    }
    std::stable_sort(ordered.begin(), ordered.end(), [](const FocusStop& a, const FocusStop& b) {
        return a.tabIndex < b.tabIndex;
    });
    for (qsizetype i = 0; i < ordered.size(); ++i)
        order.insert(i, ordered.at(i).widget);
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order.at(i - 1), order.at(i));
}

// Captions lie under the other controls, as a screen's labels always have: where a
// control stands on part of a caption's box, the caption's text keeps out of that part.
void ScreenWindow::keepCaptionsUnderControls() {
    for (QWidget* widget : std::as_const(m_widgets)) {
        auto* caption = qobject_cast<CaptionLabel*>(widget);
        if (!caption)
            continue;
        caption->lower();
        QList<QRect> covered;
        for (QObject* child : caption->parentWidget()->children()) {
            auto* other = qobject_cast<QWidget*>(child);
            if (!other || other == caption || qobject_cast<CaptionLabel*>(other) ||
                other->isHidden() || other->isWindow())
                continue;
            const QRect overlap = other->geometry().intersected(caption->geometry());
            if (!overlap.isEmpty())
                covered.append(overlap.translated(-caption->pos()));
        }
        caption->setCovered(covered);
    }
}

void ScreenWindow::showText(const QString& name) {
    QWidget* widget = m_widgets.value(name);
    const QString text = m_screen.text(name);
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
        if (edit->text() != text) {
            const int cursor = edit->cursorPosition();
            const Control& c = m_screen.control(name);
            allowLength(edit, c.maxLength, text.size());
            m_showing = true;
            edit->setText(text);
            m_showing = false;
            edit->setCursorPosition(qMin(cursor, int(text.size())));
            if (c.readOnly)
                fitFixedText(edit, controlFont(c));
        }
    } else if (auto* button = qobject_cast<QPushButton*>(widget)) {
        button->setText(text);
        button->setAccessibleName(accessibleCaption(text));
    } else if (auto* label = qobject_cast<QLabel*>(widget)) {
        label->setText(text);
        label->setAccessibleName(accessibleCaption(text));
    } else if (auto* frame = qobject_cast<QGroupBox*>(widget)) {
        frame->setTitle(text);
    }
}

void ScreenWindow::showItems(const QString& name) {
    if (auto* list = qobject_cast<QListWidget*>(m_widgets.value(name))) {
        const QSignalBlocker quiet(list);
        list->clear();
        list->addItems(m_screen.items(name));
        list->setCurrentRow(m_screen.selectedRow(name));
    }
}

void ScreenWindow::showSelection(const QString& name) {
    if (auto* list = qobject_cast<QListWidget*>(m_widgets.value(name)))
        if (list->currentRow() != m_screen.selectedRow(name)) {
            // The screen chose the row itself: showing it runs no action.
            const QSignalBlocker quiet(list);
            list->setCurrentRow(m_screen.selectedRow(name));
        }
}

void ScreenWindow::closeEvent(QCloseEvent* event) {
    // The user's close box runs the screen's own rule; any other close (the system
    // shutting down) just closes the window.
    if (event->spontaneous()) {
        event->ignore();
        m_screen.closeBoxPressed();
        return;
    }
    QWidget::closeEvent(event);
}

void ScreenWindow::paintEvent(QPaintEvent* event) {
    QWidget::paintEvent(event);
    if (!m_screen.backgroundPicture().isNull()) {
        QPainter painter(this);
        painter.drawImage(QPoint(0, 0), m_screen.backgroundPicture());
    }
}

// Enter moves on, as figures are typed from the keypad: in a box to the next control in
// the screen's Tab order (Shift+Enter back), and the box so entered has its text
// selected; on a button Enter presses it.
bool ScreenWindow::enterPressed(QObject* watched, QKeyEvent* key) {
    if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter)
        return false;
    if (qobject_cast<QLineEdit*>(watched)) {
        focusNextPrevChild(!(key->modifiers() & Qt::ShiftModifier));
        return true;
    }
    if (auto* button = qobject_cast<QPushButton*>(watched)) {
        if (!key->isAutoRepeat())
            button->click();
        return true;
    }
    return false;
}

bool ScreenWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress &&
        (qobject_cast<QLineEdit*>(watched) || qobject_cast<QPushButton*>(watched)))
        return enterPressed(watched, static_cast<QKeyEvent*>(event)) ||
               QWidget::eventFilter(watched, event);
    if (auto* list = qobject_cast<QListWidget*>(watched)) {
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if ((key == Qt::Key_Return || key == Qt::Key_Enter) && list->currentRow() >= 0) {
                m_screen.clickItem(list->objectName(), list->currentRow());
                return true;
            }
        }
        return QWidget::eventFilter(watched, event);
    }
    if (auto* list = qobject_cast<QListWidget*>(watched->parent());
        list && watched == list->viewport()) {
        // Which row was selected before a press tells a click on the selected item (run
        // again) from a click that changes the selection (already run).
        if (event->type() == QEvent::MouseButtonPress)
            m_rowAtPress.insert(list->objectName(), list->currentRow());
        return QWidget::eventFilter(watched, event);
    }
    if (qobject_cast<CaptionLabel*>(watched) && event->type() == QEvent::MouseButtonRelease) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton) {
            m_screen.click(watched->objectName());
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace gaikyo
