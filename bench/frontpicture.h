#pragma once

#include <QImage>

namespace gaikyo::bench {

// The full-page picture of the front page that the A4 print draws first.
QImage frontPagePicture();

} // namespace gaikyo::bench
