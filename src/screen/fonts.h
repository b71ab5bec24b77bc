#pragma once

#include <QFont>

namespace gaikyo::fonts {

// The screens and the printed form name the Windows fonts "ＭＳ Ｐゴシック" and
// "MS 明朝"; where those are not installed, the IPA fonts stand in for them.
void installSubstitutes();

QFont font(const QString& family, double points, bool bold = false);

} // namespace gaikyo::fonts
