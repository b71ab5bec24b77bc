// The year's end around "翌期更新": the question before the roll, the year kept, and
// the question whether the new year's figures begin.
#include "registrationscreen.h"

#include "datafile/drivec.h"
#include "datafile/erayear.h"
#include "screen/messages.h"

#include <QDir>

namespace gaikyo {

namespace {

const QString rollTitle = QStringLiteral("翌期更新");

// "令和7年4月1日～令和8年3月31日": a business year, each date in its own era.
QString shownYear(const businessyear::Date& start, const businessyear::Date& end) {
    return erayear::shownDate(start.year, start.month, start.day) + QStringLiteral("～") +
           erayear::shownDate(end.year, end.month, end.day);
}

} // namespace

std::optional<RegistrationScreen::YearEndStep>
RegistrationScreen::beginYearEnd(const businessyear::Date& newStart,
                                 const businessyear::Date& newEnd) {
    // The year that closes, as the boxes hold it; a box that holds no number is named
    // here, before anything is asked or kept.
    const std::optional<CompanyRecord> typed = typedRecord(true);
    if (!typed)
        return std::nullopt;
    YearEndStep step;
    step.code = typed->code;
    step.oldStart = {typed->startYear, typed->startMonth, typed->startDay};
    step.oldEnd = {typed->endYear, typed->endMonth, typed->endDay};
    step.newStart = newStart;
    step.newEnd = newEnd;

    QString question =
        QStringLiteral("%1 を\n%2 に更新します。よろしいですか？")
            .arg(shownYear(step.oldStart, step.oldEnd), shownYear(step.newStart, step.newEnd));
    if (m_yearEnd)
        question += QStringLiteral("\n\n更新の前に、今の年度のデータと印刷した形（PDF）を控えとして"
                                   "保存します。");
    // Every date that prints changes: only a deliberate はい rolls.
    if (!messages::confirm(rollTitle, question))
        return std::nullopt;

    if (m_yearEnd) {
        step.kept = m_yearEnd->keepYear(step.code);
        if (!step.kept.status.ok()) {
            messages::warn(rollTitle, step.kept.status.message() +
                                          QStringLiteral("\n翌期更新はしていません。"));
            return std::nullopt;
        }
    }
    return step;
}

void RegistrationScreen::finishYearEnd(const YearEndStep& step) {
    // The roll's save has closed this screen: it may be gone once a message box has run
    // its own event loop, so nothing of it is used after the first question.
    const std::shared_ptr<YearEnd> steps = m_yearEnd;
    if (!steps)
        return;
    steps->yearRolled(step.code);
    QString text = QStringLiteral("事業年度を %1 に更新しました。\n")
                       .arg(shownYear(step.newStart, step.newEnd));
    if (!step.kept.nothingToKeep)
        text += QStringLiteral("前の年度（%1）のデータと印刷した形（PDF）は、次のフォルダに控えと"
                               "して保存しました。印刷画面の「過年度の控え」から開けます。\n%2\n")
                    .arg(shownYear(step.oldStart, step.oldEnd),
                         QDir::toNativeSeparators(drivec::hostPath(step.kept.folder)));
    text += QStringLiteral(
        "\n新しい年度の数字の入力を始めますか？\n"
        "「はい」：月別の売上高等の状況（17）の計を前期の実績に移し、主要科目（7）、代表者に対する"
        "報酬等の金額（10）と月別の売上高等の状況（17）の各月と計を空にします。事業内容、株主、設備"
        "、"
        "税理士などはそのまま残ります。\n"
        "「いいえ」：どのファイルもそのままにします。");
    const qint32 code = step.code;
    // Emptying a year's figures is the step to take deliberately.
    if (!messages::confirm(rollTitle, text))
        return;
    const Status started = steps->startNewFigures(code);
    if (!started.ok())
        messages::warn(rollTitle, started.message());
}

} // namespace gaikyo
