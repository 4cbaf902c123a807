#pragma once

#include <algorithm>
#include <cstdint>
#include <vector>

#include "condition/matcher.h"
#include "simulation/progress.h"

namespace ondiscale {

// Every batch deals this many hands or deals.
inline constexpr std::int32_t kBatchDeals = 100'000;

// What one batch counted: the deals that met the known part, and among
// them those that met the asked part.
struct BatchCount {
    std::int32_t known = 0;
    std::int32_t hits = 0;
};

template <typename T>
class KeptRing;

// The one batch loop of every run that deals to a question: deals
// kBatchDeals times through `dealOne(T&)`, which deals into the place given
// and says what the deal is to the question (an Outcome), and keeps the
// hits in `kept`. Moves the bar every 1,000 deals and leaves it at 0 (the
// caller shows it at 0 first). Shows no dialogue and allocates nothing.
template <typename T, typename DealOne>
BatchCount dealBatch(KeptRing<T>& kept, Progress& progress, DealOne&& dealOne);

// The last deals (or hands) of a run that counted, up to its capacity.
// The batch loop deals each straight into the next free place, which moves
// on only on a hit, so the hits stay and a miss is dealt over: no copy and
// no branch per deal.
template <typename T>
class KeptRing {
public:
    explicit KeptRing(std::size_t capacity) : ring_(capacity + 1) {}

    // The last `most` kept, newest first.
    [[nodiscard]] std::vector<T> newest(std::size_t most) const {
        std::vector<T> out;
        std::size_t slot = next_;
        for (std::size_t n = 0; n < std::min(most, kept_); ++n) {
            slot = slot == 0 ? ring_.size() - 1 : slot - 1;
            out.push_back(ring_[slot]);
        }
        return out;
    }
    [[nodiscard]] std::size_t size() const { return kept_; }

private:
    template <typename U, typename DealOne>
    friend BatchCount dealBatch(KeptRing<U>& kept, Progress& progress, DealOne&& dealOne);

    std::vector<T> ring_;
    std::size_t next_ = 0;
    std::size_t kept_ = 0;
};

template <typename T, typename DealOne>
BatchCount dealBatch(KeptRing<T>& kept, Progress& progress, DealOne&& dealOne) {
    // The place is held here, not in the ring: a card stored through the
    // deal (a byte, which may alias anything) would otherwise make the
    // compiler read it back from memory at every deal.
    T* const ring = kept.ring_.data();
    const std::size_t places = kept.ring_.size();
    std::size_t next = kept.next_;
    BatchCount count;
    int shown = 0;
    for (std::int32_t i = 1; i <= kBatchDeals; ++i) {
        const int value = i < kBatchDeals ? i / 1000 : 0;
        if (value != shown) {
            progress.setProgressValue(value);
            shown = value;
        }
        const Outcome outcome = dealOne(ring[next]);
        count.known += static_cast<std::int32_t>(outcome.known);
        count.hits += static_cast<std::int32_t>(outcome.hit);
        next += outcome.hit;
        next = next == places ? 0 : next;
    }
    kept.next_ = next;
    kept.kept_ = std::min(kept.kept_ + static_cast<std::size_t>(count.hits), places - 1);
    return count;
}

}  // namespace ondiscale
