#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

// The question asked before figures read from the books go into a screen's boxes,
// behind a seam like the message boxes: the window layer installs the real dialog,
// tests install an answer.
namespace gaikyo::importconfirmation {

struct Line {
    QString field;   // the box, as the form names it
    QString amount;  // "1,234千円", "56,000円"
    QString sources; // the accounts it came from
    QString typed;   // what the box already holds when that differs; empty otherwise
};

struct Request {
    QString title;
    QString fileName;
    QList<Line> lines;
    QStringList unmapped; // accounts of the file that go into no box, with their figures
    QStringList notes;    // boxes left alone and why, lines of the user's mapping not used
    // The file's own totals that disagree with what is read or filled, with both figures.
    QStringList disagreements;
    QStringList excluded; // accounts the user's mapping file leaves out, with their figures
};

struct Answer {
    bool import = false;       // "取り込む"; "やめる" or closing the dialog: false
    bool replaceTyped = false; // "入力済みの欄も置き換える" ticked
};

using Handler = std::function<Answer(const Request&)>;

Handler install(Handler handler);
// Without a handler nobody can answer: nothing is imported.
Answer ask(const Request& request);

} // namespace gaikyo::importconfirmation
