#include "simulation/lesson_set.h"

#include <algorithm>
#include <array>
#include <functional>
#include <memory>

#include "condition/matcher.h"
#include "engine/board.h"
#include "engine/hand_measures.h"
#include "engine/table_measures.h"
#include "text/readable_numbers.h"

namespace ondiscale {
namespace {

// Non-breaking spaces between the groups of digits, as the reports write
// them.
constexpr std::string_view kGroup = "\u00a0";
constexpr const char* kTooRare =
    "Aucune des %1 donnes tirées ne remplit la condition : elle est trop rare pour une série "
    "de donnes. Élargissez-la, puis recommencez.";

// How often dealing looks at the stop and tells its progress.
constexpr std::int64_t kStopCheck = 4096;

// The lengths from the longest to the shortest.
SuitLengths sortedLengths(SuitLengths lengths) {
    std::sort(lengths.begin(), lengths.end(), std::greater<>());
    return lengths;
}

bool isAnyOf(const SuitLengths& sorted, std::initializer_list<SuitLengths> patterns) {
    return std::find(patterns.begin(), patterns.end(), sorted) != patterns.end();
}

bool inClass(ShapeClass shapeClass, const SuitLengths& s) {
    switch (shapeClass) {
        case ShapeClass::Regular:
            return isAnyOf(s, {{4, 3, 3, 3}, {4, 4, 3, 2}, {5, 3, 3, 2}});
        case ShapeClass::SemiRegular:
            return isAnyOf(s, {{5, 4, 2, 2}, {6, 3, 2, 2}});
        case ShapeClass::OneSuited:
            return s[0] >= 6 && s[1] <= 3;
        case ShapeClass::TwoSuited:
            return s[0] >= 5 && s[1] >= 4 && s[2] <= 3;
        case ShapeClass::ThreeSuited:
            return isAnyOf(s, {{4, 4, 4, 1}, {5, 4, 4, 0}});
        case ShapeClass::NoShortSuit:
            return s[3] >= 2;
    }
    return false;
}

bool meetsShape(const ShapeSet& shape, const SuitLengths& lengths) {
    if (shape.any()) {
        return true;
    }
    const SuitLengths sorted = sortedLengths(lengths);
    return std::any_of(shape.terms.begin(), shape.terms.end(), [&](const ShapeTerm& term) {
        switch (term.kind) {
            case ShapeTerm::Kind::Class:
                return inClass(term.shapeClass, sorted);
            case ShapeTerm::Kind::AnyOrder:
                return sortedLengths(term.lengths) == sorted;
            case ShapeTerm::Kind::SuitOrder:
                return term.lengths == lengths;
        }
        return false;
    });
}

CardSet cardsOf(const Hand& hand) {
    CardSet set = 0;
    for (const Card card : hand) {
        set |= cardBit(card);
    }
    return set;
}

// One alternative made ready: its ranges packed, and whether it asks
// anything of shapes and cards at all, so that most deals skip them.
struct ReadyAlternative {
    explicit ReadyAlternative(const Alternative& a)
        : ranges(a.bounds), shapes(a.shapes), cards(a.cards) {
        for (std::size_t s = 0; s < 4; ++s) {
            handsAsked = handsAsked || !shapes[s].any() || cards[s] != 0;
        }
    }
    [[nodiscard]] bool meets(const Deal& deal, const TableMeasures& measures) const {
        if (!ranges.meets(measures)) {
            return false;
        }
        if (!handsAsked) {
            return true;
        }
        for (std::size_t s = 0; s < 4; ++s) {
            const Hand& hand = deal[s];
            if ((cardsOf(hand) & cards[s]) != cards[s]) {
                return false;
            }
            if (!meetsShape(shapes[s], suitLengths(hand))) {
                return false;
            }
        }
        return true;
    }
    TableCheck ranges;
    std::array<ShapeSet, 4> shapes;
    std::array<CardSet, 4> cards;
    bool handsAsked = false;
};

std::vector<ReadyAlternative> ready(const ConditionPart& part) {
    return {part.alternatives.begin(), part.alternatives.end()};
}

bool meetsAny(const std::vector<ReadyAlternative>& part, const Deal& deal,
              const TableMeasures& measures) {
    // A part with no alternative at all asks nothing.
    return part.empty() || std::any_of(part.begin(), part.end(), [&](const ReadyAlternative& a) {
               return a.meets(deal, measures);
           });
}

// Whether an alternative narrows a hand (or, for a partnership, `seat`'s).
bool names(const Alternative& a, Seat seat) {
    const std::size_t s = index(seat);
    return a.bounds.hand(seat) != HandBounds{} || !a.shapes[s].any() || a.cards[s] != 0;
}
bool namesSide(const Alternative& a, Side side) { return a.bounds.side(side) != anySide(); }

std::optional<Seat> namedHand(const ConditionPart& part) {
    constexpr std::array<Seat, 4> kFromSouth{Seat::South, Seat::West, Seat::North, Seat::East};
    for (const Seat seat : kFromSouth) {
        for (const Alternative& a : part.alternatives) {
            if (names(a, seat)) {
                return seat;
            }
        }
    }
    for (const Alternative& a : part.alternatives) {
        if (namesSide(a, Side::NorthSouth)) {
            return Seat::South;
        }
        if (namesSide(a, Side::EastWest)) {
            return Seat::West;
        }
    }
    return std::nullopt;
}

// Deals until one meets the test; nothing when `most` deals miss it or a
// stop is asked.
std::optional<Deal> dealMeeting(Dealer& dealer, const DealTest& test, std::int64_t most,
                                std::stop_token& stop, std::int64_t& dealt, bool& stopped) {
    Deal deal{};
    for (std::int64_t tries = 1; tries <= most; ++tries) {
        dealer.dealTable(deal);
        ++dealt;
        if (test(deal)) {
            return deal;
        }
        if (tries % kStopCheck == 0 && stop.stop_requested()) {
            stopped = true;
            return std::nullopt;
        }
    }
    return std::nullopt;
}

Example boardOf(const LessonPlan& plan, const BoardLabel& label, const Deal& asDealt) {
    Example board;
    board.wholeDeal = true;
    board.deal = turned(asDealt, quarterTurns(plan, label.dealer));
    board.board = label;
    return board;
}

}  // namespace

BoardLabel boardLabel(const LessonPlan& plan, int number) {
    if (!plan.rotation) {
        return {number, plan.dealer, plan.vulnerability};
    }
    return {number, dealerOfBoard(number), vulnerabilityOfBoard(number)};
}

int quarterTurns(const LessonPlan& plan, Seat dealer) {
    const auto from = static_cast<int>(index(plan.hand));
    switch (plan.place) {
        case HandPlace::AsAsked:
            return 0;
        case HandPlace::Dealer:
            return (static_cast<int>(index(dealer)) - from + 4) % 4;
        case HandPlace::Seat:
            return (static_cast<int>(index(plan.placeSeat)) - from + 4) % 4;
    }
    return 0;
}

Deal turned(const Deal& deal, int turns) {
    Deal out{};
    for (std::size_t s = 0; s < 4; ++s) {
        out[(s + static_cast<std::size_t>(turns % 4 + 4)) % 4] = deal[s];
    }
    return out;
}

Seat questionHand(const Condition& condition) {
    if (const std::optional<Seat> known = namedHand(condition.known)) {
        return *known;
    }
    return namedHand(condition.asked).value_or(Seat::South);
}

DealTest directQuestionTest(const Condition& condition) {
    auto known = std::make_shared<const std::vector<ReadyAlternative>>(ready(condition.known));
    auto asked = std::make_shared<const std::vector<ReadyAlternative>>(ready(condition.asked));
    return [known, asked](const Deal& deal) {
        const TableMeasures measures = measureTable(deal);
        return meetsAny(*known, deal, measures) && meetsAny(*asked, deal, measures);
    };
}

std::string tooRareMessage(std::int64_t deals) {
    std::string message = kTooRare;
    message.replace(message.find("%1"), 2, groupedText(deals, kGroup));
    return message;
}

LessonDealing dealLesson(const LessonPlan& plan, Dealer& dealer, const DealTest& test,
                         std::stop_token stop, const LessonProgress& progress,
                         std::int64_t mostDeals) {
    LessonDealing out;
    const int total = std::clamp(plan.boards, 1, kMostLessonBoards);
    for (int i = 0; i < total; ++i) {
        if (stop.stop_requested()) {
            out.stopped = true;
            return out;
        }
        const std::optional<Deal> deal =
            dealMeeting(dealer, test, mostDeals, stop, out.dealt, out.stopped);
        if (!deal) {
            if (!out.stopped) {
                out.failure = tooRareMessage(mostDeals);
            }
            return out;
        }
        out.boards.push_back(boardOf(plan, boardLabel(plan, plan.firstBoard + i), *deal));
        if (progress) {
            progress(i + 1, total);
        }
    }
    return out;
}

LessonDealing redealBoard(const LessonPlan& plan, const BoardLabel& label, Dealer& dealer,
                          const DealTest& test, std::stop_token stop, std::int64_t mostDeals) {
    LessonDealing out;
    const std::optional<Deal> deal =
        dealMeeting(dealer, test, mostDeals, stop, out.dealt, out.stopped);
    if (deal) {
        out.boards.push_back(boardOf(plan, label, *deal));
    } else if (!out.stopped) {
        out.failure = tooRareMessage(mostDeals);
    }
    return out;
}

}  // namespace ondiscale
