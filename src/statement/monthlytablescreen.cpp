#include "monthlytablescreen.h"

#include "books/bookimport.h"
#include "datafile/itemfields.h"
#include "datafile/numbers.h"
#include "monthorder.h"
#include "recordsaving.h"
#include "registry/masterfile.h"
#include "screen/boxnames.h"
#include "screen/messages.h"
#include "screen/screennames.h"
#include "sectionfile.h"

#include <algorithm>
#include <limits>

namespace gaikyo {

namespace {

using monthlytable::cell;
using monthlytable::columns;
using monthlytable::monthRows;
using monthlytable::rows;
using monthlytable::totalRow;

// 売上 ×2, 仕入 ×2, 外注費, 人件費 and 源泉徴収税額: their 計 is a sum.
constexpr int moneyColumns = monthlytable::summedColumns;

// The columns whose 計 is summed, as a message names them.
QString moneyColumnName(int column) {
    static const char* const names[moneyColumns] = {"売上（収入）金額の1列目",
                                                    "売上（収入）金額の2列目",
                                                    "仕入金額の1列目",
                                                    "仕入金額の2列目",
                                                    "外注費",
                                                    "人件費",
                                                    "源泉徴収税額"};
    return QString::fromUtf8(names[column - 1]);
}

int rowY(int row) {
    return 48 + 24 * (row - 1);
}

} // namespace

const QString MonthlyTableScreen::monthButton = QStringLiteral("Command3");
const QString MonthlyTableScreen::monthStep = QStringLiteral("月表示");
const QString MonthlyTableScreen::importButton = QStringLiteral("Command10");

QString MonthlyTableScreen::cellBox(int row, int column) {
    return textBox(cell(row, column));
}

QString MonthlyTableScreen::monthLabel(int row) {
    return textBox(135 + row);
}

MonthlyTableScreen::MonthlyTableScreen(Application& app)
    : RecordScreen(app, screens::monthlyTable, QStringLiteral("月別表"), QSize(694, 504), 60,
                   QStringLiteral("Text148")) {
    setDefaultFont(FontSpec{QStringLiteral("ＭＳ Ｐゴシック"), 12, false});
    addControls();
    onClick(monthButton, [this] { showMonthOrder(); });
    onClick(monthStep, [this] { click(monthButton); });
    onClick(importButton,
            [this] { bookimport::importMonthlyTable(*this, m_rowMonths, companyCode()); });
}

void MonthlyTableScreen::addControls() {
    // Headings the company gives the two sub-columns of 売上 and of 仕入.
    const struct {
        int number, x, width;
    } headings[] = {{130, 64, 81}, {131, 144, 73}, {132, 216, 73}, {133, 288, 81}};
    for (const auto& h : headings)
        addBox(textBox(h.number), QRect(h.x, 24, h.width, 24), Qt::AlignHCenter).inputMode =
            InputMode::Hiragana;
    Control& untitled = addBox(textBox(135), QRect(600, 16, 49, 24), Qt::AlignHCenter);
    untitled.maxLength = 4;
    untitled.inputMode = InputMode::Hiragana;
    untitled.font.points = 9.75;

    // The table: twelve months, 計 and 前期の実績 in each of nine columns.
    const struct {
        int x, width;
    } places[] = {{64, 81},  {144, 73}, {216, 73}, {288, 81}, {368, 73},
                  {448, 73}, {520, 73}, {600, 49}, {648, 41}};
    for (int c = 1; c <= columns; ++c)
        for (int r = 1; r <= rows; ++r)
            addBox(cellBox(r, c), QRect(places[c - 1].x, rowY(r), places[c - 1].width, 24),
                   Qt::AlignRight);

    // 18 当期の営業成績の概要.
    for (int line = 0; line < 3; ++line) {
        Control& c =
            addBox(textBox(127 + line), QRect(48, 392 + 24 * line, 633, 25), Qt::AlignLeft);
        c.maxLength = 45;
        c.font.points = 11.25;
    }

    // The month of each row follows the business year: nothing typed there would count.
    for (int r = 1; r <= monthRows; ++r) {
        Control& label = addBox(monthLabel(r), QRect(24, rowY(r), 17, 24), Qt::AlignHCenter);
        label.font.points = 9.75;
        label.readOnly = true;
    }

    // A value of the file that the screen only carries along.
    Control& carried = addBox(textBox(134), QRect(136, 472, 49, 24), Qt::AlignLeft);
    carried.visible = false;
    addCodeBox(QRect(304, 472, 49, 25));
    Control& month = addButton(monthButton, monthStep, QRect(240, 472, 65, 25));
    month.visible = false;
    addButtonRow(472, 352, 440, 544).font.points = 11.25;
    // Item 17 from a monthly table, left of the hidden controls of the bottom row.
    addButton(importButton, bookimport::monthlyTableCaption, QRect(8, 472, 121, 25)).font.points =
        11.25;

    // The headings, the table down each column as the months are copied from a list, then
    // item 18.
    QStringList order;
    for (int number : {130, 131, 132, 133, 135})
        order.append(textBox(number));
    for (int c = 1; c <= columns; ++c)
        for (int r = 1; r <= rows; ++r)
            order.append(cellBox(r, c));
    for (int number : {127, 128, 129})
        order.append(textBox(number));
    setBoxOrder(order);
}

void MonthlyTableScreen::load() {
    RecordScreen::load();
    click(monthButton);
}

void MonthlyTableScreen::openOn(qint32 code) {
    RecordScreen::openOn(code);
    // A file that loaded has labelled the rows already (afterLoad); a missing one has not.
    if (m_rowMonths.isEmpty())
        showMonthOrder();
}

void MonthlyTableScreen::clearBoxes() {
    RecordScreen::clearBoxes();
    m_rowMonths.clear();
    for (int r = 1; r <= monthRows; ++r)
        setText(monthLabel(r), QString());
}

void MonthlyTableScreen::afterLoad() {
    click(monthButton);
}

bool MonthlyTableScreen::completeRecord(SectionRecord& record) {
    // The table follows the nine texts in the file, column by column.
    const auto field = [&record](int r, int c) -> qint32& {
        return record.integers[cell(r, c) - 1];
    };
    qint64 totals[moneyColumns] = {};
    bool hasMonths[moneyColumns] = {};
    QStringList tooLarge;
    for (int c = 1; c <= moneyColumns; ++c) {
        for (int r = 1; r <= monthRows; ++r) {
            totals[c - 1] += field(r, c);
            hasMonths[c - 1] = hasMonths[c - 1] || field(r, c) != 0;
        }
        if (totals[c - 1] < std::numeric_limits<qint32>::min() ||
            totals[c - 1] > std::numeric_limits<qint32>::max())
            tooLarge.append(QStringLiteral("「%1」").arg(moneyColumnName(c)));
    }
    if (!tooLarge.isEmpty()) {
        messages::warn(recordsaving::saveTitle(),
                       QStringLiteral("%1の計が大きすぎて出せないため、登録できません。各月の"
                                      "金額を確かめてください。")
                           .arg(tooLarge.join(QStringLiteral("、"))));
        return false;
    }
    // The untitled column and 従事員数 keep the 計 typed; 前期の実績 is never computed.
    // A column without a figure for any month keeps the 計 typed as well: the year's
    // total may be all the user knows, and it is never thrown away for an empty sum.
    for (int c = 1; c <= moneyColumns; ++c)
        if (hasMonths[c - 1])
            field(totalRow, c) = static_cast<qint32>(totals[c - 1]);
    return true;
}

QSet<qsizetype> MonthlyTableScreen::derivedFields() const {
    QSet<qsizetype> totals;
    for (int c = 1; c <= moneyColumns; ++c)
        totals.insert(layout().texts.size() + cell(totalRow, c) - 1);
    return totals;
}

bool MonthlyTableScreen::mayWrite(qint32 code) {
    // Without a readable master file there is nothing to check against (nor to label by).
    CompanyRecord company;
    if (!masterfile::read(code, 13, company))
        return true;
    QStringList expected;
    for (const int month : monthorder::fromStartMonth(company.startMonth))
        expected.append(plainDecimal(month));
    QStringList shown;
    for (int r = 1; r <= monthRows; ++r)
        shown.append(text(monthLabel(r)));
    if (shown == expected)
        return true;

    // The business year's first month changed since the rows were labelled (on another
    // screen or computer): the figures typed under the old labels would be saved, and
    // printed, under other months. The rows stay as typed for the user to check.
    click(monthButton);
    const bool unlabelled = std::all_of(shown.cbegin(), shown.cend(),
                                        [](const QString& label) { return label.isEmpty(); });
    const QString before =
        unlabelled ? QStringLiteral("（表示なし）") : shown.join(QLatin1Char(',')) + u'月';
    messages::warn(recordsaving::saveTitle(),
                   QStringLiteral("この会社の事業年度の始まりの月が変わったため、表の各行の月が"
                                  "変わりました。\n　これまでの月：%1\n　新しい月：%2\n"
                                  "入力した数字は画面にそのまま残してあります。各行の数字が正しい"
                                  "月の行にあるかを確かめてから、もう一度「登録実行」を押してくだ"
                                  "さい。\n今回は登録していません。")
                       .arg(before, expected.join(QLatin1Char(',')) + u'月'));
    return false;
}

void MonthlyTableScreen::showMonthOrder() {
    // Nothing to go by (no code, no master file, a short one): the labels stay as they
    // are and no month order file is written.
    const std::optional<qint32> code = companyCode();
    if (!code)
        return;
    CompanyRecord company;
    if (!masterfile::read(*code, 13, company))
        return;
    const QList<int> months = monthorder::fromStartMonth(company.startMonth);
    m_rowMonths = months;
    SectionRecord order = SectionRecord::emptyFor(layouts::monthOrder());
    for (int r = 1; r <= monthRows; ++r) {
        setText(monthLabel(r), plainDecimal(months.at(r - 1)));
        order.integers[r - 1] = months.at(r - 1);
    }
    // The back page reads the rows' months from this file; a file that cannot be
    // written changes nothing on the screen.
    sectionfile::save(*code, layouts::monthOrder(), order);
}

} // namespace gaikyo
