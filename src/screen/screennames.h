#pragma once

#include <QString>

// The names of the program's screens, by which screens open and drive each other.
namespace gaikyo::screens {
inline const QString mainMenu = QStringLiteral("Form1");
inline const QString sections = QStringLiteral("Form2");
inline const QString mainAccounts = QStringLiteral("Form3");
inline const QString businessForm = QStringLiteral("Form4");
inline const QString taxAccountant = QStringLiteral("Form5");
inline const QString monthlyTable = QStringLiteral("Form6");
inline const QString disclaimer = QStringLiteral("Form7");
inline const QString print = QStringLiteral("Form8");
inline const QString registration = QStringLiteral("Form9");
inline const QString printers = QStringLiteral("Form10");
} // namespace gaikyo::screens
