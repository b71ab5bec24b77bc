#pragma once

#include <QString>
#include <QStringList>
#include <functional>

// A list of points for the user to look at before going on, with a button to go on and
// one to go back; behind a seam like the message boxes: the window layer installs the
// real dialog, tests install an answer.
namespace gaikyo::checklist {

struct Request {
    QString title;
    QString intro;
    QStringList lines;
    QString proceedCaption;
    QString backCaption;
};

// True to go on, false to go back.
using Handler = std::function<bool(const Request&)>;

Handler install(Handler handler);
// Whether the user goes on. Without a handler nobody can look at the list, and nothing
// is held back for it.
bool proceed(const Request& request);

} // namespace gaikyo::checklist
