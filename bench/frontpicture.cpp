#include "frontpicture.h"

namespace gaikyo::bench {

// A blank page of the size and depth of the form's picture (A4 at 300 dots per inch,
// one bit per pixel); the real picture takes its place once the program has it.
QImage frontPagePicture() {
    QImage picture(2481, 3507, QImage::Format_Mono);
    picture.fill(Qt::white);
    return picture;
}

} // namespace gaikyo::bench
