#include "taxaccountantscreen.h"

#include "screen/boxnames.h"
#include "screen/screennames.h"

namespace gaikyo {

TaxAccountantScreen::TaxAccountantScreen(Application& app)
    : RecordScreen(app, screens::taxAccountant, QStringLiteral("税理士等"), QSize(703, 359), 50,
                   QStringLiteral("Text44")) {
    // Boxes for words switch the input method to hiragana; hours and marks do not.
    const auto words = [this](int number, int x, int y, int width) {
        addBox(textBox(number), QRect(x, y, width, 19), Qt::AlignLeft).inputMode =
            InputMode::Hiragana;
    };
    const auto centred = [this](int number, int x, int y, int width, InputMode mode) {
        addBox(textBox(number), QRect(x, y, width, 19), Qt::AlignHCenter).inputMode = mode;
    };
    // 13 決済日等の状況: 締切日 and 決済日 of 売上, 仕入, 外注費, 給料.
    for (int row = 0; row < 4; ++row)
        words(1 + row, 160, 8 + 24 * row, 81);
    for (int row = 0; row < 4; ++row)
        words(5 + row, 304, 8 + 24 * row, 73);
    // 14 帳簿書類の名称, two columns of seven lines.
    for (int line = 0; line < 7; ++line)
        words(9 + line, 32, 128 + 24 * line, 169);
    for (int line = 0; line < 7; ++line)
        words(16 + line, 208, 128 + 24 * line, 169);
    // 15 税理士: 氏名, 事務所所在地, 電話番号.
    for (int row = 0; row < 3; ++row)
        words(23 + row, 464, 8 + 24 * row, 233);
    // 16 加入組合等: two organisations, each with the member's 役職名.
    words(26, 400, 152, 297);
    words(27, 464, 176, 233);
    words(28, 400, 200, 297);
    words(29, 464, 224, 233);
    // 営業時間 開店 … 時 … 閉店 … 時 …, then 定休日.
    centred(30, 496, 248, 25, InputMode::None);
    centred(31, 544, 248, 25, InputMode::None);
    centred(32, 608, 248, 25, InputMode::None);
    centred(33, 656, 248, 25, InputMode::None);
    centred(34, 544, 272, 41, InputMode::Hiragana);
    centred(35, 616, 272, 57, InputMode::Hiragana);
    // 15 (4) 関与状況: the marks over the eight circles.
    const struct {
        int number, x, y, width;
    } marks[] = {{36, 464, 80, 25}, {37, 464, 104, 25}, {38, 544, 80, 17},  {39, 543, 104, 18},
                 {40, 624, 80, 17}, {41, 624, 104, 17}, {42, 464, 128, 25}, {43, 584, 128, 17}};
    for (const auto& m : marks)
        centred(m.number, m.x, m.y, m.width, InputMode::None);

    addCodeBox(QRect(248, 320, 49, 25));
    addButtonRow(320, 296, 384, 488);

    // The left column (items 13 and 14), then the right one: item 15 with its circles
    // down each of their columns, then item 16.
    QStringList order;
    for (int number = 1; number <= 25; ++number)
        order.append(textBox(number));
    for (int number : {36, 37, 42, 38, 39, 43, 40, 41})
        order.append(textBox(number));
    for (int number = 26; number <= 35; ++number)
        order.append(textBox(number));
    setBoxOrder(order);
}

} // namespace gaikyo
