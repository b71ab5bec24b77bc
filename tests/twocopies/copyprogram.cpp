// One copy of the program with its real windows, driven from a test through its
// standard input: each line is a command, each reply one line on standard output.
// Message boxes go through the program's message seam, answered as the test tells and
// kept for it; prints are recorded instead of going to a printer.
//
//   type SCREEN BOX TEXT   types into a box as a user does (the box's text replaced)
//   click SCREEN BUTTON    clicks a button with the mouse
//   row SCREEN LIST ROW    clicks an item of a list
//   text SCREEN BOX        replies with what a box shows
//   items SCREEN LIST      replies with the items of a list, one per line
//   open SCREEN            replies 1 when the screen's window is shown, else 0
//   answer yes|no          the answer to the next question
//   messages               replies with the message boxes shown since the last time
//   wait MS                lets the program run (its folder watch, its timers)
//   quit
//
// Arguments are separated by tabs. A reply is "ok" or "error", a tab, and its text with
// backslash, tab and line breaks escaped as \\, \t and \n.

#include "gui/desktopprogram.h"
#include "gui/screenwindow.h"
#include "printing/printerservice.h"
#include "printing/recordingsurface.h"
#include "screen/checklist.h"
#include "screen/messages.h"
#include "support/typing.h"

#include <QApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSocketNotifier>
#include <QTest>
#include <cstdio>
#include <unistd.h>

using namespace gaikyo;

namespace {

QString escaped(QString text) {
    text.replace(QLatin1Char('\\'), QStringLiteral("\\\\"));
    text.replace(QLatin1Char('\t'), QStringLiteral("\\t"));
    text.replace(QLatin1Char('\r'), QStringLiteral("\\r"));
    text.replace(QLatin1Char('\n'), QStringLiteral("\\n"));
    return text;
}

void reply(bool ok, const QString& text = {}) {
    const QByteArray line = (ok ? QByteArrayLiteral("ok\t") : QByteArrayLiteral("error\t")) +
                            escaped(text).toUtf8() + '\n';
    std::fwrite(line.constData(), 1, size_t(line.size()), stdout);
    std::fflush(stdout);
}

// Prints and previews are drawn on a recording and kept nowhere.
class RecordedPrinters : public PrinterService {
public:
    QStringList installedPrinters() override { return {QStringLiteral("test")}; }
    Status setDefaultPrinter(const QString&) override { return {}; }
    std::unique_ptr<PrintSurface> openDefaultPrinter() override {
        return std::make_unique<RecordingSurface>();
    }
    void showPreview(const QString&, int, const std::function<bool(PrintSurface&)>& draw) override {
        RecordingSurface surface;
        draw(surface);
    }
};

class Driver {
public:
    explicit Driver(DesktopProgram& program) : m_program(program) {
        messages::install([this](const MessageBox& box) {
            QJsonObject shown{
                {QStringLiteral("title"), box.title},
                {QStringLiteral("text"), box.text},
                {QStringLiteral("question"), box.buttons == MessageBox::Buttons::YesNo},
                {QStringLiteral("noByDefault"), box.noByDefault}};
            MessageBox::Answer answer = box.buttons == MessageBox::Buttons::YesNo
                                            ? MessageBox::Answer::No
                                            : MessageBox::Answer::Ok;
            if (box.buttons == MessageBox::Buttons::YesNo && !m_answers.isEmpty())
                answer = m_answers.takeFirst();
            shown.insert(QStringLiteral("answer"),
                         answer == MessageBox::Answer::Yes  ? QStringLiteral("yes")
                         : answer == MessageBox::Answer::No ? QStringLiteral("no")
                                                            : QStringLiteral("ok"));
            m_shown.append(shown);
            return answer;
        });
        // The check before printing goes on, as a user who has read it would.
        checklist::install([](const checklist::Request&) { return true; });
    }

    // False when the program is to end.
    bool run(const QStringList& command) {
        const QString verb = command.value(0);
        if (verb == QLatin1String("quit")) {
            reply(true);
            return false;
        }
        if (verb == QLatin1String("answer")) {
            m_answers.append(command.value(1) == QLatin1String("yes") ? MessageBox::Answer::Yes
                                                                      : MessageBox::Answer::No);
            reply(true);
        } else if (verb == QLatin1String("messages")) {
            reply(true, QString::fromUtf8(QJsonDocument(m_shown).toJson(QJsonDocument::Compact)));
            m_shown = {};
        } else if (verb == QLatin1String("wait")) {
            QTest::qWait(command.value(1).toInt());
            reply(true);
        } else if (verb == QLatin1String("open")) {
            ScreenWindow* window = m_program.windows().window(command.value(1));
            reply(true, window && window->isVisible() ? QStringLiteral("1") : QStringLiteral("0"));
        } else {
            runOnWindow(verb, command);
        }
        return true;
    }

private:
    void runOnWindow(const QString& verb, const QStringList& command) {
        ScreenWindow* window = m_program.windows().window(command.value(1));
        if (!window) {
            reply(false, QStringLiteral("no window ") + command.value(1));
            return;
        }
        const QString name = command.value(2);
        if (verb == QLatin1String("type") || verb == QLatin1String("text")) {
            auto* edit = window->findChild<QLineEdit*>(name);
            if (!edit) {
                reply(false, QStringLiteral("no box ") + name);
                return;
            }
            if (verb == QLatin1String("text")) {
                reply(true, edit->text());
                return;
            }
            window->activateWindow();
            edit->setFocus();
            edit->selectAll();
            if (command.value(3).isEmpty())
                QTest::keyClick(edit, Qt::Key_Delete);
            else
                test::typeInto(edit, command.value(3));
            reply(true, edit->text());
        } else if (verb == QLatin1String("click")) {
            auto* button = window->findChild<QPushButton*>(name);
            if (!button || !button->isVisible()) {
                reply(false, QStringLiteral("no button ") + name);
                return;
            }
            QTest::mouseClick(button, Qt::LeftButton);
            reply(true);
        } else if (verb == QLatin1String("row") || verb == QLatin1String("items")) {
            auto* list = window->findChild<QListWidget*>(name);
            if (!list) {
                reply(false, QStringLiteral("no list ") + name);
                return;
            }
            if (verb == QLatin1String("items")) {
                QStringList items;
                for (int i = 0; i < list->count(); ++i)
                    items.append(list->item(i)->text());
                reply(true, items.join(QLatin1Char('\n')));
                return;
            }
            QListWidgetItem* item = list->item(command.value(3).toInt());
            if (!item) {
                reply(false, QStringLiteral("no row ") + command.value(3));
                return;
            }
            list->scrollToItem(item);
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                              list->visualItemRect(item).center());
            reply(true);
        } else {
            reply(false, QStringLiteral("unknown command ") + verb);
        }
    }

    DesktopProgram& m_program;
    QList<MessageBox::Answer> m_answers;
    QJsonArray m_shown;
};

} // namespace

int main(int argc, char* argv[]) {
    QApplication qtApp(argc, argv);
    installDesktopServices(qtApp);
    DesktopProgram program;
    RecordedPrinters printers;
    program.app().setPrinters(&printers);
    Driver driver(program);
    if (!program.startUp())
        return 0;
    reply(true, QStringLiteral("started"));

    QByteArray pending;
    QSocketNotifier input(STDIN_FILENO, QSocketNotifier::Read);
    QObject::connect(&input, &QSocketNotifier::activated, &qtApp, [&] {
        char buffer[4096];
        const ssize_t n = ::read(STDIN_FILENO, buffer, sizeof buffer);
        if (n <= 0) {
            QApplication::quit();
            return;
        }
        pending.append(buffer, n);
        qsizetype end;
        while ((end = pending.indexOf('\n')) >= 0) {
            const QString line = QString::fromUtf8(pending.left(end));
            pending.remove(0, end + 1);
            if (!driver.run(line.split(QLatin1Char('\t')))) {
                input.setEnabled(false);
                QApplication::quit();
                return;
            }
        }
    });
    return QApplication::exec();
}
