#pragma once

#include "loadedsection.h"
#include "recordboxes.h"
#include "screen/screen.h"
#include "sectionframes.h"
#include "sectionrecord.h"

#include <map>
#include <optional>

namespace gaikyo {

// Form2: items 1 to 6 of the front page, one section frame at a time. Each section has
// its own record and its own file (21 … 26). Opened on a company, it shows the code in
// the hidden Text8 and item 1 of that company.
class SectionsScreen : public Screen {
    Q_OBJECT
public:
    explicit SectionsScreen(Application& app);

    // The in-memory record of a section (21 … 26).
    const SectionRecord& record(int section) const { return m_records.at(section); }

    // A new company starts from empty records, whatever was loaded before; item 1 shows.
    void openOn(qint32 code) override;
    // The company the screen is on.
    std::optional<qint32> companyCode() const { return m_companyCode; }

protected:
    // The "登録実行" and the caption of the section that holds the unsaved boxes.
    QString saveButtonFor(const QStringList& changed) const override;
    QString unsavedTitle(const QStringList& changed) const override;
    QString boxCaption(const QString& box) const override;
    QString savedForm(const QString& box, const QString& text, const QString& saved) const override;

private:
    void addControls();
    void defineActions(const sectionframes::SectionFrame& frame);

    void showSection(const sectionframes::SectionFrame& frame); // a section button
    void clearSection(int section);                             // "クリア"
    void loadSection(int section);                              // "ＤＡＴＡ"
    bool saveSection(int section);                              // "登録実行", the writing
    void saveEmployees();                                       // section 3's "登録実行"
    void showTotal();                                           // Command24 "計"
    void showRecord(int section);
    void showInteger(const QString& box, qint32 value);
    // How the sections' integer fields show in their boxes.
    static recordboxes::IntegerText integerText();

    void fillRecord(int section);
    // What the section's boxes would save now.
    SectionRecord typedRecord(int section) const;
    // Merges the section's record into its file as it is now and writes it; says why
    // when it cannot.
    bool writeRecord(int section);
    // The section whose file a box feeds (21 … 26), or 0.
    static int sectionOf(const QString& box);

    std::optional<qint32> m_companyCode;
    std::map<int, SectionRecord> m_records;
    // What the last "ＤＡＴＡ" of each section found in its file.
    std::map<int, LoadedSection> m_loaded;
};

} // namespace gaikyo
