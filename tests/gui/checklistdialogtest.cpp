#include "gui/checklistdialog.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using namespace gaikyo;

namespace {

checklist::Request request() {
    return {QStringLiteral("印刷前の確認"),
            QStringLiteral("次の項目を確かめてください。"),
            {QStringLiteral("【2 支店・海外取引状況】総支店数 1234 は 3 桁の欄に入りきりません。"),
             QStringLiteral("【7 主要科目】資産の部合計 5,100 千円が合いません。")},
            QStringLiteral("このまま印刷"),
            QStringLiteral("戻る")};
}

QPushButton* button(const QWidget& dialog, const char* name) {
    return dialog.findChild<QPushButton*>(QString::fromLatin1(name));
}

} // namespace

class ChecklistDialogTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void showsTheRequest() {
        ChecklistDialog dialog(request());
        QCOMPARE(dialog.windowTitle(), QStringLiteral("印刷前の確認"));
        auto* lines = dialog.findChild<QWidget*>(QStringLiteral("Lines"));
        QVERIFY(lines);
        QStringList shown;
        for (const QLabel* label : lines->findChildren<QLabel*>())
            shown.append(label->text());
        QCOMPARE(shown, request().lines);
        QCOMPARE(button(dialog, "Proceed")->text(), QStringLiteral("このまま印刷"));
        QCOMPARE(button(dialog, "Back")->text(), QStringLiteral("戻る"));
        QVERIFY(button(dialog, "Back")->isDefault());
    }

    // Only このまま印刷 goes on; 戻る, Esc and a hasty Enter go back.
    void answers_data() {
        QTest::addColumn<QString>("action");
        QTest::addColumn<bool>("proceed");
        QTest::newRow("このまま印刷") << "Proceed" << true;
        QTest::newRow("戻る") << "Back" << false;
        QTest::newRow("Esc") << "Escape" << false;
        QTest::newRow("Enter") << "Return" << false;
    }
    void answers() {
        QFETCH(QString, action);
        QFETCH(bool, proceed);
        // The seam's handler runs the dialog modally; answer it once it is up.
        QTimer::singleShot(0, this, [action] {
            QWidget* dialog = QApplication::activeModalWidget();
            QVERIFY(dialog);
            if (action == QStringLiteral("Escape"))
                QTest::keyClick(dialog, Qt::Key_Escape);
            else if (action == QStringLiteral("Return"))
                QTest::keyClick(dialog, Qt::Key_Return);
            else
                button(*dialog, qPrintable(action))->click();
        });
        QCOMPARE(confirmWithQtChecklist(request()), proceed);
    }
};

QTEST_MAIN(ChecklistDialogTest)
#include "checklistdialogtest.moc"
