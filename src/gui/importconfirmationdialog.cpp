#include "importconfirmationdialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace gaikyo {

namespace {

enum Column { FieldColumn, AmountColumn, SourcesColumn, TypedColumn, ColumnCount };

// Boxes the user has typed stand out in the list: the import leaves them unless told.
const QColor typedBackground(255, 240, 200);

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
        const QString texts[ColumnCount] = {line.field, line.amount, line.sources, line.typed};
        for (int column = 0; column < ColumnCount; ++column) {
            auto* item = new QTableWidgetItem(texts[column]);
            if (column == AmountColumn || column == TypedColumn)
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            if (!line.typed.isEmpty())
                item->setBackground(typedBackground);
            table->setItem(row, column, item);
        }
    }
    table->resizeColumnsToContents();
    table->resizeRowsToContents();
    table->horizontalHeader()->setSectionResizeMode(SourcesColumn, QHeaderView::Stretch);
    return table;
}

QLabel* wrappedLabel(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setWordWrap(true);
    return label;
}

} // namespace

ImportConfirmationDialog::ImportConfirmationDialog(const importconfirmation::Request& request,
                                                   QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("ImportConfirmationDialog"));
    setWindowTitle(request.title);
    auto* layout = new QVBoxLayout(this);

    qsizetype typed = 0;
    for (const importconfirmation::Line& line : request.lines)
        typed += line.typed.isEmpty() ? 0 : 1;
    layout->addWidget(wrappedLabel(
        QStringLiteral("「%1」から次の欄に取り込みます。登録実行を押すまで保存されません。")
            .arg(request.fileName),
        this));
    layout->addWidget(fillTable(request.lines, this), 3);

    m_replace = new QCheckBox(QStringLiteral("入力済みの欄も置き換える"), this);
    m_replace->setObjectName(QStringLiteral("replaceTyped"));
    if (typed > 0) {
        layout->addWidget(wrappedLabel(
            QStringLiteral("色の付いた %1 欄にはすでに値が入っています。置き換えるにチェックを"
                           "付けない限り、入力済みの値はそのまま残ります。")
                .arg(typed),
            this));
    } else {
        m_replace->setEnabled(false);
    }
    layout->addWidget(m_replace);

    layout->addWidget(
        new QLabel(QStringLiteral("どの欄にも当てはまらない科目（取り込みません）"), this));
    auto* unmapped = new QListWidget(this);
    unmapped->setObjectName(QStringLiteral("unmappedList"));
    unmapped->addItems(request.unmapped.isEmpty() ? QStringList{QStringLiteral("（ありません）")}
                                                  : request.unmapped);
    unmapped->setSelectionMode(QAbstractItemView::NoSelection);
    layout->addWidget(unmapped, 1);

    if (!request.notes.isEmpty()) {
        QLabel* notes = wrappedLabel(request.notes.join(QLatin1Char('\n')), this);
        notes->setObjectName(QStringLiteral("notes"));
        layout->addWidget(notes);
    }

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    auto* import = new QPushButton(QStringLiteral("取り込む"), this);
    import->setObjectName(QStringLiteral("importButton"));
    import->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("やめる"), this);
    cancel->setObjectName(QStringLiteral("cancelButton"));
    buttons->addWidget(import);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);
    connect(import, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    resize(760, 600);
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
