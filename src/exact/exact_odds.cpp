#include "exact/exact_odds.h"

#include <bit>
#include <chrono>
#include <stdexcept>
#include <utility>
#include <vector>

#include "exact/deal_count.h"
#include "exact/deal_question.h"
#include "exact/exact_texts.h"

namespace ondiscale {
namespace {

// The meeting of each non-empty set of a part's alternatives, with the
// sign inclusion and exclusion gives it; sets that plainly meet nowhere
// are left out.
struct Meeting {
    DealQuestion question;
    int sign = 1;
};

std::optional<std::vector<Meeting>> meetingsOf(const ConditionPart& part) {
    const std::size_t n = part.alternatives.size();
    if (n > kMostAlternatives) {
        return std::nullopt;
    }
    if (n == 0) {
        // A part without alternatives asks nothing, as the matcher has it.
        return std::vector<Meeting>{{DealQuestion{}, 1}};
    }
    std::vector<DealQuestion> alone;
    for (const Alternative& alternative : part.alternatives) {
        alone.push_back(questionOf(alternative));
    }
    std::vector<Meeting> meetings;
    for (unsigned set = 1; set < (1U << n); ++set) {
        const auto first = static_cast<std::size_t>(std::countr_zero(set));
        DealQuestion question = alone[first];
        for (std::size_t a = first + 1; a < n; ++a) {
            if (((set >> a) & 1U) != 0) {
                question = bothOf(question, alone[a]);
            }
        }
        if (!plainlyEmpty(question)) {
            meetings.push_back({question, std::popcount(set) % 2 == 1 ? 1 : -1});
        }
    }
    return meetings;
}

// Counts already made: the same meeting comes back under other sets.
// The counts share one allowance of work: each may spend what the ones
// before it left, measured by the clock at the counter's own pace.
class Counts {
public:
    explicit Counts(double mostWork) : left_(mostWork) {}

    std::optional<WideCount> of(const DealQuestion& question) {
        for (const auto& [seen, count] : made_) {
            if (seen == question) {
                return count;
            }
        }
        if (left_ <= 0) {
            return std::nullopt;
        }
        const auto start = std::chrono::steady_clock::now();
        const std::optional<WideCount> count = countDeals(question, left_);
        const std::chrono::duration<double> spent = std::chrono::steady_clock::now() - start;
        left_ -= spent.count() * kStepsASecond;
        if (count) {
            made_.emplace_back(question, *count);
        }
        return count;
    }

private:
    static constexpr double kStepsASecond = 1e8;
    double left_;
    std::vector<std::pair<DealQuestion, WideCount>> made_;
};

std::optional<WideCount> sumOver(const std::vector<Meeting>& meetings, Counts& counts) {
    WideCount total = 0;
    for (const Meeting& meeting : meetings) {
        const std::optional<WideCount> count = counts.of(meeting.question);
        if (!count) {
            return std::nullopt;
        }
        total = checkedAdd(total, meeting.sign * *count);
    }
    return total;
}

ExactOdds noCount(std::string_view why) {
    ExactOdds odds;
    odds.whyNot = why;
    return odds;
}

}  // namespace

std::optional<WideCount> exactDeals(const ConditionPart& part) {
    try {
        const std::optional<std::vector<Meeting>> meetings = meetingsOf(part);
        if (!meetings) {
            return std::nullopt;
        }
        Counts counts(kLongCount);
        return sumOver(*meetings, counts);
    } catch (const std::overflow_error&) {
        return std::nullopt;
    }
}

ExactOdds exactOdds(const Condition& condition, double mostWork) {
    try {
        const std::optional<std::vector<Meeting>> known = meetingsOf(condition.known);
        const std::optional<std::vector<Meeting>> asked = meetingsOf(condition.asked);
        if (!known || !asked) {
            return noCount(exact_texts::kCannotCount);
        }
        Counts counts(mostWork);
        const std::optional<WideCount> knownDeals = sumOver(*known, counts);
        if (!knownDeals) {
            return noCount(exact_texts::kTooLong);
        }
        ExactOdds odds;
        odds.knownDeals = *knownDeals;
        if (odds.knownDeals == 0) {
            odds.whyNot = exact_texts::kNothingKnown;
            return odds;
        }
        // (K1 or K2 ...) and (A1 or A2 ...): every meeting of known
        // alternatives with every meeting of asked ones, signs multiplied.
        std::vector<Meeting> both;
        for (const Meeting& k : *known) {
            for (const Meeting& a : *asked) {
                const DealQuestion question = bothOf(k.question, a.question);
                if (!plainlyEmpty(question)) {
                    both.push_back({question, k.sign * a.sign});
                }
            }
        }
        const std::optional<WideCount> bothDeals = sumOver(both, counts);
        if (!bothDeals) {
            return noCount(exact_texts::kTooLong);
        }
        odds.bothDeals = *bothDeals;
        odds.probability = shareOf(odds.bothDeals, odds.knownDeals);
        return odds;
    } catch (const std::overflow_error&) {
        return noCount(exact_texts::kCannotCount);
    }
}

}  // namespace ondiscale
