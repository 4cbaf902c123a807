#pragma once

// Exact probabilities of South's hand, from binomial coefficients, and a
// tolerance of about five standard deviations for counts drawn at random.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <map>
#include <string>

namespace odds {

inline double choose(int n, int k) {
    if (k < 0 || k > n) {
        return 0.0;
    }
    double r = 1.0;
    for (int i = 1; i <= k; ++i) {
        r = r * (n - k + i) / i;
    }
    return r;
}

inline double hands() { return choose(52, 13); }

// Calls f(spades, hearts, diamonds, clubs, probability) for every split of 13 cards.
inline void forEachSplit(const std::function<void(int, int, int, int, double)>& f) {
    for (int s = 0; s <= 13; ++s) {
        for (int h = 0; s + h <= 13; ++h) {
            for (int d = 0; s + h + d <= 13; ++d) {
                const int c = 13 - s - h - d;
                f(s, h, d, c,
                  choose(13, s) * choose(13, h) * choose(13, d) * choose(13, c) / hands());
            }
        }
    }
}

// Lengths sorted longest first and joined: "4432", "12100".
inline std::string pattern(int s, int h, int d, int c) {
    std::array<int, 4> l{s, h, d, c};
    std::sort(l.begin(), l.end(), std::greater<>());
    std::string out;
    for (int v : l) {
        out += std::to_string(v);
    }
    return out;
}

inline std::map<std::string, double> patternProbabilities() {
    std::map<std::string, double> p;
    forEachSplit([&](int s, int h, int d, int c, double q) { p[pattern(s, h, d, c)] += q; });
    return p;
}

// Probability of each high-card point total 0 to 37: x aces, y kings,
// z queens and w jacks among the 16 honours, the rest from the other 36 cards.
inline std::array<double, 38> pointProbabilities() {
    std::array<double, 38> p{};
    for (int x = 0; x <= 4; ++x) {
        for (int y = 0; y <= 4; ++y) {
            for (int z = 0; z <= 4; ++z) {
                for (int w = 0; w <= 4; ++w) {
                    const int honours = x + y + z + w;
                    if (honours > 13) {
                        continue;
                    }
                    const int points = 4 * x + 3 * y + 2 * z + w;
                    p[static_cast<std::size_t>(points)] += choose(4, x) * choose(4, y) *
                                                           choose(4, z) * choose(4, w) *
                                                           choose(36, 13 - honours) / hands();
                }
            }
        }
    }
    return p;
}

// Probability that one given suit holds exactly n cards.
inline double suitLength(int n) { return choose(13, n) * choose(39, 13 - n) / hands(); }

// Checks that `count` hits out of `trials` agree with probability p
// within about five standard deviations, plus three hits for rare events:
// with only one more, a count expected at 0.1 that comes out at 3 failed
// the statistics test about once in 600 runs.
inline ::testing::AssertionResult agrees(long long count, long long trials, double p) {
    const double expected = static_cast<double>(trials) * p;
    const double sd = std::sqrt(static_cast<double>(trials) * p * (1.0 - p));
    const double allowed = 5.0 * sd + 3.0;
    if (std::abs(static_cast<double>(count) - expected) <= allowed) {
        return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure() << count << " hits in " << trials << " trials, expected "
                                         << expected << " +/- " << allowed;
}

}  // namespace odds

namespace odds {

// Checks that `actual` rounds to `reference`, a figure printed to the
// nearest `unit` (0.01 for 67.83, 0.000001 for 9.405115).
inline ::testing::AssertionResult roundsTo(double actual, double reference, double unit) {
    if (std::abs(actual - reference) <= unit / 2) {
        return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure()
           << actual << " does not round to " << reference << " (unit " << unit << ")";
}

}  // namespace odds
