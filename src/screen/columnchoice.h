#pragma once

#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>
#include <QtGlobal>
#include <functional>

// The question asked where the program cannot tell the columns of an exported file
// apart: the user marks the heading row, the column of the account names and the
// amount columns, as the text-import assistants of spreadsheets do. Behind a seam like
// the message boxes: the window layer installs the real dialog, tests install answers.
namespace gaikyo::columnchoice {

enum class Amounts {
    Balance, // one balance column (a trial balance)
    Months,  // one column per month (a monthly table)
};

// Rows and columns are counted from 0 here; the dialog shows them from 1.
struct Choice {
    qsizetype headingRow = -1;
    int nameColumn = -1;
    int balanceColumn = -1;      // Amounts::Balance
    QMap<int, int> monthColumns; // Amounts::Months: column → calendar month
    bool operator==(const Choice&) const = default;
};

struct Request {
    QString title;
    QString fileName;
    Amounts amounts = Amounts::Balance;
    QList<QStringList> rows; // the first rows of the file, cell by cell
    Choice guess;            // filled in to start with; -1 where there is none
};

struct Answer {
    bool chosen = false; // "この列で取り込む"; "やめる" or closing the dialog: false
    Choice choice;
};

using Handler = std::function<Answer(const Request&)>;

Handler install(Handler handler);
// Without a handler nobody can answer: nothing is imported.
Answer ask(const Request& request);

} // namespace gaikyo::columnchoice
