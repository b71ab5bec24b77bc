#pragma once

#include <QString>

// The one place where the name of a numbered box is made: Text1, Text2 …
namespace gaikyo {

inline QString textBox(int number) {
    return QStringLiteral("Text%1").arg(number);
}

} // namespace gaikyo
