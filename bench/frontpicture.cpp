#include "frontpicture.h"

#include "form/formpictures.h"

namespace gaikyo::bench {

// The program's own picture of the front page, as the A4 print lays it under the data.
QImage frontPagePicture() {
    return formpictures::frontPage();
}

} // namespace gaikyo::bench
