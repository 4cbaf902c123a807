// The typed distribution is only compared, never parsed: any text, NULs
// and invalid UTF-8 included, is reported as typed and counts only when it
// is exactly a distribution outside the group's six.
#include <gtest/gtest.h>

#include "exact_odds.h"
#include "survey/survey_run.h"
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
        SurveyTally tally;
        ASSERT_NO_THROW(dealSurveyBatch(dealer, kSurveyGroup1, typed, tally));
        long long total = 0;
        for (auto n : tally.counts) {
            total += n;
        }
        ASSERT_LE(total, 10'000);
        const bool inSix =
            std::find(kSurveyGroup1.distributions.begin(), kSurveyGroup1.distributions.end(),
                      typed) != kSurveyGroup1.distributions.end();
        if (!shapes.contains(typed) || inSix) {
            ASSERT_EQ(tally.counts[6], 0) << '"' << typed << '"';
        }
        const auto report = surveyReport(kSurveyGroup1, typed, tally, ",");
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
