#include "journal/batch_history.h"

#include <algorithm>
#include <iterator>

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

BatchHistory BatchHistory::thinned(std::size_t most) const {
    if (points_.size() <= most) {
        return *this;
    }
    std::int64_t stride = stride_;
    const auto kept = [&] {
        return std::count_if(points_.begin(), points_.end() - 1,
                             [&](const Point& p) { return p.batch % stride == 0; });
    };
    while (static_cast<std::size_t>(kept()) + 1 > most) {
        stride *= 2;
    }
    BatchHistory out;
    out.stride_ = stride;
    std::copy_if(points_.begin(), points_.end() - 1, std::back_inserter(out.points_),
                 [&](const Point& p) { return p.batch % stride == 0; });
    out.points_.push_back(points_.back());
    return out;
}

}  // namespace ondiscale
