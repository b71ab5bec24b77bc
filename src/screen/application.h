#pragma once

#include "screen.h"

#include <QHash>
#include <QObject>
#include <QPointer>
#include <functional>
#include <memory>

namespace gaikyo {

class Platform;
class PrinterService;

// Holds the screens of the program: each is created on first use (its load action runs
// then), keeps its state while hidden and is gone once closed. Screens reach each other
// through it.
class Application : public QObject {
    Q_OBJECT
public:
    using Factory = std::function<Screen*(Application&)>;

    explicit Application(Platform& platform);
    ~Application() override;

    Platform& platform() const { return m_platform; }
    // The printers of the system; nullptr until the window layer or a test gives one.
    PrinterService* printers() const { return m_printers; }
    void setPrinters(PrinterService* printers) { m_printers = printers; }

    void registerScreen(const QString& name, Factory factory);
    bool knows(const QString& name) const { return m_factories.contains(name); }

    // The screen, created on first use; nullptr for a screen this program lacks.
    Screen* screen(const QString& name);
    Screen* existing(const QString& name) const;
    template <class T> T* screenAs(const QString& name) { return qobject_cast<T*>(screen(name)); }

    // Called by a screen that closes.
    void discard(Screen* screen);

    // Opens the target on a company: creates it if needed, lets it load the company
    // (Screen::openOn) and shows it. A target this program lacks does not open. An open
    // target holding unsaved values asks first, while it still shows the company they
    // belong to; キャンセル leaves it as it is.
    void open(const QString& target, qint32 code);

    // Beep, close the file channel, end. Nothing is saved or asked.
    void endProgram();
    // Ends the program as the user asks it to ("終　了", the main menu's close box,
    // "END"): each open screen holding unsaved values asks first, and キャンセル, or a
    // save that does not work, keeps the program running. With nothing unsaved it is
    // endProgram() at once.
    void quit();
    bool hasEnded() const { return m_ended; }

Q_SIGNALS:
    void screenCreated(gaikyo::Screen* screen);
    void screenDiscarded(gaikyo::Screen* screen);

private:
    Platform& m_platform;
    PrinterService* m_printers = nullptr;
    QHash<QString, Factory> m_factories;
    QHash<QString, QPointer<Screen>> m_screens;
    bool m_ended = false;
};

} // namespace gaikyo
