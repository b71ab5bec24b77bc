#pragma once

#include "loadedsection.h"
#include "recordlayouts.h"
#include "screen/screen.h"
#include "sectionrecord.h"

#include <optional>

namespace gaikyo {

// A picture entry screen that edits one record file as a single section: the boxes of
// the file's fields laid over the form's picture, a hidden code box that shows the
// company it is opened on, and the buttons Command1 "クリア", Command2 "ＤＡＴＡ" and
// Command9 "登録実行".
class RecordScreen : public Screen {
    Q_OBJECT
public:
    const SectionRecord& record() const { return m_record; }
    const RecordLayout& layout() const { return m_layout; }
    const QString& codeBox() const { return m_codeBox; }

    // A new window runs "クリア" and "ＤＡＴＡ"; it is on no company yet, so nothing is
    // loaded until it is opened on one.
    void load() override;
    // A new company starts from an empty record, whatever was loaded before: the boxes
    // are emptied, then the company's file is loaded.
    void openOn(qint32 code) override;
    // The company the screen is on.
    std::optional<qint32> companyCode() const { return m_companyCode; }
    // "ＤＡＴＡ": the company's file again, once unsaved values are settled.
    void reload();

    static const QString clearButton; // Command1 "クリア"
    static const QString dataButton;  // Command2 "ＤＡＴＡ"
    static const QString saveButton;  // Command9 "登録実行"

protected:
    RecordScreen(Application& app, const QString& name, const QString& caption, QSize clientSize,
                 int section, const QString& codeBox);

    // An entry box: light cyan, single line.
    Control& addBox(const QString& name, QRect geometry, Qt::Alignment horizontal);
    void addCodeBox(QRect geometry);
    Control& addButton(const QString& name, const QString& caption, QRect geometry);
    // "クリア", "ＤＡＴＡ" and "登録実行" side by side below the picture; returns the last.
    Control& addButtonRow(int y, int clearX, int dataX, int saveX);

    // The keyboard order: the boxes as the form reads, then "登録実行", so that Enter in
    // the last box goes on to saving (never to "クリア"), then the other buttons.
    void setBoxOrder(QStringList boxes);

    QString saveButtonFor(const QStringList& changed) const override;
    QString boxCaption(const QString& box) const override;
    QString savedForm(const QString& box, const QString& text, const QString& saved) const override;

    // "クリア": empties the field boxes in file order; the record is untouched.
    virtual void clearBoxes();
    // How an integer field shows in its box; grouped display unless told otherwise.
    virtual QString shownInteger(const QString& box, qint32 value) const;
    // The number an integer field's box saves; integer reading unless told otherwise.
    virtual qint32 typedInteger(const QString& box, const QString& text) const;
    // Runs after "ＤＡＴＡ" has shown a fully read file.
    virtual void afterLoad() {}
    // Completes the record typed into the boxes before it is written. Returning false
    // refuses the save: the screen has told the user why, nothing is written.
    virtual bool completeRecord(SectionRecord& record) {
        Q_UNUSED(record);
        return true;
    }
    // The fields (in file order) that completeRecord() works out from others.
    virtual QSet<qsizetype> derivedFields() const { return {}; }
    // The last check before the record is merged into the file and written. Returning
    // false refuses the save: the screen has told the user why, nothing is written.
    virtual bool mayWrite(qint32 code) {
        Q_UNUSED(code);
        return true;
    }

private:
    void loadRecord(); // "ＤＡＴＡ"
    void saveRecord(); // "登録実行"
    void showRecord();
    SectionRecord typedRecord() const;
    // The boxes of the file's fields, whose unsaved values the screen watches.
    QStringList fieldBoxes() const;

    const RecordLayout& m_layout;
    QString m_codeBox;
    std::optional<qint32> m_companyCode;
    SectionRecord m_record;
    // What the last "ＤＡＴＡ" found in the file, for the next save to merge with.
    LoadedSection m_loaded;
};

} // namespace gaikyo
