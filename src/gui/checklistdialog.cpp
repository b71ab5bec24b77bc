#include "checklistdialog.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace gaikyo {

ChecklistDialog::ChecklistDialog(const checklist::Request& request, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(request.title);
    setObjectName(QStringLiteral("ChecklistDialog"));

    auto* heading = new QHBoxLayout;
    auto* icon = new QLabel(this);
    const int iconSize = style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, this);
    icon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxWarning).pixmap(iconSize));
    icon->setAlignment(Qt::AlignTop);
    auto* intro = new QLabel(request.intro, this);
    intro->setWordWrap(true);
    heading->addWidget(icon);
    heading->addWidget(intro, 1);

    auto* list = new QListWidget(this);
    list->setObjectName(QStringLiteral("Lines"));
    list->setWordWrap(true);
    list->setSelectionMode(QAbstractItemView::NoSelection);
    list->setFocusPolicy(Qt::NoFocus);
    list->addItems(request.lines);
    list->setAccessibleName(request.title);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* proceed = buttons->addButton(request.proceedCaption, QDialogButtonBox::AcceptRole);
    proceed->setObjectName(QStringLiteral("Proceed"));
    QPushButton* back = buttons->addButton(request.backCaption, QDialogButtonBox::RejectRole);
    back->setObjectName(QStringLiteral("Back"));
    back->setDefault(true);
    back->setFocus();
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(heading);
    layout->addWidget(list, 1);
    layout->addWidget(buttons);
    resize(640, 320);
}

bool confirmWithQtChecklist(const checklist::Request& request) {
    ChecklistDialog dialog(request, QApplication::activeWindow());
    return dialog.exec() == QDialog::Accepted;
}

} // namespace gaikyo
