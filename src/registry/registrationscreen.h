#pragma once

#include "businessyear.h"
#include "companyrecord.h"
#include "loadedcompany.h"
#include "screen/screen.h"
#include "yearend.h"

#include <QSet>
#include <memory>
#include <optional>

namespace gaikyo {

struct EraDateBoxes;

// Form9 "法人税事業概況書に登録": edits a company's header and writes its master file.
// The main menu and the print screen hand it the current company, which "DATA" calls up.
// The screen holds one company record while it is open; closing the screen discards it.
class RegistrationScreen : public Screen {
    Q_OBJECT
public:
    explicit RegistrationScreen(Application& app);

    void load() override;

    // The screen's internal "クリア" step (no visible button): empties the entry boxes,
    // except the representative in Text9.
    void clear();

    // The company "DATA" calls up: the current company of the screen that opened this one.
    void handOver(qint32 code) { m_handedCode = code; }
    std::optional<qint32> handedCode() const { return m_handedCode; }
    // Hands the company over and calls it up as "DATA" does: unsaved values are asked
    // about first, and callUpFailure() tells why it stopped.
    void callUp(qint32 code);

    // Why the last "会社呼出" stopped before showing a company, in the system's words
    // ("ファイルが見つかりません。"); empty when it showed one.
    const QString& callUpFailure() const { return m_callUpFailure; }

    // The steps of a year's end beyond the master file: keeping the year, starting the new
    // one's figures. Without them "翌期更新" rolls the master file alone.
    void setYearEnd(std::shared_ptr<YearEnd> steps) { m_yearEnd = std::move(steps); }

protected:
    QString saveButtonFor(const QStringList& changed) const override;
    QString boxCaption(const QString& box) const override;

private:
    void addControls();
    // Before a call-up replaces the boxes: unsaved values are asked about (the code
    // typed into Text1 to call a company up is no such value). False: stay.
    bool mayCallUp();
    void emptyEveryBox();    // Command9 "法人コード"
    void callUpHandedCode(); // Command7 "DATA"
    void callUpTypedCode();  // Command6 "会社呼出", of the code in Text1
    void failCallUp(const QString& description);
    // After a call-up: a business year that is no year (a date the calendar lacks, an end
    // before the start, more than twelve months) is shown as it stands and named, with
    // the file it came from.
    void warnOfImpossibleYear(bool fromOwnFile);
    void showRecord();
    void computeYearEnd(); // Command3 "事業年度"
    // A date of the business year, its year in the era it falls in.
    void showDate(const EraDateBoxes& date, const businessyear::Date& shown);
    void rollYearForward(); // Command13 "翌期更新"
    // Before the roll (registrationyearend.cpp): the question naming both years, then the
    // year kept. Nothing: the user said いいえ, or the year could not be kept (told why);
    // nothing has changed then.
    struct YearEndStep {
        qint32 code = 0;
        businessyear::Date oldStart, oldEnd, newStart, newEnd;
        YearEnd::Kept kept;
    };
    std::optional<YearEndStep> beginYearEnd(const businessyear::Date& newStart,
                                            const businessyear::Date& newEnd);
    // After the roll: says where the year went and asks whether to begin the new year's
    // figures.
    void finishYearEnd(const YearEndStep& step);
    bool save(); // Command12 "法人税の事業概況書に登録する"
    // The record the boxes hold over the one called up; nothing when a number box does
    // not hold a number (the user is told which when `warn`).
    std::optional<CompanyRecord> typedRecord(bool warn);
    // Whether saving the record may replace the master file of its code: asks first when
    // the file holds another company that this screen did not call up.
    bool mayReplaceMasterFile(const CompanyRecord& record);

    CompanyRecord m_record;
    std::optional<qint32> m_handedCode;
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
    std::shared_ptr<YearEnd> m_yearEnd;
};

} // namespace gaikyo
