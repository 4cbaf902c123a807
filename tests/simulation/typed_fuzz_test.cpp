// The typed distribution is only compared, never parsed: any text, NULs
// and invalid UTF-8 included, is reported as typed and counts only when it
// is exactly a distribution outside the group's six.
#include <gtest/gtest.h>

#include "exact_odds.h"
#include "simulation/survey_run.h"
#include "text_fuzz.h"

using namespace ondiscale;

namespace {

TEST(TypedFuzz, AnyTypedTextIsReportedAsTypedAndCountsOnlyWhenExact) {
    const auto shapes = odds::patternProbabilities();
    TextFuzz fuzz(42);
    Dealer dealer;
    for (int round = 0; round < 400; ++round) {
        std::string typed = fuzz.next();
        if (round % 4 == 0) {  // one in four a real distribution, often outside the six
            auto it = shapes.begin();
            std::advance(it, static_cast<long>(fuzz.pick(shapes.size())));
            typed = it->first;
        }
        const SurveyGroup& group = kSurveyGroups[0];
        SurveyRun run(group, typed, dealer);
        Tally tally{1, kSurveyBatch, std::vector<std::int64_t>(run.plan().figures.size())};
        ASSERT_NO_THROW(run.dealBatch(tally));
        long long total = 0;
        for (auto n : tally.hits) {
            total += n;
        }
        ASSERT_LE(total, 10'000);
        const bool inSix = std::find(group.distributions.begin(), group.distributions.end(),
                                     typed) != group.distributions.end();
        if (!typed.empty() && (!shapes.contains(typed) || inSix)) {
            ASSERT_EQ(tally.hits[6], 0) << '"' << typed << '"';
        }
        const auto report = run.report(tally, {",", " "});
        if (typed.empty()) {
            ASSERT_EQ(report.prompt.find("7) Main de type "), std::string::npos);
        } else {
            ASSERT_NE(report.prompt.find("\r\n\r\n7) Main de type " + typed + " = "),
                      std::string::npos)
                << '"' << typed << '"';
        }
    }
}

}  // namespace
