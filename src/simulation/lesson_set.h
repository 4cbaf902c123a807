#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <stop_token>
#include <string>
#include <vector>

#include "condition/condition.h"
#include "doubledummy/par.h"
#include "engine/dealer.h"
#include "simulation/batch_run.h"

namespace ondiscale {

// A set of boards for a lesson: deals that meet a question, numbered as a
// club numbers its boards, with their dealer and vulnerability, and turned
// so that the hand the question is about sits where the teacher wants it.

inline constexpr int kMostLessonBoards = 64;
inline constexpr int kMostFirstBoard = 999;

// Where the hand the question is about goes on each board.
enum class HandPlace : std::uint8_t {
    AsAsked,  // where the question puts it: no turn
    Dealer,   // at the board's dealer ("le donneur est l'ouvreur")
    Seat,     // always at one seat
};

struct LessonPlan {
    int boards = 16;            // 1 to kMostLessonBoards
    int firstBoard = 1;         // 1 to kMostFirstBoard
    bool rotation = true;       // dealer and vulnerability of the usual 16-board cycle
    Seat dealer = Seat::North;  // when not by rotation
    Vulnerability vulnerability = Vulnerability::None;  // when not by rotation
    Seat hand = Seat::South;                            // the hand the question is about
    HandPlace place = HandPlace::AsAsked;
    Seat placeSeat = Seat::South;  // for HandPlace::Seat
    friend bool operator==(const LessonPlan&, const LessonPlan&) = default;
};

// A board's number, dealer and vulnerability under the plan.
BoardLabel boardLabel(const LessonPlan& plan, int number);

// The quarter turns clockwise (0 to 3) that bring the plan's hand where the
// plan wants it on a board with that dealer.
int quarterTurns(const LessonPlan& plan, Seat dealer);

// The deal turned clockwise by `turns` quarter turns: North's hand goes to
// East after one. Partnerships stay partnerships.
Deal turned(const Deal& deal, int turns);

// The hand a question is about, to offer as the one to place: the first
// hand (from South round the table) that the known part names, by its
// ranges, shape or cards, else the asked part; a partnership's clause
// names its South or West. South when nothing names a hand.
Seat questionHand(const Condition& condition);

// Whether a deal meets a question: its known part and its asked part.
using DealTest = std::function<bool(const Deal&)>;

// The test of a question through the condition room's matcher, every card
// tested, the known ones too: a lesson deals every card at random.
DealTest directQuestionTest(const Condition& condition);

// Deals looked at for one board before the question is called too rare.
inline constexpr std::int64_t kMostDealsPerBoard = 10'000'000;

// Told how many boards are dealt out of how many, from the dealing thread.
using LessonProgress = std::function<void(int done, int total)>;

// What a dealing made: the boards, in order, each its deal as the plan
// turned it; or, when none could be found, why, in French. A stop keeps
// the boards dealt so far, with no message.
struct LessonDealing {
    std::vector<Example> boards;
    std::int64_t dealt = 0;  // deals looked at
    std::string failure;
    bool stopped = false;
};

// The plan's boards, each the first deal from the dealer that meets the
// test, turned; gives up when `mostDeals` deals in a row miss it.
LessonDealing dealLesson(const LessonPlan& plan, Dealer& dealer, const DealTest& test,
                         std::stop_token stop = {}, const LessonProgress& progress = {},
                         std::int64_t mostDeals = kMostDealsPerBoard);

// One board dealt again with the same number, dealer and vulnerability;
// nothing but a message when it cannot be (stopped: empty message).
LessonDealing redealBoard(const LessonPlan& plan, const BoardLabel& label, Dealer& dealer,
                          const DealTest& test, std::stop_token stop = {},
                          std::int64_t mostDeals = kMostDealsPerBoard);

// "Aucune des 10 000 000 donnes tirées …": why a question could not be dealt.
std::string tooRareMessage(std::int64_t deals);

}  // namespace ondiscale
