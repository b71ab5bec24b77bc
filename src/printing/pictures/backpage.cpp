#include "pagedrawings.h"
#include "pageparts.h"

namespace gaikyo::formpictures {
Drawing backPageDrawing() {
    Drawing d;
    d.size = QSizeF(209, 292);
    return d;
}
} // namespace gaikyo::formpictures
