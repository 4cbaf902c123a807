// The exported scripts run by the dealer program itself: its share of the
// deals kept that meet the question must agree with the exact conditional
// probability, computed here from binomial coefficients.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <string>

#include "conditions.h"
#include "exact_odds.h"
#include "formats/dealer_script.h"
#include "formats/recipes.h"

using namespace ondiscale;
using namespace conditions;
using odds::choose;

namespace {

#ifdef ONDISCALE_DEALER
constexpr const char* kDealer = ONDISCALE_DEALER;
#else
constexpr const char* kDealer = "";
#endif

struct DealerRun {
    double average = 0;
    long long produced = 0;
};

// Runs the script with a fixed seed; nothing when dealer fails or does
// not print what is expected.
std::optional<DealerRun> runDealer(const std::string& script, int seed) {
    const std::filesystem::path file =
        std::filesystem::temp_directory_path() /
        ("ondiscale_dealer_" + std::to_string(::getpid()) + "_" + std::to_string(seed) + ".dl");
    std::ofstream(file) << script;
    const std::string command =
        std::string(kDealer) + " -s " + std::to_string(seed) + " " + file.string() + " 2>&1";
    FILE* pipe = ::popen(command.c_str(), "r");
    std::string output;
    std::array<char, 4096> buffer{};
    while (pipe != nullptr && std::fgets(buffer.data(), buffer.size(), pipe) != nullptr) {
        output += buffer.data();
    }
    const int status = pipe != nullptr ? ::pclose(pipe) : -1;
    std::filesystem::remove(file);
    DealerRun run;
    const auto average = output.find("question: ");
    const auto produced = output.find("Produced ");
    if (status != 0 || average == std::string::npos || produced == std::string::npos) {
        ADD_FAILURE() << "dealer printed:\n" << output << "\nfor:\n" << script;
        return std::nullopt;
    }
    run.average = std::stod(output.substr(average + 10));
    run.produced = std::stoll(output.substr(produced + 9));
    return run;
}

bool dealerInstalled() { return *kDealer != '\0' && std::filesystem::exists(kDealer); }

// South opens 1SA (15 to 17 points, 4333, 4432 or 5332): the share of all
// deals, and among those the share where North-South hold 25 points or
// more. South's honours are taken suit by suit (its spot cards then fill
// each suit to a regular length); North's honours come from those left.
struct NoTrumpOdds {
    double known = 0;
    double asked = 0;
};

NoTrumpOdds noTrumpOdds() {
    std::vector<std::array<int, 4>> regular;
    odds::forEachSplit([&](int s, int h, int d, int c, double) {
        const std::string p = odds::pattern(s, h, d, c);
        if (p == "4333" || p == "4432" || p == "5332") {
            regular.push_back({s, h, d, c});
        }
    });
    constexpr std::array<int, 4> kValues{4, 3, 2, 1};  // ace, king, queen, jack
    // Ways for South, by the number of aces, kings, queens and jacks held.
    double ways[5][5][5][5] = {};
    for (int held = 0; held < (1 << 16); ++held) {
        std::array<int, 4> perSuit{};
        std::array<int, 4> perRank{};
        int points = 0;
        for (int bit = 0; bit < 16; ++bit) {
            if ((held >> bit & 1) != 0) {
                ++perSuit[static_cast<std::size_t>(bit / 4)];
                ++perRank[static_cast<std::size_t>(bit % 4)];
                points += kValues[static_cast<std::size_t>(bit % 4)];
            }
        }
        if (points < 15 || points > 17) {
            continue;
        }
        double w = 0;
        for (const auto& lengths : regular) {
            double product = 1;
            for (std::size_t s = 0; s < 4; ++s) {
                product *= choose(9, lengths[s] - perSuit[s]);
            }
            w += product;
        }
        ways[perRank[0]][perRank[1]][perRank[2]][perRank[3]] += w;
    }
    double known = 0;
    double asked = 0;
    for (int a = 0; a <= 4; ++a) {
        for (int k = 0; k <= 4; ++k) {
            for (int q = 0; q <= 4; ++q) {
                for (int j = 0; j <= 4; ++j) {
                    const double w = ways[a][k][q][j];
                    if (w == 0) {
                        continue;
                    }
                    const int left = 16 - a - k - q - j;
                    const int need = 25 - (4 * a + 3 * k + 2 * q + j);
                    double north = 0;  // of North's C(39, 13) hands
                    for (int na = 0; na <= 4 - a; ++na) {
                        for (int nk = 0; nk <= 4 - k; ++nk) {
                            for (int nq = 0; nq <= 4 - q; ++nq) {
                                for (int nj = 0; nj <= 4 - j; ++nj) {
                                    if (4 * na + 3 * nk + 2 * nq + nj >= need) {
                                        north += choose(4 - a, na) * choose(4 - k, nk) *
                                                 choose(4 - q, nq) * choose(4 - j, nj) *
                                                 choose(39 - left, 13 - na - nk - nq - nj);
                                    }
                                }
                            }
                        }
                    }
                    known += w;
                    asked += w * north / choose(39, 13);
                }
            }
        }
    }
    return {known / choose(52, 13), asked / known};
}

// North-South hold 8 cards or more in spades or in hearts: each by the
// hypergeometric law, less both at once.
double majorFitOdds() {
    const double all = choose(52, 26);
    double one = 0;
    double both = 0;
    for (int s = 8; s <= 13; ++s) {
        one += choose(13, s) * choose(39, 26 - s) / all;
        for (int h = 8; h <= 13; ++h) {
            both += choose(13, s) * choose(13, h) * choose(26, 26 - s - h) / all;
        }
    }
    return 2 * one - both;
}

// The share of South's hands whose pattern passes `in`.
template <typename In>
double shareOfPatterns(In in) {
    double p = 0;
    odds::forEachSplit([&](int s, int h, int d, int c, double q) {
        std::array<int, 4> l{s, h, d, c};
        std::sort(l.begin(), l.end(), std::greater<>());
        p += in(odds::pattern(s, h, d, c), l) ? q : 0;
    });
    return p;
}

struct RunRow {
    const char* name;
    Condition condition;
    std::int32_t generate;
    std::int32_t produce;
    double exact;
};

void PrintTo(const RunRow& row, std::ostream* os) { *os << row.name; }

class DealerRunsTheScript : public ::testing::TestWithParam<RunRow> {};

TEST_P(DealerRunsTheScript, AndItsShareAgreesWithTheExactValue) {
    if (!dealerInstalled()) {
        GTEST_SKIP() << "dealer is not installed (/usr/games/dealer); scripts/setup.sh installs it";
    }
    const RunRow& row = GetParam();
    const std::string script =
        dealerScript(row.condition, {row.generate, row.produce, "", "question"});
    const auto run = runDealer(script, 20261208);
    ASSERT_TRUE(run.has_value());
    EXPECT_GE(run->produced, row.produce / 2) << script;
    EXPECT_TRUE(odds::agrees(std::llround(run->average * static_cast<double>(run->produced)),
                             run->produced, row.exact))
        << script;
}

// A recipe the program comes with, by its name.
Condition recipe(const std::string& name) {
    for (const Recipe& r : builtInRecipes()) {
        if (r.name == name) {
            return r.condition;
        }
    }
    ADD_FAILURE() << "no recipe " << name;
    return {};
}

Alt southShape(ShapeClass c) { return Alt().shape(Seat::South, {shapeClass(c)}); }
using Pattern = const std::array<int, 4>&;

INSTANTIATE_TEST_SUITE_P(
    Rows, DealerRunsTheScript,
    ::testing::Values(
        RunRow{"your_hand_and_partners_hearts", recipe("Vous avez ces treize cartes"), 100'000,
               100'000,
               [] {
                   double p = 0;
                   for (int k = 4; k <= 11; ++k) {
                       p += choose(11, k) * choose(28, 13 - k) / choose(39, 13);
                   }
                   return p;
               }()},
        RunRow{"no_trump_opening_and_25_points",
               recipe("Ouverture de 1SA (15 à 17 points, régulière)"), 2'000'000, 20'000,
               noTrumpOdds().asked},
        RunRow{"major_fit_through_two_alternatives", recipe("Fit de 8 cartes en majeure"), 100'000,
               100'000, majorFitOdds()},
        RunRow{"cards_in_known_alternatives",
               question({Alt().cards(Seat::South, "A..."), Alt().cards(Seat::North, "A...")},
                        {Alt().cards(Seat::South, "K..."), Alt().cards(Seat::North, "K...")}),
               100'000, 100'000, 25.0 / 51.0},
        RunRow{"regular", question({}, {southShape(ShapeClass::Regular)}), 100'000, 100'000,
               shareOfPatterns([](const std::string& p, Pattern) {
                   return p == "4333" || p == "4432" || p == "5332";
               })},
        RunRow{"semi_regular", question({}, {southShape(ShapeClass::SemiRegular)}), 100'000,
               100'000, shareOfPatterns([](const std::string& p, Pattern) {
                   return p == "5422" || p == "6322";
               })},
        RunRow{
            "one_suited", question({}, {southShape(ShapeClass::OneSuited)}), 100'000, 100'000,
            shareOfPatterns([](const std::string&, Pattern l) { return l[0] >= 6 && l[1] <= 3; })},
        RunRow{"two_suited", question({}, {southShape(ShapeClass::TwoSuited)}), 100'000, 100'000,
               shareOfPatterns([](const std::string&, Pattern l) {
                   return l[0] >= 5 && l[1] >= 4 && l[2] <= 3;
               })},
        RunRow{"three_suited", question({}, {southShape(ShapeClass::ThreeSuited)}), 100'000,
               100'000, shareOfPatterns([](const std::string& p, Pattern) {
                   return p == "4441" || p == "5440";
               })},
        RunRow{"no_short_suit", question({}, {southShape(ShapeClass::NoShortSuit)}), 100'000,
               100'000, shareOfPatterns([](const std::string&, Pattern l) { return l[3] >= 2; })},
        RunRow{
            "suit_order_pattern_and_a_long_suit",
            question({}, {Alt().shape(Seat::South, {suitOrder(5, 4, 2, 2), anyOrder(7, 3, 2, 1)})}),
            100'000, 100'000,
            odds::choose(13, 5) * choose(13, 4) * choose(13, 2) * choose(13, 2) / choose(52, 13) +
                shareOfPatterns([](const std::string& p, Pattern) { return p == "7321"; })}),
    [](const auto& info) { return std::string(info.param.name); });

// The figures the teachers' question is known by: Sud opens 1SA in
// 4,865599 % of deals, and then Nord-Sud hold 25 points in 41,98273 %.
TEST(NoTrumpOdds, AreTheFiguresOfTheLesson) {
    const NoTrumpOdds o = noTrumpOdds();
    EXPECT_TRUE(odds::roundsTo(o.known, 0.04865599, 1e-8));
    EXPECT_TRUE(odds::roundsTo(o.asked, 0.4198273, 1e-7));
}

}  // namespace
