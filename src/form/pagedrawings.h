#pragma once

#include "datafile/erayear.h"
#include "drawing.h"

namespace gaikyo::formpictures {

// The front page (表) of form FB1005, header and items 1 to 10, in millimetres of the A4
// print: the A4 print stretches the picture to 210 × 291 mm, so the drawing covers that.
// The 事業年度 box names the era of each date.
Drawing frontPageDrawing(erayear::Era start, erayear::Era end);

// The back page (裏), items 11 to 18; the A4 print stretches it to 209 × 292 mm.
Drawing backPageDrawing();

} // namespace gaikyo::formpictures
