#include "engine/random_range.h"

#include <stdexcept>

namespace ondiscale {

void RandomRange::overflow() { throw std::overflow_error("RandomRange: outside 16 bits"); }

}  // namespace ondiscale
