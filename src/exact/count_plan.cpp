#include "exact/count_plan.h"

#include <algorithm>
#include <bit>
#include <functional>

#include "exact/binomials.h"

namespace ondiscale {
namespace {

constexpr int kSuitLength = 13;
constexpr int kHonourRank = kJack;  // jack, queen, king and ace score 1 to 4

constexpr CardSet suitCards(std::size_t suit) {
    return ((CardSet{1} << kSuitLength) - 1) << (kLowestCard + kSuitLength * suit);
}
constexpr CardSet kEveryCard = ((CardSet{1} << 52) - 1) << kLowestCard;

int pointsOf(CardSet cards) {
    int points = 0;
    for (const Suit suit : kSuits) {
        for (int rank = kHonourRank; rank <= kAce; ++rank) {
            if ((cards & cardBit(cardOf(suit, rank))) != 0) {
                points += rank - kHonourRank + 1;
            }
        }
    }
    return points;
}

Span common(const Span& a, const Span& b) { return {std::max(a.lo, b.lo), std::min(a.hi, b.hi)}; }
bool empty(const Span& span) { return span.lo > span.hi; }

// A range of the whole hand as one of the cards left to deal, `known`
// being already held and `most` the most the hand can still be dealt.
Span leftOf(const Range& range, int limit, int known, int most) {
    const int hi = std::min<int>(range.max, limit);
    return {std::max(0, range.min - known), std::min(hi - known, most)};
}

// East-West hold what North-South do not: their range read as
// North-South's.
Span northSouthOf(const Range& northSouth, const Range& eastWest, int whole) {
    const int ewHi = std::min<int>(eastWest.max, whole);
    return {std::max<int>(northSouth.min, whole - ewHi),
            std::min<int>(std::min<int>(northSouth.max, whole), whole - eastWest.min)};
}

// One hand, or a partnership, before the units are formed.
struct Holder {
    int cards = 0;
    PerSuit<int> known{};
    int knownPoints = 0;
    PerSuit<Span> suits{};
    Span points;
    bool shaped = false;
    std::vector<LengthVector> shapes;  // of the cards left to deal
};

struct Deck {
    PerSuit<int> left{};  // cards of each suit left to deal
    int cards = 0;
    int points = 0;
    std::vector<int> honours;  // their points, highest first

    // The most points `cards` of the cards left can score.
    [[nodiscard]] int mostPoints(int cards) const {
        int most = 0;
        for (std::size_t h = 0; h < honours.size() && static_cast<int>(h) < cards; ++h) {
            most += honours[h];
        }
        return most;
    }
};

bool suitFree(const Span& span, int cards, int suitLeft, int allLeft) {
    const int fewest = std::max(0, suitLeft - (allLeft - cards));
    const int most = std::min(cards, suitLeft);
    return span.lo <= fewest && span.hi >= most;
}

bool pointsFree(const Span& span, int cards, const Deck& deck) {
    const int fewest = deck.points - deck.mostPoints(deck.cards - cards);
    return span.lo <= fewest && span.hi >= deck.mostPoints(cards);
}

bool suitsFree(const PerSuit<Span>& suits, int cards, const Deck& deck) {
    for (std::size_t s = 0; s < suits.size(); ++s) {
        if (!suitFree(suits[s], cards, deck.left[s], deck.cards)) {
            return false;
        }
    }
    return true;
}

// The vectors a hand's shape allows, as lengths of the cards it is still
// dealt; its suit ranges narrowed to them. A shape that allows every
// vector the ranges do is dropped. False when it allows none.
bool settleShape(Holder& hand, const LengthVectors& shape) {
    if (shape.all()) {
        return true;
    }
    std::vector<LengthVector> left;
    PerSuit<Span> narrowed{
        {{kSuitLength, 0}, {kSuitLength, 0}, {kSuitLength, 0}, {kSuitLength, 0}}};
    for (std::size_t n = 0; n < kLengthVectors; ++n) {
        if (!shape[n]) {
            continue;
        }
        const LengthVector whole = lengthVector(n);
        LengthVector free{};
        bool fits = true;
        for (std::size_t s = 0; s < free.size() && fits; ++s) {
            const int length = whole[s] - hand.known[s];
            fits = hand.suits[s].holds(length);
            free[s] = static_cast<std::uint8_t>(std::max(0, length));
        }
        if (!fits) {
            continue;
        }
        left.push_back(free);
        for (std::size_t s = 0; s < free.size(); ++s) {
            narrowed[s] = {std::min<int>(narrowed[s].lo, free[s]),
                           std::max<int>(narrowed[s].hi, free[s])};
        }
    }
    if (left.empty()) {
        return false;
    }
    hand.suits = narrowed;
    std::size_t withinRanges = 0;
    for (int a = narrowed[0].lo; a <= narrowed[0].hi; ++a) {
        for (int b = narrowed[1].lo; b <= narrowed[1].hi; ++b) {
            for (int c = narrowed[2].lo; c <= narrowed[2].hi; ++c) {
                withinRanges += narrowed[3].holds(hand.cards - a - b - c) ? 1U : 0U;
            }
        }
    }
    hand.shaped = withinRanges != left.size();
    if (hand.shaped) {
        hand.shapes = std::move(left);
    }
    return true;
}

bool reads(const Holder& hand, const Deck& deck) {
    return hand.shaped || !suitsFree(hand.suits, hand.cards, deck) ||
           !pointsFree(hand.points, hand.cards, deck);
}

// A hand with no card left to deal asks nothing more; what its
// partnership asks falls on its partner. False when it cannot be met.
bool foldPartnership(Holder& side, Holder& north, Holder& south) {
    if (north.cards > 0 && south.cards > 0) {
        return true;
    }
    Holder& other = north.cards > 0 ? north : south;
    for (std::size_t s = 0; s < side.suits.size(); ++s) {
        other.suits[s] = common(other.suits[s], side.suits[s]);
        side.suits[s] = {0, kSuitLength};
    }
    other.points = common(other.points, side.points);
    side.points = {0, kSidePoints};
    for (const Span& span : other.suits) {
        if (empty(span)) {
            return false;
        }
    }
    return !empty(other.points);
}

Span flipped(const Span& span, int total) { return {total - span.hi, total - span.lo}; }

// Dimensions that every rule reads together or not at all are one: the
// rules only see their sum (a partnership's points when one of the two
// hands asks something else).
void mergeDims(CountPlan& plan) {
    std::array<std::uint32_t, kMostDims> readBy{};  // a bit per rule
    for (std::size_t r = 0; r < plan.rules.size(); ++r) {
        for (std::size_t d = 0; d < kMostDims; ++d) {
            if (((plan.rules[r].dims >> d) & 1U) != 0) {
                readBy[d] |= 1U << r;
            }
        }
    }
    std::array<int, kMostDims> into{-1, -1, -1};
    int dims = 0;
    for (int d = 0; d < plan.dims; ++d) {
        for (int e = 0; e < d && into[static_cast<std::size_t>(d)] < 0; ++e) {
            if (readBy[static_cast<std::size_t>(e)] == readBy[static_cast<std::size_t>(d)]) {
                into[static_cast<std::size_t>(d)] = into[static_cast<std::size_t>(e)];
            }
        }
        if (into[static_cast<std::size_t>(d)] < 0) {
            into[static_cast<std::size_t>(d)] = dims++;
        }
    }
    for (CountUnit& unit : plan.units) {
        if (unit.dim >= 0) {
            unit.dim = into[static_cast<std::size_t>(unit.dim)];
        }
    }
    for (PointRule& rule : plan.rules) {
        std::uint8_t merged = 0;
        for (std::size_t d = 0; d < kMostDims; ++d) {
            if (((rule.dims >> d) & 1U) != 0) {
                merged = static_cast<std::uint8_t>(merged | (1U << into[d]));
            }
        }
        rule.dims = merged;
    }
    plan.dims = dims;
}

}  // namespace

CountPlan planOf(const DealQuestion& question) {
    CountPlan plan;
    const auto nothing = [&plan] {
        plan.outcome = CountPlan::Outcome::Empty;
        return plan;
    };
    if (plainlyEmpty(question)) {
        return nothing();
    }

    // What is left to deal once the known cards are in their hands.
    CardSet known = 0;
    for (const CardSet cards : question.cards) {
        known |= cards;
    }
    if ((known & ~kEveryCard) != 0) {
        return nothing();  // no deal holds a card that does not exist
    }
    Deck deck;
    deck.points = kSidePoints - pointsOf(known);
    for (std::size_t s = 0; s < kSuits.size(); ++s) {
        deck.left[s] = kSuitLength - std::popcount(known & suitCards(s));
        deck.cards += deck.left[s];
        for (int rank = kHonourRank; rank <= kAce; ++rank) {
            if ((known & cardBit(cardOf(kSuits[s], rank))) == 0) {
                plan.honours[s].push_back(rank - kHonourRank + 1);
                deck.honours.push_back(rank - kHonourRank + 1);
            }
        }
        plan.spots[s] = deck.left[s] - static_cast<int>(plan.honours[s].size());
    }
    plan.freePoints = deck.points;
    std::sort(deck.honours.begin(), deck.honours.end(), std::greater<>());

    std::array<Holder, 4> hands{};
    for (std::size_t h = 0; h < hands.size(); ++h) {
        Holder& hand = hands[h];
        const CardSet cards = question.cards[h];
        hand.cards = kSuitCards - std::popcount(cards);
        hand.knownPoints = pointsOf(cards);
        const HandBounds& bounds = question.bounds.hands[h];
        for (std::size_t s = 0; s < kSuits.size(); ++s) {
            hand.known[s] = std::popcount(cards & suitCards(s));
            hand.suits[s] = leftOf(bounds.suits[s], kSuitLength, hand.known[s],
                                   std::min(hand.cards, deck.left[s]));
            if (empty(hand.suits[s])) {
                return nothing();
            }
        }
        hand.points = leftOf(bounds.points, kHandPoints, hand.knownPoints, deck.points);
        if (empty(hand.points)) {
            return nothing();
        }
    }

    // The partnerships' bounds, all as North-South's.
    Holder side;
    Holder& north = hands[index(Seat::North)];
    Holder& south = hands[index(Seat::South)];
    side.cards = north.cards + south.cards;
    const TableBounds& bounds = question.bounds;
    for (std::size_t s = 0; s < kSuits.size(); ++s) {
        const Span whole =
            northSouthOf(bounds.sides[0].suits[s], bounds.sides[1].suits[s], kSuitLength);
        const int held = north.known[s] + south.known[s];
        side.suits[s] = {std::max(0, whole.lo - held),
                         std::min(whole.hi - held, std::min(side.cards, deck.left[s]))};
        if (empty(side.suits[s])) {
            return nothing();
        }
    }
    const Span wholePoints =
        northSouthOf(bounds.sides[0].points, bounds.sides[1].points, kSidePoints);
    const int heldPoints = north.knownPoints + south.knownPoints;
    side.points = {std::max(0, wholePoints.lo - heldPoints),
                   std::min(wholePoints.hi - heldPoints, deck.points)};
    if (empty(side.points) || !foldPartnership(side, north, south)) {
        return nothing();
    }

    for (std::size_t h = 0; h < hands.size(); ++h) {
        Holder& hand = hands[h];
        if (hand.cards == 0) {
            LengthVector whole{};
            for (std::size_t s = 0; s < whole.size(); ++s) {
                whole[s] = static_cast<std::uint8_t>(hand.known[s]);
            }
            if (!question.shapes[h][numberOf(whole)]) {
                return nothing();
            }
        } else if (!settleShape(hand, question.shapes[h])) {
            return nothing();
        }
    }

    // The units: a hand that reads something, partners through their
    // partnership, and the rest pooled.
    const bool sideReadsSuits = !suitsFree(side.suits, side.cards, deck);
    const bool sideReadsPoints = !pointsFree(side.points, side.cards, deck);
    const bool sideReads = sideReadsSuits || sideReadsPoints;
    const std::size_t n = index(Seat::North);
    const std::size_t s = index(Seat::South);
    std::array<bool, 4> alone{};
    for (std::size_t h = 0; h < hands.size(); ++h) {
        alone[h] = hands[h].cards > 0 && reads(hands[h], deck);
    }
    struct Draft {
        Holder holder;
        std::uint8_t seats = 0;
        bool readsPoints = false;
    };
    std::vector<Draft> drafts;
    const auto seatBit = [](std::size_t h) { return static_cast<std::uint8_t>(1U << h); };
    const bool pooledSide = sideReads && !alone[n] && !alone[s];
    if (pooledSide) {
        drafts.push_back(
            {side, static_cast<std::uint8_t>(seatBit(n) | seatBit(s)), sideReadsPoints});
    } else if (sideReads) {
        alone[n] = true;
        alone[s] = true;
    }
    std::uint8_t rest = 0;
    int restCards = 0;
    for (std::size_t h = 0; h < hands.size(); ++h) {
        if (alone[h]) {
            drafts.push_back(
                {hands[h], seatBit(h), !pointsFree(hands[h].points, hands[h].cards, deck)});
        } else if (!(pooledSide && (h == n || h == s))) {
            rest = static_cast<std::uint8_t>(rest | seatBit(h));
            restCards += hands[h].cards;
        }
    }
    if (rest != 0) {
        Draft pool;
        pool.seats = rest;
        pool.holder.cards = restCards;
        for (std::size_t t = 0; t < kSuits.size(); ++t) {
            pool.holder.suits[t] = {0, std::min(restCards, deck.left[t])};
        }
        pool.holder.points = {0, deck.points};
        drafts.push_back(pool);
    }

    // The unit whose cards follow from the others' goes last: best one
    // that reads nothing, then one without points to follow.
    const auto implicitness = [&](const Draft& d) {
        if (d.holder.shaped) {
            return 4;
        }
        if (d.seats == rest) {
            return 0;
        }
        const bool paired =
            sideReads && !pooledSide && (d.seats == seatBit(n) || d.seats == seatBit(s));
        return d.readsPoints ? 3 : (paired && sideReadsPoints ? 2 : 1);
    };
    const auto last = std::min_element(
        drafts.begin(), drafts.end(),
        [&](const Draft& a, const Draft& b) { return implicitness(a) < implicitness(b); });
    plan.lastImplied = implicitness(*last) < 4;
    std::rotate(last, last + 1, drafts.end());

    for (const Draft& d : drafts) {
        CountUnit unit;
        unit.seats = d.seats;
        unit.cards = d.holder.cards;
        unit.suits = d.holder.suits;
        unit.shaped = d.holder.shaped;
        unit.shapes = d.holder.shapes;
        const bool inPair =
            sideReadsSuits && !pooledSide && (d.seats == seatBit(n) || d.seats == seatBit(s));
        unit.readsLengths = unit.shaped || inPair || !suitsFree(unit.suits, unit.cards, deck);
        plan.units.push_back(unit);
        if (std::popcount(d.seats) > 1) {
            int left = d.holder.cards;
            for (std::size_t h = 0; h < hands.size(); ++h) {
                if ((d.seats & seatBit(h)) != 0) {
                    plan.splits = checkedMul<WideCount>(plan.splits, choose(left, hands[h].cards));
                    left -= hands[h].cards;
                }
            }
        }
    }
    const auto unitOf = [&](std::size_t h) {
        for (std::size_t u = 0; u < drafts.size(); ++u) {
            if (drafts[u].seats == seatBit(h)) {
                return static_cast<int>(u);
            }
        }
        return -1;
    };
    const bool paired = sideReads && !pooledSide;
    if (paired) {
        plan.pairFirst = unitOf(n);
        plan.pairSecond = unitOf(s);
        plan.pairSuits = side.suits;
    }

    // Point dimensions: the units whose points are asked, the last one's
    // following from the total when every unit's are.
    const auto units = static_cast<int>(drafts.size());
    std::vector<bool> needs(drafts.size());
    for (std::size_t u = 0; u < drafts.size(); ++u) {
        const bool inPair = paired && (static_cast<int>(u) == plan.pairFirst ||
                                       static_cast<int>(u) == plan.pairSecond);
        needs[u] = drafts[u].readsPoints || (inPair && sideReadsPoints);
    }
    const bool lastFollows = std::all_of(needs.begin(), needs.end(), [](bool b) { return b; });
    for (std::size_t u = 0; u < drafts.size(); ++u) {
        if (needs[u] && !(lastFollows && static_cast<int>(u) == units - 1)) {
            plan.units[u].dim = plan.dims++;
        }
    }
    const auto allDims = static_cast<std::uint8_t>((1U << plan.dims) - 1);
    const auto addRule = [&](std::uint8_t dims, Span points) {
        if (dims == 0) {
            return points.holds(0);
        }
        plan.rules.push_back({dims, points});
        return true;
    };
    for (std::size_t u = 0; u < drafts.size(); ++u) {
        if (!drafts[u].readsPoints) {
            continue;
        }
        const int dim = plan.units[u].dim;
        const bool kept =
            dim >= 0 ? addRule(static_cast<std::uint8_t>(1U << dim), drafts[u].holder.points)
                     : addRule(allDims, flipped(drafts[u].holder.points, deck.points));
        if (!kept) {
            return nothing();
        }
    }
    if (paired && sideReadsPoints) {
        const int a = plan.units[static_cast<std::size_t>(plan.pairFirst)].dim;
        const int b = plan.units[static_cast<std::size_t>(plan.pairSecond)].dim;
        const bool kept =
            a >= 0 && b >= 0
                ? addRule(static_cast<std::uint8_t>((1U << a) | (1U << b)), side.points)
                : addRule(static_cast<std::uint8_t>(allDims & ~(1U << std::max(a, b))),
                          flipped(side.points, deck.points));
        if (!kept) {
            return nothing();
        }
    }

    mergeDims(plan);

    for (std::size_t t = 0; t < kSuits.size(); ++t) {
        bool read = paired && !suitFree(side.suits[t], side.cards, deck.left[t], deck.cards);
        for (const CountUnit& unit : plan.units) {
            read = read || unit.shaped ||
                   !suitFree(unit.suits[t], unit.cards, deck.left[t], deck.cards);
        }
        plan.read[t] = read;
    }
    return plan;
}

}  // namespace ondiscale
