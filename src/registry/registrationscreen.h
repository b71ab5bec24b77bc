#pragma once

#include "businessyear.h"
#include "companyrecord.h"
#include "loadedcompany.h"
#include "screen/screen.h"

#include <QSet>
#include <optional>

namespace gaikyo {

struct EraDateBoxes;

// Form9 "法人税事業概況書に登録": edits a company's header and writes its master file.
// The caller puts the company code into the hidden code box Text8. The screen holds one
// company record while it is open; closing the screen discards it.
class RegistrationScreen : public Screen {
    Q_OBJECT
public:
    explicit RegistrationScreen(Application& app);

    void load() override;

    // The screen's internal "クリア" step (no visible button): empties the entry boxes,
    // except the representative in Text9.
    void clear();

    // Why the last "会社呼出" stopped before showing a company, in the system's words
    // ("ファイルが見つかりません。"); empty when it showed one.
    const QString& callUpFailure() const { return m_callUpFailure; }

protected:
    QString saveButtonFor(const QStringList& changed) const override;
    QString boxCaption(const QString& box) const override;

private:
    void addControls();
    // Before a call-up replaces the boxes: unsaved values are asked about (the code
    // typed into Text1 to call a company up is no such value). False: stay.
    bool mayCallUp();
    void emptyEveryBox();  // Command9 "法人コード"
    void takeHandedCode(); // Command7 "DATA"
    void callUp();         // Command6 "会社呼出"
    void failCallUp(const QString& description);
    void showRecord();
    void computeYearEnd(); // Command3 "事業年度"
    // A date of the business year, its year in the era it falls in.
    void showDate(const EraDateBoxes& date, const businessyear::Date& shown);
    void rollYearForward(); // Command13 "翌期更新"
    bool save();            // Command12 "法人税の事業概況書に登録する"
    // The record the boxes hold over the one called up; nothing when a number box does
    // not hold a number (the user is told which when `warn`).
    std::optional<CompanyRecord> typedRecord(bool warn);
    // Whether saving the record may replace the master file of its code: asks first when
    // the file holds another company that this screen did not call up.
    bool mayReplaceMasterFile(const CompanyRecord& record);

    CompanyRecord m_record;
    // The code of the company the screen last called up, while its boxes show it.
    std::optional<qint32> m_calledUpCode;
    // What that call-up found in the company's master file.
    LoadedCompany m_loaded;
    // The master files there were when the screen was last cleared: a code typed anew
    // whose file appeared since was registered elsewhere meanwhile.
    QSet<QString> m_masterFilesAtStart;
    // The registry values without a box, kept as the other program wrote them.
    qint32 m_registryValue2 = 0;
    QString m_registryValues12to15[4];
    QString m_callUpFailure;
};

} // namespace gaikyo
