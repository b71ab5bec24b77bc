#include "importconfirmationdialog.h"

#include "screen/shorttext.h"

#include <QApplication>
#include <QCheckBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QTableWidget>
#include <QVBoxLayout>

namespace gaikyo {

namespace {

enum Column { FieldColumn, AmountColumn, SourcesColumn, TypedColumn, ColumnCount };

// Boxes the user has typed stand out in the list: the import leaves them unless told.
const QColor typedBackground(255, 240, 200);
// What disagrees with the file's own totals is the first thing to look at.
const QColor disagreementBackground(255, 225, 225);

// The lists show this many rows at most and scroll for the rest, so that the dialog
// stays on the screen and its buttons in view.
constexpr int tableRowsShown = 14;
constexpr int listRowsShown = 6;

QTableWidget* fillTable(const QList<importconfirmation::Line>& lines, QWidget* parent) {
    auto* table = new QTableWidget(static_cast<int>(lines.size()), ColumnCount, parent);
    table->setObjectName(QStringLiteral("fillTable"));
    table->setHorizontalHeaderLabels({QStringLiteral("欄"), QStringLiteral("金額"),
                                      QStringLiteral("元の科目"), QStringLiteral("入力済みの値")});
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionMode(QAbstractItemView::NoSelection);
    table->setFocusPolicy(Qt::NoFocus);
    table->verticalHeader()->hide();
    for (int row = 0; row < lines.size(); ++row) {
        const importconfirmation::Line& line = lines.at(row);
        const QString texts[ColumnCount] = {
            shorttext::shortened(line.field), shorttext::shortened(line.amount),
            shorttext::shortened(line.sources), shorttext::shortened(line.typed)};
        for (int column = 0; column < ColumnCount; ++column) {
            auto* item = new QTableWidgetItem(texts[column]);
            if (column == AmountColumn || column == TypedColumn)
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            if (column == SourcesColumn)
                item->setToolTip(texts[column]);
            if (!line.typed.isEmpty())
                item->setBackground(typedBackground);
            table->setItem(row, column, item);
        }
    }
    table->resizeColumnsToContents();
    table->resizeRowsToContents();
    table->horizontalHeader()->setSectionResizeMode(SourcesColumn, QHeaderView::Stretch);
    table->setTextElideMode(Qt::ElideRight);
    int height = table->horizontalHeader()->sizeHint().height() + 2 * table->frameWidth();
    for (int row = 0; row < std::min<int>(table->rowCount(), tableRowsShown); ++row)
        height += table->rowHeight(row);
    table->setFixedHeight(height);
    return table;
}

QLabel* wrappedLabel(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setWordWrap(true);
    return label;
}

QListWidget* list(const QString& name, const QStringList& lines, QWidget* parent,
                  const QColor& background = QColor()) {
    auto* widget = new QListWidget(parent);
    widget->setObjectName(name);
    widget->setWordWrap(true);
    widget->setSelectionMode(QAbstractItemView::NoSelection);
    widget->setFocusPolicy(Qt::NoFocus);
    widget->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    widget->setResizeMode(QListView::Adjust);
    for (const QString& line : lines)
        widget->addItem(shorttext::shortened(line));
    if (background.isValid())
        for (int i = 0; i < widget->count(); ++i)
            widget->item(i)->setBackground(background);
    // A long line wraps: the list is as high as its first lines take on the dialog's
    // width, up to listRowsShown lines.
    const int rowHeight = widget->fontMetrics().height() + 4;
    constexpr int textWidth = 720;
    int shown = 0;
    for (int i = 0; i < widget->count() && shown < listRowsShown; ++i)
        shown += 1 + widget->fontMetrics().horizontalAdvance(widget->item(i)->text()) / textWidth;
    widget->setFixedHeight(rowHeight * std::clamp(shown, 1, listRowsShown) +
                           2 * widget->frameWidth() + 4);
    return widget;
}

} // namespace

ImportConfirmationDialog::ImportConfirmationDialog(const importconfirmation::Request& request,
                                                   QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("ImportConfirmationDialog"));
    setWindowTitle(request.title);

    // Everything but the buttons scrolls, so that 取り込む and やめる stay in view on any
    // screen.
    auto* content = new QWidget;
    content->setObjectName(QStringLiteral("content"));
    auto* layout = new QVBoxLayout(content);

    qsizetype typed = 0;
    for (const importconfirmation::Line& line : request.lines)
        typed += line.typed.isEmpty() ? 0 : 1;
    layout->addWidget(wrappedLabel(
        QStringLiteral("「%1」から次の欄に取り込みます。登録実行を押すまで保存されません。")
            .arg(shorttext::shortened(request.fileName)),
        content));
    layout->addWidget(fillTable(request.lines, content));

    if (!request.disagreements.isEmpty()) {
        QLabel* heading = wrappedLabel(
            QStringLiteral("ファイルの合計と合わないもの（%1件）：取り込む前に確かめてください")
                .arg(request.disagreements.size()),
            content);
        QFont bold = heading->font();
        bold.setBold(true);
        heading->setFont(bold);
        layout->addWidget(heading);
        layout->addWidget(list(QStringLiteral("disagreementList"), request.disagreements, content,
                               disagreementBackground));
    }

    m_replace = new QCheckBox(QStringLiteral("入力済みの欄も置き換える"), content);
    m_replace->setObjectName(QStringLiteral("replaceTyped"));
    if (typed > 0) {
        layout->addWidget(wrappedLabel(
            QStringLiteral("色の付いた %1 欄にはすでに値が入っています。置き換えるにチェックを"
                           "付けない限り、入力済みの値はそのまま残ります。")
                .arg(typed),
            content));
    } else {
        m_replace->setEnabled(false);
    }
    layout->addWidget(m_replace);

    layout->addWidget(
        new QLabel(QStringLiteral("どの欄にも当てはまらない科目（取り込みません）"), content));
    layout->addWidget(list(QStringLiteral("unmappedList"),
                           request.unmapped.isEmpty()
                               ? QStringList{QStringLiteral("（ありません）")}
                               : request.unmapped,
                           content));

    if (!request.excluded.isEmpty()) {
        layout->addWidget(
            new QLabel(QStringLiteral("科目対応.txt で取り込まないとした科目"), content));
        layout->addWidget(list(QStringLiteral("excludedList"), request.excluded, content));
    }
    if (!request.notes.isEmpty()) {
        layout->addWidget(new QLabel(QStringLiteral("ご注意"), content));
        layout->addWidget(list(QStringLiteral("notes"), request.notes, content));
    }
    layout->addStretch(1);

    auto* scroll = new QScrollArea(this);
    scroll->setObjectName(QStringLiteral("scroll"));
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll->setWidget(content);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    auto* import = new QPushButton(QStringLiteral("取り込む"), this);
    import->setObjectName(QStringLiteral("importButton"));
    import->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("やめる"), this);
    cancel->setObjectName(QStringLiteral("cancelButton"));
    buttons->addWidget(import);
    buttons->addWidget(cancel);
    connect(import, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* outer = new QVBoxLayout(this);
    outer->addWidget(scroll, 1);
    outer->addLayout(buttons);

    // As large as the content asks, never larger than the screen it opens on.
    const QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen();
    const QRect available = screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
    const int width = std::min(820, available.width() - 40);
    const int contentWidth =
        width - outer->contentsMargins().left() - outer->contentsMargins().right();
    const int contentHeight = layout->hasHeightForWidth() ? layout->heightForWidth(contentWidth)
                                                          : content->sizeHint().height();
    const int wanted = contentHeight + import->sizeHint().height() + outer->spacing() +
                       outer->contentsMargins().top() + outer->contentsMargins().bottom();
    // Room for the window's title bar and frame.
    const int height = std::min(wanted, available.height() - 60);
    setMaximumSize(available.width(), available.height() - 40);
    resize(width, height);
}

importconfirmation::Answer ImportConfirmationDialog::answer() const {
    return {result() == QDialog::Accepted, m_replace->isChecked()};
}

importconfirmation::Answer askQtImportConfirmation(const importconfirmation::Request& request) {
    ImportConfirmationDialog dialog(request, QApplication::activeWindow());
    dialog.exec();
    return dialog.answer();
}

} // namespace gaikyo
