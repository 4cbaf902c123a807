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
    // A lesson deals every card at random: the known cards too are tested.
    auto matcher = std::make_shared<const QuestionMatcher>(condition, std::array<CardSet, 4>{});
    return [matcher](const Deal& deal) { return matcher->test(deal).hit != 0; };
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
