#include "mainaccountsscreen.h"

#include "books/bookimport.h"
#include "datafile/numbers.h"
#include "screen/screennames.h"

namespace gaikyo {

namespace {

QString box(int number) {
    return QStringLiteral("Text%1").arg(number);
}

// The 有/無 boxes of items 8 and 9 follow the code box Text43.
bool isYesNoBox(const QString& name) {
    return name.mid(4).toInt() > 43;
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
    for (int row = 0; row < 19; ++row)
        addBox(box(1 + row), QRect(176, row == 0 ? 3 : 24 * row, 177, 24), right);
    for (int row = 0; row < 16; ++row)
        addBox(box(20 + row), QRect(504, 24 * row, 177, 24), right);
    // 10 代表者に対する報酬等の金額, along the bottom.
    addBox(box(36), QRect(192, 456, 145, 24), right);
    addBox(box(37), QRect(192, 480, 145, 24), right);
    addBox(box(38), QRect(24, 480, 145, 24), right);
    addBox(box(39), QRect(368, 456, 145, 24), right);
    addBox(box(40), QRect(368, 480, 145, 24), right);
    addBox(box(41), QRect(544, 456, 137, 24), right);
    addBox(box(42), QRect(544, 480, 137, 24), right);
    // 8 (1) インターネットバンキング, (2) ファームバンキング and 9: 有, 無.
    const struct {
        int number, x, y;
    } yesNo[] = {{44, 440, 408}, {45, 480, 408}, {46, 600, 408},
                 {47, 640, 408}, {48, 600, 432}, {49, 640, 432}};
    for (const auto& b : yesNo)
        addBox(box(b.number), QRect(b.x, b.y, 41, 24), Qt::AlignHCenter);

    addCodeBox(QRect(688, 120, 25, 25));
    addButton(clearButton, upright(QStringLiteral("クリア")), QRect(688, 144, 25, 105));
    addButton(dataButton, upright(QStringLiteral("ＤＡＴＡ")), QRect(688, 248, 25, 129));
    addButton(saveButton, upright(QStringLiteral("登録実行")), QRect(688, 384, 25, 113));

    // Above the code box, the one free place on the right edge: item 7 from a trial
    // balance.
    addButton(importButton, upright(bookimport::trialBalanceCaption), QRect(688, 0, 25, 119))
        .font.points = 9;
    onClick(importButton, [this] { bookimport::importTrialBalance(*this); });

    // Item 7 down its left column, then its right one; items 8 and 9 below that; item 10
    // along the bottom, down each of its columns (賃借料 stands alone in the first).
    QStringList order;
    for (int number = 1; number <= 35; ++number)
        order.append(box(number));
    for (int number : {44, 45, 46, 47, 48, 49, 38, 36, 37, 39, 40, 41, 42})
        order.append(box(number));
    setBoxOrder(order);
}

const QString MainAccountsScreen::importButton = QStringLiteral("Command10");

QString MainAccountsScreen::shownInteger(const QString& name, qint32 value) const {
    return isYesNoBox(name) ? plainDecimal(value) : groupedDisplay(value);
}

} // namespace gaikyo
