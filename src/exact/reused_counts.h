#pragma once

#include <cstddef>
#include <vector>

#include "exact/checked_count.h"

namespace ondiscale {

// A zeroed table of `size` counts whose memory this thread keeps from
// call to call, one per Tag: the pair tables of the deal counts take
// hundreds of kilobytes, and fresh pages for each count cost a third of
// its time. The table is only valid until the next call with that Tag.
template <typename Tag>
std::vector<Count>& reusedCounts(std::size_t size) {
    thread_local std::vector<Count> counts;
    counts.assign(size, 0);
    return counts;
}

}  // namespace ondiscale
