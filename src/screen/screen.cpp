#include "screen.h"

#include "application.h"
#include "datafile/numbers.h"
#include "messages.h"

#include <algorithm>
#include <stdexcept>

namespace gaikyo {

namespace {

// The limit holds for what is typed or pasted: of the characters an edit adds, those
// that would take the text past the limit are dropped. A longer text the program put
// in (a file written elsewhere) stays whole and may be edited, but never grows; typed
// anew, with nothing of it kept, the limit holds again.
QString withinLimit(const QString& before, const QString& after, int limit) {
    qsizetype prefix = 0;
    const qsizetype shorter = qMin(before.size(), after.size());
    while (prefix < shorter && before.at(prefix) == after.at(prefix))
        ++prefix;
    qsizetype suffix = 0;
    while (suffix < shorter - prefix &&
           before.at(before.size() - 1 - suffix) == after.at(after.size() - 1 - suffix))
        ++suffix;
    const qsizetype kept = prefix + suffix;
    const qsizetype room = kept == 0 ? limit : qMax(qsizetype(limit), before.size());
    if (after.size() <= room)
        return after;
    QString added = after.mid(prefix, room - kept);
    if (!added.isEmpty() && added.back().isHighSurrogate())
        added.chop(1); // never half a character
    return after.left(prefix) + added + after.right(suffix);
}

} // namespace

Screen::Screen(Application& app, const QString& name, const QString& caption, QSize clientSize,
               Unit unit)
    : m_app(app), m_caption(caption), m_clientSize(clientSize), m_unit(unit) {
    setObjectName(name);
    m_defaultFont = FontSpec{QStringLiteral("ＭＳ Ｐゴシック"), 11.25, false};
}

Control& Screen::add(Control control) {
    m_controls.append(std::move(control));
    return m_controls.last();
}

void Screen::onClick(const QString& name, std::function<void()> action) {
    m_actions[name] = std::move(action);
}

bool Screen::has(const QString& name) const {
    for (const Control& c : m_controls)
        if (c.name == name)
            return true;
    return false;
}

const Control& Screen::control(const QString& name) const {
    for (const Control& c : m_controls)
        if (c.name == name)
            return c;
    throw std::out_of_range("no control " + name.toStdString() + " on " +
                            objectName().toStdString());
}

Control& Screen::mutableControl(const QString& name) {
    return const_cast<Control&>(std::as_const(*this).control(name));
}

QString Screen::text(const QString& name) const {
    return control(name).text;
}

std::optional<qint32> Screen::typedCode(const QString& box) const {
    return strictInteger(text(box));
}

void Screen::setText(const QString& name, const QString& text) {
    Control& c = mutableControl(name);
    if (text.isEmpty())
        m_programEmptied.insert(name);
    else
        m_programEmptied.remove(name);
    if (c.text == text)
        return;
    c.text = text;
    Q_EMIT textChanged(name);
}

void Screen::typeText(const QString& name, const QString& text) {
    Control& c = mutableControl(name);
    if (!c.readOnly) {
        QString typed = text;
        typed.remove(QLatin1Char('"'));
        typed.remove(QLatin1Char('\r'));
        typed.remove(QLatin1Char('\n'));
        if (c.maxLength > 0)
            typed = withinLimit(c.text, typed, c.maxLength);
        c.text = typed;
    }
    // Always told, so that a window showing a refused character takes it back.
    Q_EMIT textChanged(name);
}

bool Screen::hasAction(const QString& name) const {
    return m_actions.count(name) > 0;
}

void Screen::click(const QString& name) {
    const auto action = m_actions.find(name);
    if (action != m_actions.end()) {
        // A copy, so that an action which closes its own screen ends safely.
        const std::function<void()> run = action->second;
        run();
    }
}

QStringList Screen::items(const QString& list) const {
    return control(list).items;
}

void Screen::clearItems(const QString& list) {
    mutableControl(list).items.clear();
    m_selectedRows.remove(list);
    Q_EMIT itemsChanged(list);
}

void Screen::setItems(const QString& list, const QStringList& items) {
    mutableControl(list).items = items;
    m_selectedRows.remove(list);
    Q_EMIT itemsChanged(list);
}

void Screen::addItem(const QString& list, const QString& item) {
    mutableControl(list).items.append(item);
    Q_EMIT itemsChanged(list);
}

void Screen::setSelectedRow(const QString& list, int row) {
    const int count = int(control(list).items.size());
    const int selected = (row >= 0 && row < count) ? row : -1;
    if (selectedRow(list) == selected)
        return;
    if (selected < 0)
        m_selectedRows.remove(list);
    else
        m_selectedRows[list] = selected;
    Q_EMIT selectionChanged(list);
}

void Screen::clickItem(const QString& list, int row) {
    if (row < 0 || row >= control(list).items.size())
        return;
    setSelectedRow(list, row);
    click(list);
}

void Screen::show() {
    m_shown = true;
    Q_EMIT shown();
}

void Screen::hide() {
    m_shown = false;
    Q_EMIT hidden();
}

void Screen::close() {
    m_shown = false;
    m_closed = true;
    m_app.discard(this);
}

void Screen::setVisible(const QString& name, bool visible) {
    Control& c = mutableControl(name);
    if (c.visible == visible)
        return;
    c.visible = visible;
    Q_EMIT visibilityChanged(name);
}

void Screen::setFocus(const QString& name) {
    m_focus = name;
    Q_EMIT focusRequested(name);
}

void Screen::setTabOrder(const QStringList& names) {
    for (Control& c : m_controls)
        c.tabIndex = int(names.indexOf(c.name));
}

void Screen::markLoaded(const QStringList& boxes) {
    for (const QString& box : boxes) {
        const QString shown = text(box);
        const auto known = std::find_if(m_loaded.begin(), m_loaded.end(),
                                        [&box](const auto& entry) { return entry.first == box; });
        if (known == m_loaded.end())
            m_loaded.append({box, shown});
        else
            known->second = shown;
        m_programEmptied.remove(box);
    }
}

QStringList Screen::changedBoxes(const QStringList& boxes) const {
    QStringList changed;
    for (const auto& [box, loaded] : m_loaded) {
        if (!boxes.isEmpty() && !boxes.contains(box))
            continue;
        const QString shown = text(box);
        if (shown == loaded)
            continue;
        // Emptied by the program, or of nothing a save would keep: nothing to lose.
        if (shown.isEmpty() && (m_programEmptied.contains(box) || loaded.trimmed().isEmpty() ||
                                savedForm(box, loaded, loaded) == savedForm(box, shown, loaded)))
            continue;
        changed.append(box);
    }
    return changed;
}

QStringList Screen::emptiedBoxes(const QStringList& changed) const {
    QStringList emptied;
    for (const QString& box : changed)
        if (text(box).isEmpty())
            emptied.append(box);
    return emptied;
}

bool Screen::settleUnsaved(const QStringList& boxes) {
    const QStringList changed = changedBoxes(boxes);
    if (changed.isEmpty())
        return true;
    QList<messages::EmptiedValue> emptied;
    for (const QString& box : emptiedBoxes(changed)) {
        const auto loaded = std::find_if(m_loaded.cbegin(), m_loaded.cend(),
                                         [&box](const auto& entry) { return entry.first == box; });
        emptied.append({boxCaption(box), loaded->second});
    }
    switch (
        messages::askToSaveTyped(unsavedTitle(changed), emptied, emptied.size() < changed.size())) {
    case MessageBox::Answer::Yes: {
        const QString save = saveButtonFor(changed);
        if (save.isEmpty())
            return false;
        // A save that works takes a new snapshot (or closes the screen); one that does
        // not has told the user why, and the typed values stay.
        click(save);
        return m_closed || changedBoxes(changed).isEmpty();
    }
    case MessageBox::Answer::No:
        // Given up: the action that follows replaces them or takes them away, and
        // nothing asks about them again.
        markLoaded(changed);
        return true;
    case MessageBox::Answer::Ok:
    case MessageBox::Answer::Cancel:
        break;
    }
    return false;
}

} // namespace gaikyo
