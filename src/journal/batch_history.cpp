#include "journal/batch_history.h"

namespace ondiscale {

void BatchHistory::add(std::int64_t batch, std::int64_t deals, std::int64_t hits) {
    if (points_.size() == kMaxPoints && batch % stride_ == 0) {
        stride_ *= 2;
        std::erase_if(points_, [this](const Point& p) { return p.batch % stride_ != 0; });
    }
    if (batch % stride_ == 0) {
        points_.push_back({batch, deals, hits});
    }
}

}  // namespace ondiscale
