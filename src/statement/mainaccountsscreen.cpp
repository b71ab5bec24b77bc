#include "mainaccountsscreen.h"

#include "books/bookimport.h"
#include "datafile/itemfields.h"
#include "datafile/numbers.h"
#include "markbox.h"
#include "recordsaving.h"
#include "screen/boxnames.h"
#include "screen/messages.h"
#include "screen/screennames.h"

namespace gaikyo {

namespace {

using A = MainAccount;

QString box(MainAccount account) {
    return textBox(static_cast<int>(account));
}

// The 有/無 boxes of items 8 and 9 follow the code box Text43.
bool isYesNoBox(const QString& name) {
    return name.mid(4).toInt() >= static_cast<int>(A::InternetBankingYes);
}

// The upright buttons along the right edge carry their caption one character a line.
QString upright(const QString& caption) {
    QStringList characters;
    for (const QChar c : caption)
        characters.append(c);
    return characters.join(QLatin1Char('\n'));
}

} // namespace

MainAccountsScreen::MainAccountsScreen(Application& app)
    : RecordScreen(app, screens::mainAccounts, QStringLiteral("資産の内容"), QSize(718, 504), 30,
                   QStringLiteral("Text43")) {
    const Qt::Alignment right = Qt::AlignRight;
    // 7 主要科目: the profit-and-loss rows on the left (the first box sits a little low),
    // the balance-sheet rows on the right.
    const int sales = static_cast<int>(A::Sales), assets = static_cast<int>(A::Assets);
    for (int row = 0; row <= static_cast<int>(A::PretaxProfit) - sales; ++row)
        addBox(textBox(sales + row), QRect(176, row == 0 ? 3 : 24 * row, 177, 24), right);
    for (int row = 0; row <= static_cast<int>(A::NetAssets) - assets; ++row)
        addBox(textBox(assets + row), QRect(504, 24 * row, 177, 24), right);
    // 10 代表者に対する報酬等の金額, along the bottom; 8 (1) インターネットバンキング,
    // (2) ファームバンキング and 9: 有, 無.
    const struct {
        MainAccount account;
        QRect geometry;
        Qt::Alignment horizontal;
    } boxes[] = {{A::RepresentativePay, {192, 456, 145, 24}, right},
                 {A::RepresentativeInterest, {192, 480, 145, 24}, right},
                 {A::RepresentativeRent, {24, 480, 145, 24}, right},
                 {A::LentToRepresentative, {368, 456, 145, 24}, right},
                 {A::BorrowedFromRepresentative, {368, 480, 145, 24}, right},
                 {A::AdvancedToRepresentative, {544, 456, 137, 24}, right},
                 {A::ReceivedFromRepresentative, {544, 480, 137, 24}, right},
                 {A::InternetBankingYes, {440, 408, 41, 24}, Qt::AlignHCenter},
                 {A::InternetBankingNo, {480, 408, 41, 24}, Qt::AlignHCenter},
                 {A::FirmBankingYes, {600, 408, 41, 24}, Qt::AlignHCenter},
                 {A::FirmBankingNo, {640, 408, 41, 24}, Qt::AlignHCenter},
                 {A::OfficerChangeYes, {600, 432, 41, 24}, Qt::AlignHCenter},
                 {A::OfficerChangeNo, {640, 432, 41, 24}, Qt::AlignHCenter}};
    for (const auto& b : boxes)
        addBox(box(b.account), b.geometry, b.horizontal);

    addCodeBox(QRect(688, 120, 25, 25));
    addButton(clearButton, upright(QStringLiteral("クリア")), QRect(688, 144, 25, 105));
    addButton(dataButton, upright(QStringLiteral("ＤＡＴＡ")), QRect(688, 248, 25, 129));
    addButton(saveButton, upright(QStringLiteral("登録実行")), QRect(688, 384, 25, 113));

    // Above the code box, the one free place on the right edge: item 7 from a trial
    // balance.
    addButton(importButton, upright(bookimport::trialBalanceCaption), QRect(688, 0, 25, 119))
        .font.points = 9;
    onClick(importButton, [this] { bookimport::importTrialBalance(*this, companyCode()); });

    // Item 7 down its left column, then its right one; items 8 and 9 below that; item 10
    // along the bottom, down each of its columns (賃借料 stands alone in the first).
    QStringList order;
    for (int number = sales; number <= static_cast<int>(A::NetAssets); ++number)
        order.append(textBox(number));
    for (MainAccount account :
         {A::InternetBankingYes, A::InternetBankingNo, A::FirmBankingYes, A::FirmBankingNo,
          A::OfficerChangeYes, A::OfficerChangeNo, A::RepresentativeRent, A::RepresentativePay,
          A::RepresentativeInterest, A::LentToRepresentative, A::BorrowedFromRepresentative,
          A::AdvancedToRepresentative, A::ReceivedFromRepresentative})
        order.append(box(account));
    setBoxOrder(order);
}

const QString MainAccountsScreen::importButton = QStringLiteral("Command10");

QString MainAccountsScreen::shownInteger(const QString& name, qint32 value) const {
    return isYesNoBox(name) ? markbox::shown(value) : groupedDisplay(value);
}

qint32 MainAccountsScreen::typedInteger(const QString& name, const QString& typed) const {
    if (!isYesNoBox(name))
        return RecordScreen::typedInteger(name, typed);
    // A text that is no mark saves nothing (the save refuses it); a number a file held
    // and the box shows as it stands reads as that number.
    return markbox::read(typed).value_or(readInteger(typed));
}

QString MainAccountsScreen::savedForm(const QString& name, const QString& typed,
                                      const QString& saved) const {
    if (!isYesNoBox(name))
        return RecordScreen::savedForm(name, typed, saved);
    const std::optional<qint32> mark = markbox::read(typed);
    return mark ? plainDecimal(*mark) : typed;
}

bool MainAccountsScreen::completeRecord(SectionRecord& record) {
    Q_UNUSED(record);
    QStringList refused;
    for (const RecordField& field : layout().integers) {
        if (!isYesNoBox(field.box))
            continue;
        const QString typed = text(field.box);
        if (!markbox::read(typed))
            refused.append(markbox::refusal(field.caption, typed));
    }
    if (refused.isEmpty())
        return true;
    messages::warn(recordsaving::saveTitle(),
                   refused.join(QLatin1Char('\n')) + QStringLiteral("\n今回は登録していません。"));
    return false;
}

} // namespace gaikyo
