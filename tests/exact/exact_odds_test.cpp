#include "exact/exact_odds.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>

#include "deal_oracles.h"
#include "exact_odds.h"

using namespace ondiscale;
using odds::choose;

namespace {

using enum Seat;
using enum Suit;
using oracle::range;

ConditionPart partOf(std::initializer_list<std::function<void(Alternative&)>> alternatives) {
    ConditionPart part;
    part.alternatives.clear();
    for (const auto& ask : alternatives) {
        part.alternatives.emplace_back();
        ask(part.alternatives.back());
    }
    return part;
}

double share(WideCount deals) {
    return static_cast<double>(static_cast<long double>(deals) / oracle::allDeals());
}

::testing::AssertionResult near(const std::optional<double>& exact, double oracle) {
    if (!exact) {
        return ::testing::AssertionFailure() << "no exact value";
    }
    if (std::abs(*exact - oracle) <= 1e-15 + 1e-11 * oracle) {
        return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure() << *exact << " against " << oracle;
}

// The teacher's question: after South opens 1SA (15 to 17 points,
// régulière), how often do North-South hold 25 points or more?
TEST(ExactOdds, OneNoTrumpOpening) {
    Condition question;
    question.known = partOf({[](Alternative& a) {
        a.bounds.hand(South).points = range(15, 17);
        a.shapes[index(South)].terms.push_back({ShapeTerm::Kind::Class, ShapeClass::Regular, {}});
    }});
    question.asked =
        partOf({[](Alternative& a) { a.bounds.side(Side::NorthSouth).points = range(25, 40); }});
    const ExactOdds odds = exactOdds(question);
    ASSERT_TRUE(odds.probability.has_value()) << odds.whyNot;
    EXPECT_TRUE(odds::roundsTo(100 * *odds.probability, 41.98273, 1e-5));
    EXPECT_TRUE(odds::roundsTo(100 * share(odds.knownDeals), 4.865599, 1e-6));
    EXPECT_TRUE(odds.whyNot.empty());
}

// "Vous avez ♠AR52 ♥D7 ♦RV84 ♣A63 : quelle chance que partenaire ait 4
// cœurs ou plus ?" Partner's 13 cards come from the other 39, 11 hearts
// among them.
TEST(ExactOdds, MyHandKnownPartnersHearts) {
    Condition question;
    question.known = partOf(
        {[](Alternative& a) { a.cards[index(South)] = oracle::cardsOf("AK52.Q7.KJ84.A63"); }});
    question.asked =
        partOf({[](Alternative& a) { a.bounds.hand(North).suit(Hearts) = range(4, 13); }});
    double oracle = 0;
    for (int k = 4; k <= 11; ++k) {
        oracle += choose(11, k) * choose(28, 13 - k) / choose(39, 13);
    }
    const ExactOdds odds = exactOdds(question);
    EXPECT_TRUE(near(odds.probability, oracle));
    EXPECT_TRUE(near(share(odds.knownDeals), choose(39, 13) * choose(26, 13) / oracle::allDeals()));
}

// Alternatives, by inclusion and exclusion, against the same sums
// written out with binomials.
TEST(ExactOdds, AlternativesAgainstTheLengthsCounted) {
    const auto fit = [](Suit suit) {
        return
            [suit](Alternative& a) { a.bounds.side(Side::NorthSouth).suit(suit) = range(8, 13); };
    };
    // North-South's 26 cards hold k spades and m hearts.
    double eitherMajor = 0;
    for (int k = 0; k <= 13; ++k) {
        for (int m = 0; m <= 13; ++m) {
            if (k >= 8 || m >= 8) {
                eitherMajor +=
                    choose(13, k) * choose(13, m) * choose(26, 26 - k - m) / choose(52, 26);
            }
        }
    }
    // South with five spades or five hearts (or both), North three spades
    // or more of the 39 cards left.
    double opened = 0;
    double supported = 0;
    for (int s = 0; s <= 13; ++s) {
        for (int h = 0; s + h <= 13; ++h) {
            if (s < 5 && h < 5) {
                continue;
            }
            const double south =
                choose(13, s) * choose(13, h) * choose(26, 13 - s - h) / choose(52, 13);
            double north = 0;
            for (int n = 3; n <= 13 - s; ++n) {
                north += choose(13 - s, n) * choose(26 + s, 13 - n) / choose(39, 13);
            }
            opened += south;
            supported += south * north;
        }
    }

    double threeSpades = 1;  // North's, with nothing known
    for (int n = 0; n < 3; ++n) {
        threeSpades -= choose(13, n) * choose(39, 13 - n) / choose(52, 13);
    }

    struct Row {
        const char* name;
        Condition question;
        double known;
        double probability;
        double askedAlone;
    };
    Condition fitQuestion;
    fitQuestion.asked = partOf({fit(Spades), fit(Hearts)});
    Condition majorQuestion;
    majorQuestion.known =
        partOf({[](Alternative& a) { a.bounds.hand(South).suit(Spades) = range(5, 13); },
                [](Alternative& a) { a.bounds.hand(South).suit(Hearts) = range(5, 13); }});
    majorQuestion.asked =
        partOf({[](Alternative& a) { a.bounds.hand(North).suit(Spades) = range(3, 13); }});
    Condition twiceAsked = fitQuestion;  // an alternative given twice counts once
    twiceAsked.asked.alternatives.push_back(twiceAsked.asked.alternatives.front());
    const Row rows[] = {
        {"a fit of 8 cards or more in a major", fitQuestion, 1, eitherMajor, eitherMajor},
        {"the same fit, spades given twice", twiceAsked, 1, eitherMajor, eitherMajor},
        {"South five cards in a major: North three spades or more", majorQuestion, opened,
         supported / opened, threeSpades},
    };
    for (const Row& row : rows) {
        const ExactOdds odds = exactOdds(row.question);
        EXPECT_TRUE(near(odds.probability, row.probability)) << row.name;
        EXPECT_TRUE(near(share(odds.knownDeals), row.known)) << row.name;
        EXPECT_TRUE(near(share(odds.bothDeals), row.known * row.probability)) << row.name;
        EXPECT_TRUE(near(share(exactDeals(row.question.asked).value()), row.askedAlone))
            << row.name << ", the asked part alone";
    }
}

// No exact value rather than a wrong one, and a reason to show.
TEST(ExactOdds, NothingWithAReason) {
    const auto ace = [](Seat seat) {
        return [seat](Alternative& a) { a.cards[index(seat)] = oracle::cardsOf("A..."); };
    };
    Condition aceTwice;  // the ace of spades known in two hands
    aceTwice.known = partOf({ace(North)});
    aceTwice.known.alternatives.front().cards[index(South)] = oracle::cardsOf("A...");
    Condition fiveAlternatives;
    fiveAlternatives.asked = partOf({ace(North), ace(East), ace(South), ace(West), ace(North)});
    Condition impossibleAsk;
    impossibleAsk.asked =
        partOf({[](Alternative& a) { a.bounds.hand(North).points = range(38, 40); }});
    Condition nothing;
    Condition noAlternatives;  // as a file may hold it: asks nothing, as the matcher has it
    noAlternatives.known.alternatives.clear();
    noAlternatives.asked.alternatives.clear();
    Condition noAskedAlternative = impossibleAsk;
    noAskedAlternative.asked.alternatives.clear();

    struct Row {
        const char* name;
        Condition question;
        std::optional<double> probability;
        std::string why;
    };
    const Row rows[] = {
        {"a card known in two hands", aceTwice, std::nullopt,
         "aucune donne ne remplit ce que l'on sait"},
        {"five alternatives", fiveAlternatives, std::nullopt,
         "la combinatoire ne sait pas compter ce cas"},
        {"38 points asked", impossibleAsk, 0.0, ""},
        {"nothing known, nothing asked", nothing, 1.0, ""},
        {"no alternative in either part", noAlternatives, 1.0, ""},
        {"no alternative asked", noAskedAlternative, 1.0, ""},
    };
    for (const Row& row : rows) {
        const ExactOdds odds = exactOdds(row.question);
        EXPECT_EQ(odds.probability, row.probability) << row.name;
        EXPECT_EQ(odds.whyNot, row.why) << row.name;
    }
}

// The counts of one question share one allowance of work: a question of
// many counts, each small enough alone, gives up as a whole, or a window
// waiting a tenth of a second for it would wait ten times as long.
TEST(ExactOdds, TheCountsOfAQuestionShareOneAllowance) {
    const auto opening = [](Seat seat) {  // 12 to 14 points and five hearts or more
        return [seat](Alternative& a) {
            a.bounds.hand(seat).points = range(12, 14);
            a.bounds.hand(seat).suit(Hearts) = range(5, 13);
        };
    };
    Condition northAndEast;
    northAndEast.asked = partOf({[&](Alternative& a) {
        opening(North)(a);
        opening(East)(a);
    }});
    Condition northAndSouth;
    northAndSouth.asked = partOf({[&](Alternative& a) {
        opening(North)(a);
        opening(South)(a);
    }});
    Condition anyHand;  // four hands alone, six pairs; three hands cannot hold 15 hearts
    anyHand.asked = partOf({opening(North), opening(East), opening(South), opening(West)});
    constexpr double kSmall = 2e5;  // five times the steps of the largest count alone

    struct Row {
        const char* name;
        Condition question;
        double mostWork;
        bool counted;
    };
    const Row rows[] = {
        {"North and East alone", northAndEast, kSmall, true},
        {"North and South alone", northAndSouth, kSmall, true},
        {"any hand, ten counts within the small allowance", anyHand, kSmall, false},
        {"any hand, ten counts within the usual allowance", anyHand, kLongCount, true},
    };
    for (const Row& row : rows) {
        const ExactOdds odds = exactOdds(row.question, row.mostWork);
        EXPECT_EQ(odds.probability.has_value(), row.counted) << row.name;
        EXPECT_EQ(odds.whyNot, row.counted ? "" : "le calcul exact prendrait trop de temps")
            << row.name;
    }
}

}  // namespace
