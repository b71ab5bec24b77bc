#include "businessformscreen.h"

#include "screen/boxnames.h"
#include "screen/screennames.h"

namespace gaikyo {

BusinessFormScreen::BusinessFormScreen(Application& app)
    : RecordScreen(app, screens::businessForm, QStringLiteral("事業形態"), QSize(695, 370), 40,
                   QStringLiteral("Text28")) {
    const auto entry = [this](int number, int x, int y, int width, Qt::Alignment horizontal) {
        Control& c = addBox(textBox(number), QRect(x, y, width, 19), horizontal);
        c.inputMode = InputMode::Hiragana;
        return &c;
    };
    // (1) 兼業の状況: 兼業種目 and 兼業割合 (%) on three rows.
    for (int row = 0; row < 3; ++row) {
        entry(1 + 2 * row, 48, 24 + 24 * row, 177, Qt::AlignLeft);
        entry(2 + 2 * row, 240, 24 + 24 * row, 121, Qt::AlignRight);
    }
    // (2) 事業内容の特異性, seven lines; 12 主な設備等の状況, twelve lines.
    for (int line = 0; line < 7; ++line)
        entry(7 + line, 48, 112 + 24 * line, 313, Qt::AlignLeft);
    for (int line = 0; line < 12; ++line)
        entry(14 + line, 392, 16 + 24 * line, 289, Qt::AlignLeft);
    // (3) 売上区分: the two percentages take digits, so the input method stays as it is.
    entry(26, 200, 288, 41, Qt::AlignRight)->inputMode = InputMode::None;
    entry(27, 312, 288, 41, Qt::AlignRight)->inputMode = InputMode::None;

    addCodeBox(QRect(272, 336, 49, 25));
    addButtonRow(336, 320, 408, 512);

    // Item 11 down the left column, its (3) 売上区分 last; then item 12 on the right.
    QStringList order;
    for (int number = 1; number <= 13; ++number)
        order.append(textBox(number));
    for (int number : {26, 27})
        order.append(textBox(number));
    for (int number = 14; number <= 25; ++number)
        order.append(textBox(number));
    setBoxOrder(order);
}

} // namespace gaikyo
