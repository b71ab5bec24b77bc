#include "screendrawings.h"
namespace gaikyo::formpictures {
Drawing screenDrawing(const QString&) {
    return {};
}
} // namespace gaikyo::formpictures
