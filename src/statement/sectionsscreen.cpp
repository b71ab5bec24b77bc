#include "sectionsscreen.h"

#include "datafile/numbers.h"
#include "recordboxes.h"
#include "recordsaving.h"
#include "screen/messages.h"
#include "screen/screennames.h"
#include "sectionfile.h"

#include <QSet>
#include <limits>

namespace gaikyo {

using sectionframes::SectionFrame;

namespace {

const QString codeBox = QStringLiteral("Text8");

constexpr int descriptionSection = 21;
constexpr int branchesSection = 22;
constexpr int employeesSection = 23;

using sectionframes::FrameItem;
using sectionframes::Tally;

// The boxes that feed a section's file, whose unsaved values the screen watches.
QStringList sectionBoxes(int section) {
    return recordboxes::of(layouts::section(section));
}

const SectionFrame& employeesFrame() {
    return sectionframes::forSection(employeesSection);
}

// Section 3's control with the given part in 計.
QString tallyBox(Tally tally) {
    return QString::fromLatin1(sectionframes::tallyItem(employeesFrame(), tally)->name);
}

// Where section 3's record keeps 計 among its integers.
qsizetype sumField() {
    return sectionframes::tallyItem(employeesFrame(), Tally::Sum)->place - 1;
}

bool fits(qint64 value) {
    return value >= std::numeric_limits<qint32>::min() &&
           value <= std::numeric_limits<qint32>::max();
}

// The sum of section 3's counted head counts.
qint64 countedTotal(const SectionRecord& record) {
    qint64 total = 0;
    for (const FrameItem& item : employeesFrame().items)
        if (item.tally == Tally::Counted)
            total += record.integers.at(item.place - 1);
    return total;
}

// Sums section 3's counted head counts into its 計. When the sum is too large to save,
// the user is told so and false comes back.
bool sumEmployees(SectionRecord& record) {
    const qint64 total = countedTotal(record);
    if (!fits(total)) {
        messages::warn(recordsaving::saveTitle(),
                       QStringLiteral("「計」の人数の合計が大きすぎるため登録できません。"
                                      "各行の人数を確かめてください。"));
        return false;
    }
    record.integers[sumField()] = static_cast<qint32>(total);
    return true;
}

} // namespace

SectionsScreen::SectionsScreen(Application& app)
    : Screen(app, screens::sections, QStringLiteral("４．電子計算機の利用状況"), QSize(675, 474),
             Unit::Pixels) {
    addControls();
    for (const SectionFrame& frame : sectionframes::all()) {
        m_records.emplace(frame.section, SectionRecord::emptyFor(layouts::section(frame.section)));
        defineActions(frame);
        markLoaded(sectionBoxes(frame.section));
    }
}

void SectionsScreen::addControls() {
    for (const SectionFrame& frame : sectionframes::all()) {
        Control& button = add(controls::button(QString::fromLatin1(frame.sectionButton),
                                               QString::fromUtf8(frame.sectionCaption),
                                               QRect(480, frame.sectionButtonY, 185, 25)));
        button.font.points = frame.sectionButtonPoints;
    }
    // Only section 1 shows when the window is new.
    for (const SectionFrame& frame : sectionframes::all()) {
        QList<Control> controls = sectionframes::frameControls(frame);
        controls.first().visible = frame.section == descriptionSection;
        for (Control& c : controls)
            add(std::move(c));
    }
    Control& code = add(controls::hiddenCodeBox(codeBox));
    code.geometry = QRect(536, 264, 49, 25);

    // The keyboard goes through the section shown, its boxes as the form reads, then its
    // "登録実行", so that Enter in the last box goes on to saving (never to "クリア"); the
    // section buttons come last.
    QStringList order;
    for (const SectionFrame& frame : sectionframes::all()) {
        for (const sectionframes::FrameItem& item : frame.items)
            if (item.kind != sectionframes::ItemKind::Caption &&
                item.kind != sectionframes::ItemKind::Line)
                order.append(QString::fromLatin1(item.name));
        for (const char* button : {frame.saveButton, frame.dataButton, frame.clearButton})
            order.append(QString::fromLatin1(button));
    }
    for (const SectionFrame& frame : sectionframes::all())
        order.append(QString::fromLatin1(frame.sectionButton));
    setTabOrder(order);
}

void SectionsScreen::defineActions(const SectionFrame& frame) {
    const int section = frame.section;
    onClick(QString::fromLatin1(frame.sectionButton), [this, &frame] { showSection(frame); });
    onClick(QString::fromLatin1(frame.clearButton), [this, section] { clearSection(section); });
    // Loading over values typed into the section and not saved asks first.
    onClick(QString::fromLatin1(frame.dataButton), [this, section] {
        if (!settleUnsaved(sectionBoxes(section)))
            return;
        loadSection(section);
        markLoaded(sectionBoxes(section));
    });
    if (section == employeesSection) {
        onClick(QString::fromLatin1(frame.saveButton), [this] { saveEmployees(); });
        onClick(tallyBox(Tally::Button), [this] { showTotal(); });
        return;
    }
    onClick(QString::fromLatin1(frame.saveButton), [this, section, &frame] {
        if (!saveSection(section))
            return;
        markLoaded(sectionBoxes(section));
        // Sections 1, 4 and 5 read the file back; 2 and 6 keep what the user typed.
        if (section == 21 || section == 24 || section == 25)
            click(QString::fromLatin1(frame.dataButton));
    });
}

void SectionsScreen::openOn(qint32 code) {
    m_companyCode = code;
    setText(codeBox, plainDecimal(code));
    for (auto& [section, record] : m_records)
        record = SectionRecord::emptyFor(layouts::section(section));
    m_loaded.clear();
    showSection(sectionframes::forSection(descriptionSection));
}

int SectionsScreen::sectionOf(const QString& box) {
    for (const SectionFrame& frame : sectionframes::all())
        if (sectionBoxes(frame.section).contains(box))
            return frame.section;
    return 0;
}

QString SectionsScreen::saveButtonFor(const QStringList& changed) const {
    const int section = changed.isEmpty() ? 0 : sectionOf(changed.first());
    return section ? QString::fromLatin1(sectionframes::forSection(section).saveButton) : QString();
}

QString SectionsScreen::unsavedTitle(const QStringList& changed) const {
    const int section = changed.isEmpty() ? 0 : sectionOf(changed.first());
    return section ? QString::fromUtf8(sectionframes::forSection(section).sectionCaption)
                   : caption();
}

QString SectionsScreen::boxCaption(const QString& box) const {
    const int section = sectionOf(box);
    return section ? layouts::captionOf(layouts::section(section), box) : box;
}

QString SectionsScreen::savedForm(const QString& box, const QString& text,
                                  const QString& saved) const {
    Q_UNUSED(saved);
    const int section = sectionOf(box);
    return section ? layouts::savedForm(layouts::section(section), box, text) : text;
}

void SectionsScreen::showSection(const SectionFrame& shown) {
    // The section's file replaces whatever was typed into it: unsaved values are asked
    // about first.
    if (!settleUnsaved())
        return;
    for (const SectionFrame& frame : sectionframes::all())
        setVisible(QString::fromLatin1(frame.frame), &frame == &shown);
    if (shown.section == descriptionSection || shown.section == branchesSection)
        click(QString::fromLatin1(shown.clearButton));
    click(QString::fromLatin1(shown.dataButton));
}

void SectionsScreen::clearSection(int section) {
    recordboxes::clear(*this, layouts::section(section));
}

void SectionsScreen::loadSection(int section) {
    click(QString::fromLatin1(sectionframes::forSection(section).clearButton));
    const std::optional<qint32> code = companyCode();
    if (!code) {
        // Section 1 shows its record even when nothing could be read.
        if (section == descriptionSection)
            showRecord(section);
        return;
    }
    // A damaged or short file shows what it holds (nothing of an earlier load), and the
    // user hears which file it is; a missing one leaves the boxes empty, except section
    // 1, which shows its record whatever happens.
    SectionRecord loaded = SectionRecord::emptyFor(layouts::section(section));
    const FileLoad result = sectionfile::load(*code, layouts::section(section), loaded);
    if (result.outcome != FileLoad::Outcome::Missing)
        m_records.at(section) = loaded;
    if (result.outcome != FileLoad::Outcome::Missing || section == descriptionSection)
        showRecord(section);
    if (result.damaged())
        recordboxes::emptyUnheld(*this, layouts::section(section), result);
    m_loaded[section] = loadedsection::taken(*code, result, loaded, typedRecord(section));
    recordsaving::tellIfDamaged(result);
}

void SectionsScreen::showRecord(int section) {
    recordboxes::show(*this, layouts::section(section), m_records.at(section), integerText());
}

recordboxes::IntegerText SectionsScreen::integerText() {
    // Amounts and head counts show digit-group commas (0 as nothing); every other integer
    // shows plain decimal.
    return [](const QString& box, qint32 value) {
        const FrameItem* field = sectionframes::fieldOf(box);
        return field && field->groupsDigits ? groupedDisplay(value) : plainDecimal(value);
    };
}

void SectionsScreen::showInteger(const QString& box, qint32 value) {
    setText(box, integerText()(box, value));
}

SectionRecord SectionsScreen::typedRecord(int section) const {
    return recordboxes::typed(*this, layouts::section(section));
}

void SectionsScreen::fillRecord(int section) {
    m_records.at(section) = typedRecord(section);
}

bool SectionsScreen::saveSection(int section) {
    fillRecord(section);
    return writeRecord(section);
}

bool SectionsScreen::writeRecord(int section) {
    const RecordLayout& layout = layouts::section(section);
    SectionRecord& record = m_records.at(section);
    const std::optional<qint32> code = companyCode();
    if (code) {
        // Whatever was saved to the file since the load and not changed here stays.
        QSet<qsizetype> derived;
        if (section == employeesSection)
            derived.insert(layout.texts.size() + sumField());
        const loadedsection::Plan plan = loadedsection::merge(
            m_loaded[section], *code, layout, record, derived, recordsaving::saveTitle());
        if (plan.kind == loadedsection::Plan::Kind::Refused)
            return false;
        record = plan.record;
        if (section == employeesSection && !plan.fromStored.isEmpty() && !sumEmployees(record))
            return false;
        // The boxes show what the file keeps of the other side's save.
        for (const qsizetype field : plan.fromStored)
            recordboxes::showField(*this, layout, record, field, integerText());
    }
    if (!recordsaving::saveOrWarn(code, layout, record)) {
        m_loaded[section].askIfDeleted = false;
        return false;
    }
    FileLoad written;
    written.outcome = FileLoad::Outcome::Loaded;
    m_loaded[section] = loadedsection::taken(*code, written, record, typedRecord(section));
    return true;
}

void SectionsScreen::showTotal() {
    // What cannot be read counts as 0 and shows as nothing.
    const SectionRecord typed = typedRecord(employeesSection);
    const qint64 total = countedTotal(typed);
    if (!fits(total)) {
        messages::warn(QStringLiteral("計"),
                       QStringLiteral("人数の合計が大きすぎて「計」を出せません。各行の人数を確かめ"
                                      "てください。"));
        return;
    }
    showInteger(tallyBox(Tally::Sum), static_cast<qint32>(total));
    for (const FrameItem& item : employeesFrame().items)
        if (item.tally == Tally::Counted)
            showInteger(QString::fromLatin1(item.name), typed.integers.at(item.place - 1));
}

void SectionsScreen::saveEmployees() {
    // The saved 計 is always the sum of the saved rows, whatever the box held.
    SectionRecord typed = typedRecord(employeesSection);
    if (!sumEmployees(typed))
        return;
    m_records.at(employeesSection) = typed;
    if (!writeRecord(employeesSection))
        return;
    // The boxes show the saved head counts and 計.
    const RecordLayout& layout = layouts::section(employeesSection);
    for (qsizetype field = layout.texts.size(); field < layout.fieldCount(); ++field)
        recordboxes::showField(*this, layout, m_records.at(employeesSection), field, integerText());
    markLoaded(sectionBoxes(employeesSection));
}

} // namespace gaikyo
