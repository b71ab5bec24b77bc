#include "checklistdialog.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
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

    // One wrapped label a line, in a list that scrolls when it is long.
    auto* lines = new QWidget;
    lines->setObjectName(QStringLiteral("Lines"));
    auto* linesLayout = new QVBoxLayout(lines);
    for (const QString& line : request.lines) {
        auto* label = new QLabel(line, lines);
        label->setWordWrap(true);
        label->setTextInteractionFlags(Qt::TextSelectableByMouse);
        label->setFrameShape(QFrame::StyledPanel);
        label->setMargin(4);
        linesLayout->addWidget(label);
    }
    linesLayout->addStretch(1);
    auto* list = new QScrollArea(this);
    list->setWidgetResizable(true);
    list->setWidget(lines);
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
    resize(720, 340);
}

bool confirmWithQtChecklist(const checklist::Request& request) {
    ChecklistDialog dialog(request, QApplication::activeWindow());
    return dialog.exec() == QDialog::Accepted;
}

} // namespace gaikyo
