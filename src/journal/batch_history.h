#pragma once

#include <cstdint>
#include <vector>

namespace ondiscale {

// The hits of one figure after each batch, for the chart. A run may go on
// for a million batches: beyond kMaxPoints, every other point is dropped
// and from then on only every other batch is kept, and so on, so that the
// points stay few and spread evenly over the whole run.
class BatchHistory {
public:
    static constexpr std::size_t kMaxPoints = 4096;

    // The deals among which the hits were counted (countedDeals in
    // journal.h): a run that knows something counts only those that met it.
    struct Point {
        std::int64_t batch;
        std::int64_t deals;
        std::int64_t hits;
        friend bool operator==(const Point&, const Point&) = default;
    };

    // Batch numbers start at 1 and come in order.
    void add(std::int64_t batch, std::int64_t deals, std::int64_t hits);

    [[nodiscard]] const std::vector<Point>& points() const { return points_; }

    // At most `most` (2 or more) of the points, spread by the same rule
    // (the batches that are multiples of a power of two), and the last
    // point always, so that the chart still ends where the run ended.
    [[nodiscard]] BatchHistory thinned(std::size_t most) const;

    // The same points: how the next ones would be kept does not count.
    friend bool operator==(const BatchHistory& a, const BatchHistory& b) {
        return a.points_ == b.points_;
    }

private:
    std::vector<Point> points_;
    std::int64_t stride_ = 1;
};

}  // namespace ondiscale
