#include "recordscreen.h"

#include "form/formpictures.h"

#include "datafile/numbers.h"
#include "recordboxes.h"
#include "recordsaving.h"
#include "sectionfile.h"

namespace gaikyo {

const QString RecordScreen::clearButton = QStringLiteral("Command1");
const QString RecordScreen::dataButton = QStringLiteral("Command2");
const QString RecordScreen::saveButton = QStringLiteral("Command9");

RecordScreen::RecordScreen(Application& app, const QString& name, const QString& caption,
                           QSize clientSize, int section, const QString& codeBox)
    : Screen(app, name, caption, clientSize, Unit::Pixels), m_layout(layouts::section(section)),
      m_codeBox(codeBox), m_record(SectionRecord::emptyFor(m_layout)) {
    // The part of the form this screen fills in, behind its boxes.
    setBackgroundPicture(formpictures::screenBackground(name));
    onClick(clearButton, [this] { clearBoxes(); });
    // Loading over values typed and not saved asks first.
    onClick(dataButton, [this] { reload(); });
    onClick(saveButton, [this] { saveRecord(); });
}

Control& RecordScreen::addBox(const QString& name, QRect geometry, Qt::Alignment horizontal) {
    Control c = controls::textBox(name, geometry);
    c.background = controls::entryCyan();
    c.alignment = horizontal | Qt::AlignVCenter;
    return add(std::move(c));
}

void RecordScreen::addCodeBox(QRect geometry) {
    Control c = controls::hiddenCodeBox(m_codeBox);
    c.geometry = geometry;
    add(std::move(c));
}

Control& RecordScreen::addButton(const QString& name, const QString& caption, QRect geometry) {
    return add(controls::button(name, caption, geometry));
}

Control& RecordScreen::addButtonRow(int y, int clearX, int dataX, int saveX) {
    addButton(clearButton, QStringLiteral("クリア"), QRect(clearX, y, 89, 25));
    addButton(dataButton, QStringLiteral("ＤＡＴＡ"), QRect(dataX, y, 89, 25));
    return addButton(saveButton, QStringLiteral("登録実行"), QRect(saveX, y, 137, 25));
}

void RecordScreen::setBoxOrder(QStringList boxes) {
    boxes.append(saveButton);
    setTabOrder(boxes);
}

void RecordScreen::load() {
    clearBoxes();
    reload();
}

void RecordScreen::openOn(qint32 code) {
    m_companyCode = code;
    setText(m_codeBox, plainDecimal(code));
    m_record = SectionRecord::emptyFor(m_layout);
    m_loaded = {};
    clearBoxes();
    reload();
}

void RecordScreen::reload() {
    if (!settleUnsaved())
        return;
    loadRecord();
    markLoaded(fieldBoxes());
}

QString RecordScreen::saveButtonFor(const QStringList& changed) const {
    Q_UNUSED(changed);
    return saveButton;
}

QString RecordScreen::boxCaption(const QString& box) const {
    return layouts::captionOf(m_layout, box);
}

QString RecordScreen::savedForm(const QString& box, const QString& text,
                                const QString& saved) const {
    Q_UNUSED(saved);
    return layouts::savedForm(m_layout, box, text);
}

QStringList RecordScreen::fieldBoxes() const {
    return recordboxes::of(m_layout);
}

void RecordScreen::clearBoxes() {
    recordboxes::clear(*this, m_layout);
}

QString RecordScreen::shownInteger(const QString& box, qint32 value) const {
    Q_UNUSED(box);
    return groupedDisplay(value);
}

void RecordScreen::loadRecord() {
    clearBoxes();
    const std::optional<qint32> code = companyCode();
    if (!code)
        return;
    // A missing file leaves the boxes empty. A damaged or short one shows what it holds
    // (nothing of an earlier load), and the user hears which file it is.
    SectionRecord loaded = SectionRecord::emptyFor(m_layout);
    const FileLoad result = sectionfile::load(*code, m_layout, loaded);
    if (result.outcome == FileLoad::Outcome::Missing) {
        m_loaded = loadedsection::taken(*code, result, loaded, typedRecord());
        return;
    }
    m_record = loaded;
    showRecord();
    afterLoad();
    recordboxes::emptyUnheld(*this, m_layout, result);
    m_loaded = loadedsection::taken(*code, result, loaded, typedRecord());
    recordsaving::tellIfDamaged(result);
}

void RecordScreen::showRecord() {
    recordboxes::show(*this, m_layout, m_record, [this](const QString& box, qint32 value) {
        return shownInteger(box, value);
    });
}

qint32 RecordScreen::typedInteger(const QString& box, const QString& text) const {
    Q_UNUSED(box);
    return readInteger(text);
}

SectionRecord RecordScreen::typedRecord() const {
    SectionRecord record = recordboxes::typed(*this, m_layout);
    for (qsizetype i = 0; i < m_layout.integers.size(); ++i) {
        const QString& box = m_layout.integers.at(i).box;
        if (!box.isEmpty())
            record.integers[i] = typedInteger(box, text(box));
    }
    return record;
}

void RecordScreen::saveRecord() {
    SectionRecord typed = typedRecord();
    if (!completeRecord(typed))
        return;
    // Whatever was saved to the file since the load and not changed here stays.
    if (const std::optional<qint32> code = companyCode()) {
        if (!mayWrite(*code))
            return;
        const loadedsection::Plan plan = loadedsection::merge(
            m_loaded, *code, m_layout, typed, derivedFields(), recordsaving::saveTitle());
        if (plan.kind == loadedsection::Plan::Kind::Refused)
            return;
        typed = plan.record;
        if (!plan.fromStored.isEmpty() && !derivedFields().isEmpty() && !completeRecord(typed))
            return;
    }
    m_record = typed;
    // A save that fails leaves the boxes as typed; one that works shows the file again.
    if (recordsaving::saveOrWarn(companyCode(), m_layout, m_record)) {
        markLoaded(fieldBoxes());
        reload();
    } else {
        m_loaded.askIfDeleted = false;
    }
}

} // namespace gaikyo
