#include "columnchoicedialog.h"

#include "books/bookfigures.h"
#include "screen/shorttext.h"

#include <QApplication>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QVBoxLayout>

namespace gaikyo {

namespace {

// The colours of the table follow the roles the user gives the columns.
const QColor headingBackground(225, 225, 225);
const QColor nameBackground(215, 232, 255);
const QColor amountBackground(255, 242, 190);
const QColor aboveHeading(150, 150, 150);

constexpr int tableRowsShown = 12;
// A table of more columns is shown up to here: no chart of accounts needs more, and a
// cell for each of 100,000 columns would fill the memory.
constexpr int columnsShown = 256;
// A cell's text in a list stops here: the lists stay narrow enough for the screen.
constexpr int cellTextShown = 16;

// A, B, … Z, AA, AB …, as spreadsheets name their columns.
QString columnLetter(int column) {
    QString letters;
    for (int n = column + 1; n > 0; n = (n - 1) / 26)
        letters.prepend(QChar(u'A' + (n - 1) % 26));
    return letters;
}

QString shortened(const QString& text) {
    const QString oneLine = text.left(cellTextShown * 4).simplified();
    return oneLine.size() > cellTextShown ? oneLine.left(cellTextShown - 1) + QChar(u'…') : oneLine;
}

QComboBox* comboBox(const QString& name, QWidget* parent) {
    auto* box = new QComboBox(parent);
    box->setObjectName(name);
    box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    box->setMinimumContentsLength(14);
    return box;
}

void select(QComboBox* box, int value) {
    const int at = box->findData(value);
    box->setCurrentIndex(at >= 0 ? at : 0);
}

} // namespace

ColumnChoiceDialog::ColumnChoiceDialog(const columnchoice::Request& request, QWidget* parent)
    : QDialog(parent), m_request(request) {
    setObjectName(QStringLiteral("ColumnChoiceDialog"));
    setWindowTitle(request.title);
    const bool months = request.amounts == columnchoice::Amounts::Months;
    qsizetype widest = 0;
    for (const QStringList& row : request.rows)
        widest = std::max(widest, row.size());
    m_columns = static_cast<int>(std::min<qsizetype>(widest, columnsShown));

    auto* explanation = new QLabel(
        QStringLiteral("「%1」のどの列が勘定科目で、どの列が%2なのか、見分けられませんでした。"
                       "見出しの行と列を選んでください。表の色は、いま選んでいる列です。"
                       "はじめは、見分けられたところまでを選んであります。")
                .arg(shorttext::shortened(request.fileName),
                     months ? QStringLiteral("月ごとの金額") : QStringLiteral("残高")) +
            (widest > columnsShown
                 ? QStringLiteral("（ファイルの%1列のうち、はじめの%2列を示しています。）")
                       .arg(QLocale(QLocale::Japanese).toString(widest))
                       .arg(columnsShown)
                 : QString()),
        this);
    explanation->setObjectName(QStringLiteral("explanation"));
    explanation->setWordWrap(true);

    m_table = new QTableWidget(static_cast<int>(request.rows.size()), m_columns, this);
    m_table->setObjectName(QStringLiteral("rowsTable"));
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setSelectionMode(QAbstractItemView::NoSelection);
    // The lists below are the keyboard's way through; the table follows them.
    m_table->setFocusPolicy(Qt::NoFocus);
    m_table->setWordWrap(false);
    for (int r = 0; r < request.rows.size(); ++r)
        for (int c = 0; c < m_columns; ++c) {
            const QString text = request.rows.at(r).value(c);
            const QString shown = shorttext::shortened(text.simplified());
            auto* item = new QTableWidgetItem(shown);
            if (text != shown)
                item->setToolTip(shorttext::shortened(text));
            // Figures stand to the right, as a spreadsheet shows them.
            if (bookfigures::figure(text).kind == bookfigures::Figure::Kind::Read)
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            m_table->setItem(r, c, item);
        }

    m_headingRow = comboBox(QStringLiteral("headingRow"), this);
    for (int r = 0; r < request.rows.size(); ++r) {
        QStringList cells;
        for (const QString& cell : request.rows.at(r).mid(0, columnsShown))
            if (!cell.trimmed().isEmpty())
                cells.append(shortened(cell));
        m_headingRow->addItem(
            QStringLiteral("%1行目　%2").arg(r + 1).arg(cells.join(QStringLiteral("・"))), r);
    }
    m_headingRow->setMinimumContentsLength(40);
    m_nameColumn = comboBox(QStringLiteral("nameColumn"), this);

    auto* choices = new QGridLayout;
    const auto addRow = [&](int row, int column, const QString& caption, QComboBox* box,
                            int span = 1) {
        auto* label = new QLabel(caption, this);
        label->setBuddy(box);
        choices->addWidget(label, row, column * 2);
        choices->addWidget(box, row, column * 2 + 1, 1, span);
    };
    // The heading row's list spans the width the month lists take.
    addRow(0, 0, QStringLiteral("見出しの行"), m_headingRow, months ? 5 : 1);
    addRow(1, 0, QStringLiteral("勘定科目の列"), m_nameColumn);
    if (months) {
        // The months in the order of the file's year: from the first month the guess
        // found, else from April.
        int first = 4;
        if (!request.guess.monthColumns.isEmpty())
            first = request.guess.monthColumns.first();
        for (int i = 0; i < 12; ++i) {
            const int month = (first - 1 + i) % 12 + 1;
            QComboBox* box = comboBox(QStringLiteral("monthColumn%1").arg(month), this);
            m_monthColumns.append(box);
            m_months.append(month);
            addRow(2 + i / 3, i % 3, QStringLiteral("%1月の列").arg(month), box);
        }
        // A year of months mostly stands in columns side by side: one press fills the
        // months after the first chosen one with the columns to its right.
        m_fillMonths = new QPushButton(QStringLiteral("続く月に右の列を順に当てはめる"), this);
        m_fillMonths->setObjectName(QStringLiteral("fillMonths"));
        m_fillMonths->setAutoDefault(false);
        choices->addWidget(m_fillMonths, 6, 1, 1, 5, Qt::AlignLeft);
        connect(m_fillMonths, &QPushButton::clicked, this, &ColumnChoiceDialog::fillMonths);
    } else {
        m_balanceColumn = comboBox(QStringLiteral("balanceColumn"), this);
        addRow(2, 0, QStringLiteral("残高の列"), m_balanceColumn);
    }
    choices->setColumnStretch(choices->columnCount(), 1);

    m_problem = new QLabel(this);
    m_problem->setObjectName(QStringLiteral("problem"));
    m_problem->setStyleSheet(QStringLiteral("color: #b00000;"));
    m_problem->setWordWrap(true);

    m_choose = new QPushButton(QStringLiteral("この列で取り込む"), this);
    m_choose->setObjectName(QStringLiteral("chooseButton"));
    m_choose->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("やめる"), this);
    cancel->setObjectName(QStringLiteral("cancelButton"));
    connect(m_choose, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_choose);
    buttons->addWidget(cancel);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(explanation);
    layout->addWidget(m_table, 1);
    layout->addLayout(choices);
    layout->addWidget(m_problem);
    layout->addLayout(buttons);

    // The order the Tab key takes: the lists as they stand, then the buttons.
    QList<QWidget*> order{m_headingRow, m_nameColumn};
    if (m_balanceColumn)
        order.append(m_balanceColumn);
    for (QComboBox* box : m_monthColumns)
        order.append(box);
    if (m_fillMonths)
        order.append(m_fillMonths);
    order << m_choose << cancel;
    for (int i = 0; i + 1 < order.size(); ++i)
        setTabOrder(order.at(i), order.at(i + 1));

    select(m_headingRow, static_cast<int>(request.guess.headingRow));
    fillColumnLists();
    select(m_nameColumn, request.guess.nameColumn);
    if (m_balanceColumn)
        select(m_balanceColumn, request.guess.balanceColumn);
    for (int i = 0; i < m_monthColumns.size(); ++i)
        select(m_monthColumns.at(i), request.guess.monthColumns.key(m_months.at(i), -1));
    showChoice();

    connect(m_headingRow, &QComboBox::currentIndexChanged, this, [this] {
        fillColumnLists();
        showChoice();
    });
    for (QComboBox* box : findChildren<QComboBox*>())
        if (box != m_headingRow)
            connect(box, &QComboBox::currentIndexChanged, this, &ColumnChoiceDialog::showChoice);
    m_headingRow->setFocus();

    m_table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_table->verticalHeader()->setDefaultSectionSize(m_table->fontMetrics().height() + 6);
    m_table->resizeColumnsToContents();
    for (int c = 0; c < m_columns; ++c)
        m_table->setColumnWidth(c, std::min(m_table->columnWidth(c), 220));
    int height = m_table->horizontalHeader()->sizeHint().height() + 2 * m_table->frameWidth() +
                 m_table->horizontalScrollBar()->sizeHint().height();
    for (int r = 0; r < std::min<int>(m_table->rowCount(), tableRowsShown); ++r)
        height += m_table->rowHeight(r);
    m_table->setMinimumHeight(height);

    const QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen();
    const QRect available = screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
    setMaximumSize(available.width(), available.height() - 40);
    resize(std::min(900, available.width() - 40),
           std::min(sizeHint().height(), available.height() - 60));
}

// The lists of columns name each column by its heading in the chosen heading row.
void ColumnChoiceDialog::fillColumnLists() {
    const int headingRow = m_headingRow->currentData().toInt();
    const QStringList heading = m_request.rows.value(headingRow);
    QList<QComboBox*> boxes{m_nameColumn};
    if (m_balanceColumn)
        boxes.append(m_balanceColumn);
    boxes += m_monthColumns;
    for (QComboBox* box : boxes) {
        const QSignalBlocker quiet(box);
        const int selected = box->currentIndex() >= 0 ? box->currentData().toInt() : -1;
        box->clear();
        box->addItem(m_monthColumns.contains(box) ? QStringLiteral("（なし）")
                                                  : QStringLiteral("（選んでください）"),
                     -1);
        for (int c = 0; c < m_columns; ++c) {
            const QString cell = shortened(heading.value(c));
            box->addItem(cell.isEmpty() ? QStringLiteral("%1列").arg(columnLetter(c))
                                        : QStringLiteral("%1列　%2").arg(columnLetter(c), cell),
                         c);
        }
        select(box, selected);
    }
}

void ColumnChoiceDialog::fillMonths() {
    int column = -1;
    for (QComboBox* box : m_monthColumns) {
        if (column < 0) {
            column = box->currentData().toInt();
            continue;
        }
        if (++column >= m_columns)
            break;
        select(box, column);
    }
}

columnchoice::Choice ColumnChoiceDialog::current() const {
    columnchoice::Choice choice;
    choice.headingRow = m_headingRow->currentData().toInt();
    choice.nameColumn = m_nameColumn->currentData().toInt();
    if (m_balanceColumn)
        choice.balanceColumn = m_balanceColumn->currentData().toInt();
    for (int i = 0; i < m_monthColumns.size(); ++i)
        if (const int column = m_monthColumns.at(i)->currentData().toInt(); column >= 0)
            choice.monthColumns.insert(column, m_months.at(i));
    return choice;
}

// Colours the table as chosen, names the chosen columns in its header and says what is
// still missing before the file can be read.
void ColumnChoiceDialog::showChoice() {
    const columnchoice::Choice choice = current();
    QStringList headers;
    for (int c = 0; c < m_columns; ++c) {
        QString role;
        if (c == choice.nameColumn)
            role = QStringLiteral("勘定科目");
        else if (c == choice.balanceColumn)
            role = QStringLiteral("残高");
        else if (choice.monthColumns.contains(c))
            role = QStringLiteral("%1月").arg(choice.monthColumns.value(c));
        headers.append(role.isEmpty() ? columnLetter(c)
                                      : columnLetter(c) + QLatin1Char('\n') + role);
    }
    m_table->setHorizontalHeaderLabels(headers);
    for (int r = 0; r < m_table->rowCount(); ++r)
        for (int c = 0; c < m_columns; ++c) {
            QTableWidgetItem* item = m_table->item(r, c);
            QFont font = m_table->font();
            font.setBold(r == choice.headingRow);
            item->setFont(font);
            QColor background;
            if (r > choice.headingRow && c == choice.nameColumn)
                background = nameBackground;
            else if (r > choice.headingRow &&
                     (c == choice.balanceColumn || choice.monthColumns.contains(c)))
                background = amountBackground;
            else if (r == choice.headingRow)
                background = headingBackground;
            item->setBackground(background.isValid() ? QBrush(background) : QBrush());
            item->setForeground(r < choice.headingRow ? QBrush(aboveHeading) : QBrush());
        }

    // Keep in view what was changed last.
    QComboBox* changed = qobject_cast<QComboBox*>(sender());
    const int column = changed && changed != m_headingRow ? changed->currentData().toInt() : -1;
    if (m_table->rowCount() > 0)
        m_table->scrollTo(m_table->model()->index(
            std::max<int>(0, static_cast<int>(choice.headingRow)), std::max(column, 0)));

    QString problem;
    const QList<int> amounts =
        m_balanceColumn ? QList<int>{choice.balanceColumn} : choice.monthColumns.keys();
    if (choice.nameColumn < 0)
        problem = QStringLiteral("勘定科目の列を選んでください。");
    else if (m_balanceColumn && choice.balanceColumn < 0)
        problem = QStringLiteral("残高の列を選んでください。");
    else if (!m_balanceColumn && choice.monthColumns.isEmpty())
        problem = QStringLiteral("月の列を選んでください。");
    else if (amounts.contains(choice.nameColumn))
        problem = QStringLiteral("勘定科目の列と金額の列に同じ列を選んでいます。");
    else if (!m_balanceColumn) {
        int chosen = 0;
        for (const QComboBox* box : m_monthColumns)
            chosen += box->currentData().toInt() >= 0 ? 1 : 0;
        if (chosen != choice.monthColumns.size())
            problem = QStringLiteral("同じ列を二つの月に選んでいます。");
    }
    m_problem->setText(problem);
    m_problem->setVisible(!problem.isEmpty());
    m_choose->setEnabled(problem.isEmpty());
}

columnchoice::Answer ColumnChoiceDialog::answer() const {
    if (result() != QDialog::Accepted || !m_choose->isEnabled())
        return {};
    return {true, current()};
}

columnchoice::Answer askQtColumnChoice(const columnchoice::Request& request) {
    ColumnChoiceDialog dialog(request, QApplication::activeWindow());
    dialog.exec();
    return dialog.answer();
}

} // namespace gaikyo
