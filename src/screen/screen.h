#pragma once

#include "control.h"

#include <QHash>
#include <QImage>
#include <QList>
#include <QObject>
#include <QSet>
#include <QSize>
#include <functional>
#include <map>
#include <optional>

namespace gaikyo {

class Application;

// A screen without a display: its named controls with their texts, and the action of
// each button. A click from the user, from a test or from another screen runs the same
// action, synchronously. The window layer shows a screen and keeps it in step.
class Screen : public QObject {
    Q_OBJECT
public:
    enum class Unit { Twips, Pixels };

    Screen(Application& app, const QString& name, const QString& caption, QSize clientSize,
           Unit unit);

    Application& app() const { return m_app; }
    const QString& caption() const { return m_caption; }
    QSize clientSize() const { return m_clientSize; }
    Unit unit() const { return m_unit; }
    QColor background() const { return m_background; }
    const FontSpec& defaultFont() const { return m_defaultFont; }
    const QImage& backgroundPicture() const { return m_picture; }
    const QList<Control>& controls() const { return m_controls; }

    bool has(const QString& name) const;
    const Control& control(const QString& name) const;

    QString text(const QString& name) const;
    // The company code the user typed into a box: a whole number, or none.
    std::optional<qint32> typedCode(const QString& box) const;
    // What the program writes into a box or a caption.
    void setText(const QString& name, const QString& text);
    // What the user types: double quotes and line breaks are refused, as the data files
    // cannot hold them, and the box's character limit applies (a longer text the program
    // put in may shrink, never grow). Read-only boxes keep their text.
    void typeText(const QString& name, const QString& text);

    // The action of a button or of a click in a list box.
    void click(const QString& name);
    bool hasAction(const QString& name) const;

    QStringList items(const QString& list) const;
    void clearItems(const QString& list);
    void addItem(const QString& list, const QString& item);
    // Clears the list and fills it anew in one step (a window redraws it once).
    void setItems(const QString& list, const QStringList& items);
    int selectedRow(const QString& list) const { return m_selectedRows.value(list, -1); }
    // Selects an item without running the list's action (-1: none).
    void setSelectedRow(const QString& list, int row);
    // A click on a list item: selects it, then runs the list's action.
    void clickItem(const QString& list, int row);

    bool isShown() const { return m_shown; }
    // Shows the screen (modeless) and brings it to the front.
    void show();
    void hide();
    // Closes the screen: its state is gone and the next use creates it anew.
    void close();
    void setFocus(const QString& name);

    // Whether a control is shown; a hidden frame hides everything it holds.
    bool isVisible(const QString& name) const { return control(name).visible; }
    void setVisible(const QString& name, bool visible);
    const QString& focusedControl() const { return m_focus; }

    // The keyboard order (Tab, and Enter in a box) of the named controls; the controls
    // not named follow them in the order they were made.
    void setTabOrder(const QStringList& names);

    // A control added from outside the screen's own table (a helper that builds a
    // small group of controls for any screen).
    Control& addControl(Control control) { return add(std::move(control)); }

    bool isClosed() const { return m_closed; }

    // Unsaved changes. A screen takes a snapshot of its entry boxes after each load and
    // each save that worked; a box holds an unsaved change when its text differs from the
    // snapshot. A box the program emptied (クリア, a button that empties its field) holds
    // none: an explicit clearing is not saved by a stray はい. A box the user emptied of
    // a saved value holds one, unless the empty box saves the same (0 in a number box).
    // Boxes never given to markLoaded are not watched.
    void markLoaded(const QStringList& boxes);
    // The watched boxes that hold an unsaved change, among `boxes` (all when empty), in
    // the order they were first marked.
    QStringList changedBoxes(const QStringList& boxes = {}) const;
    // Those of them the user emptied of a saved value.
    QStringList emptiedBoxes(const QStringList& changed) const;
    // Before an action drops unsaved changes (among `boxes`, all when empty), asks whether
    // to save them: はい presses the save button and goes on once the save has worked;
    // いいえ gives them up and goes on; キャンセル, or a save that did not work, stays. True
    // when the caller may go on. Nothing unsaved: true, nothing asked. The question lists
    // the boxes emptied of a saved value, and its default then loses nothing.
    bool settleUnsaved(const QStringList& boxes = {});

    // The load action, run once when the screen is created.
    virtual void load() {}
    // What the window's close box does: closes, once nothing typed would be lost.
    virtual void closeBoxPressed() {
        if (settleUnsaved())
            close();
    }
    // Opens the screen on a company, as the main menu or another screen hands one over:
    // the screen takes the code as its own, shows it in its code box and loads what it
    // shows of that company. A screen that is not about one company ignores it.
    virtual void openOn(qint32 code) { Q_UNUSED(code); }
    // Told that companies were registered, changed or deleted: a screen that lists them
    // lists them anew.
    virtual void companiesChanged() {}

Q_SIGNALS:
    void textChanged(const QString& name);
    void itemsChanged(const QString& name);
    void selectionChanged(const QString& name);
    void shown();
    void hidden();
    void focusRequested(const QString& name);
    void visibilityChanged(const QString& name);

protected:
    Control& add(Control control);
    void onClick(const QString& name, std::function<void()> action);
    void setBackground(QColor colour) { m_background = colour; }
    void setDefaultFont(FontSpec font) { m_defaultFont = std::move(font); }
    void setBackgroundPicture(QImage picture) { m_picture = std::move(picture); }
    // The button that saves the given unsaved boxes; none where the screen saves nothing.
    virtual QString saveButtonFor(const QStringList& changed) const {
        Q_UNUSED(changed);
        return {};
    }
    // The title of the question about the given unsaved boxes.
    virtual QString unsavedTitle(const QStringList& changed) const {
        Q_UNUSED(changed);
        return caption();
    }
    // A box's field as the user knows it, for a question that lists boxes.
    virtual QString boxCaption(const QString& box) const { return box; }
    // What a box's text saves as, where `saved` is the value in the file: two texts that
    // save alike are one value (an empty number box saves 0; a box that keeps the saved
    // value when it holds no number saves that).
    virtual QString savedForm(const QString& box, const QString& text, const QString& saved) const {
        Q_UNUSED(box);
        Q_UNUSED(saved);
        return text;
    }

private:
    Control& mutableControl(const QString& name);

    Application& m_app;
    QString m_caption;
    QSize m_clientSize;
    Unit m_unit;
    QColor m_background;
    FontSpec m_defaultFont;
    QImage m_picture;
    QList<Control> m_controls;
    std::map<QString, std::function<void()>> m_actions;
    QHash<QString, int> m_selectedRows;
    bool m_shown = false;
    bool m_closed = false;
    QString m_focus;
    // Each watched box with its text as last loaded or saved.
    QList<std::pair<QString, QString>> m_loaded;
    // The boxes the program emptied since, rather than the user.
    QSet<QString> m_programEmptied;
};

} // namespace gaikyo
