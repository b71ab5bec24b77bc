#pragma once

#include "registry/registrationscreen.h"
#include "shell/mainmenu.h"
#include "shell/screens.h"
#include "support/testprogram.h"

namespace gaikyo::test {

// The program without windows, on a drive C: of its own: every screen registered, the
// message boxes answered and kept.
struct Program : TestProgram {
    RegistrationScreen& registration() {
        return *app.screenAs<RegistrationScreen>(screens::registration);
    }
    RegistrationScreen* openRegistration() const {
        return qobject_cast<RegistrationScreen*>(app.existing(screens::registration));
    }
};

// A company file of the corporate-tax program: 19 values, one a line.
inline QByteArray registryFile(qint32 code, const QString& name, const QStringList& dates,
                               const QString& furigana = QStringLiteral("ミホン"),
                               const QString& address = QStringLiteral("東京都千代田区1-1"),
                               const QString& telephone = QStringLiteral("03-1234-5678")) {
    QStringList values = {QString::number(code), QStringLiteral("2")};
    values += dates; // six values: start year, month, day, end year, month, day
    for (const QString& text :
         {furigana, name, address, QStringLiteral("v12"), QStringLiteral("v13"),
          QStringLiteral("v14"), QStringLiteral("v15"), telephone})
        values.append(QLatin1Char('"') + text + QLatin1Char('"'));
    values += {QStringLiteral("17"), QStringLiteral("18"), QStringLiteral("19")};
    return crlfFile(values);
}

} // namespace gaikyo::test
