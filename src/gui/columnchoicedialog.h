#pragma once

#include "screen/columnchoice.h"

#include <QDialog>
#include <QList>

class QComboBox;
class QLabel;
class QPushButton;
class QTableWidget;

namespace gaikyo {

// The first rows of a file the program could not read by itself, and the heading row,
// the column of the account names and the amount columns for the user to mark, with
// the program's guess filled in: "この列で取り込む" or "やめる".
class ColumnChoiceDialog : public QDialog {
    Q_OBJECT
public:
    explicit ColumnChoiceDialog(const columnchoice::Request& request, QWidget* parent = nullptr);

    columnchoice::Answer answer() const;

private:
    columnchoice::Choice current() const;
    void fillColumnLists();
    void showChoice();
    void fillMonths();

    columnchoice::Request m_request;
    int m_columns = 0;
    QTableWidget* m_table = nullptr;
    QComboBox* m_headingRow = nullptr;
    QComboBox* m_nameColumn = nullptr;
    QComboBox* m_balanceColumn = nullptr; // a trial balance
    QList<QComboBox*> m_monthColumns;     // a monthly table, one a month
    QList<int> m_months;                  // the month of each of them
    QPushButton* m_fillMonths = nullptr;  // a monthly table
    QLabel* m_problem = nullptr;
    QPushButton* m_choose = nullptr;
};

// Asks with the dialog, modal over the active window.
columnchoice::Answer askQtColumnChoice(const columnchoice::Request& request);

} // namespace gaikyo
