#pragma once

#include "datafile/erayear.h"

#include <QImage>
#include <QSize>
#include <QSizeF>
#include <QString>
#include <QStringList>

// Our own pictures of form FB1005, drawn from the descriptions in this folder: the two
// full pages that the A4 copy-paper prints lay under the data, and the backgrounds of the
// entry screens.
namespace gaikyo::formpictures {

// A4 at 300 dots per inch, one bit per pixel.
inline constexpr QSize pagePixels{2481, 3507};
inline constexpr int pageDotsPerMeter = 11811;
// The rectangles, in millimetres, that the A4 prints stretch the pages to.
inline constexpr QSizeF frontPrintSize{210, 291};
inline constexpr QSizeF backPrintSize{209, 292};

// The front page (表): header and items 1 to 10. Format_Mono, 2481 × 3507. Its 事業年度
// box names the era of the start and of the end of the business year.
QImage frontPage(erayear::Era start = erayear::Era::Heisei,
                 erayear::Era end = erayear::Era::Heisei);
// The back page (裏): items 11 to 18. Format_Mono, 2481 × 3507.
QImage backPage();

// The entry screens that carry a picture of the form: Form3 … Form6.
QStringList screensWithBackground();
// The colour background of an entry screen ("Form3" 684 × 507, "Form4" 694 × 318,
// "Form5" 702 × 297, "Form6" 690 × 473); a null image for any other name.
QImage screenBackground(const QString& screenName);

} // namespace gaikyo::formpictures
