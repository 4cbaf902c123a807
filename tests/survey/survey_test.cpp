#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "exact_odds.h"
#include "scripted_dialogue.h"
#include "survey/survey_run.h"

using namespace ondiscale;

namespace {

struct Line {
    std::string label;
    long long count;
    double percent;
};

std::vector<std::string> split(const std::string& text, const std::string& sep) {
    std::vector<std::string> out;
    std::size_t start = 0;
    for (auto at = text.find(sep); at != std::string::npos; at = text.find(sep, start)) {
        out.push_back(text.substr(start, at - start));
        start = at + sep.size();
    }
    out.push_back(text.substr(start));
    return out;
}

// The lines of a report, each "i) Main de type D = N  soit P %".
std::vector<Line> linesOf(const std::string& report) {
    std::vector<Line> out;
    for (const auto& text : split(report, "\r\n\r\n")) {
        const auto equals = text.rfind(" = ");
        const auto soit = text.find("  soit ");
        const bool shaped =
            text.size() > 16 && text[0] >= '1' && text[0] <= '7' &&
            text.substr(1, 15) == ") Main de type " && equals != std::string::npos &&
            soit != std::string::npos && soit > equals + 3 &&
            text.find_first_not_of("0123456789", equals + 3) == soit && text.ends_with(" %") &&
            text.find_first_not_of("0123456789.", soit + 7) == text.size() - 2;
        EXPECT_TRUE(shaped) << '"' << text << '"';
        if (shaped) {
            out.push_back({text.substr(0, equals + 3),
                           std::stoll(text.substr(equals + 3, soit - equals - 3)),
                           std::stod(text.substr(soit + 7))});
        }
    }
    return out;
}

struct Case {
    const SurveyGroup& group;
    void (*operation)(Dealer&, Dialogue&, SurveyObserver*);
};
const Case kCases[] = {
    {kSurveyGroup1, Probadistri1}, {kSurveyGroup2, Probadistri2}, {kSurveyGroup3, Probadistri3}};

TEST(Survey, InputBoxAndFirstReportOfEachGroup) {
    for (const auto& c : kCases) {
        ScriptedDialogue dialogue;
        Dealer dealer;
        dialogue.inputs = {std::string(c.group.defaultText)};
        dialogue.answers = {Answer::No};
        c.operation(dealer, dialogue, nullptr);

        ASSERT_EQ(dialogue.calls.size(), 2U);
        const auto& input = dialogue.calls[0];
        EXPECT_EQ(input.kind, DialogueCall::Kind::Input);
        EXPECT_EQ(input.prompt, std::string(c.group.opening) + std::string(c.group.request) +
                                    "\r\n" + std::string(c.group.warning));
        EXPECT_EQ(input.title, "Choix d'une autre main à distribution précisée.");
        EXPECT_EQ(input.defaultText, c.group.defaultText);

        const auto& report = dialogue.calls[1];
        EXPECT_EQ(report.buttons, Buttons::YesNo);
        EXPECT_EQ(report.title,
                  "Statistiques sur 10000 donnes tirées au hasard. Voulez-vous recommencer?");
        EXPECT_EQ(report.prompt.find("\r\n\r\n\r\n"), std::string::npos);
        EXPECT_NE(report.prompt.back(), '\n') << "nothing after the last line";
        const auto lines = linesOf(report.prompt);
        ASSERT_EQ(lines.size(), 7U);
        long long total = 0;
        for (std::size_t i = 0; i < 7; ++i) {
            const std::string shape =
                i < 6 ? std::string(c.group.distributions[i]) : std::string(c.group.defaultText);
            EXPECT_EQ(lines[i].label, std::to_string(i + 1) + ") Main de type " + shape + " = ");
            EXPECT_NEAR(lines[i].percent, static_cast<double>(lines[i].count) / 100.0, 1e-4);
            total += lines[i].count;
        }
        EXPECT_LE(total, 10000);
    }
}

TEST(Survey, PromptTextsAsTheUserReadsThem) {
    for (const auto& c : kCases) {
        EXPECT_TRUE(c.group.opening.ends_with("choisir une 7\u00B0 distribution. "));
        EXPECT_TRUE(c.group.request.ends_with("en mettant 0 pour une chicane)"));
        EXPECT_TRUE(c.group.warning.ends_with(" ... "));
    }
}

TEST(Survey, YesAccumulatesIntoTheSameCounts) {
    ScriptedDialogue dialogue;
    Dealer dealer;
    dialogue.inputs = {"6421"};
    dialogue.answers = {Answer::Yes, Answer::No};
    Probadistri1(dealer, dialogue);
    const auto reports = dialogue.reports();
    ASSERT_EQ(reports.size(), 2U);
    EXPECT_EQ(reports[1].title,
              "Statistiques sur 20000 donnes tirées au hasard. Voulez-vous recommencer?");
    const auto first = linesOf(reports[0].prompt);
    const auto second = linesOf(reports[1].prompt);
    ASSERT_EQ(second.size(), 7U);
    long long total = 0;
    for (std::size_t i = 0; i < 7; ++i) {
        EXPECT_GE(second[i].count, first[i].count);
        EXPECT_NEAR(second[i].percent, static_cast<double>(second[i].count) / 200.0, 1e-4);
        total += second[i].count;
    }
    EXPECT_LE(total, 20000);
    EXPECT_EQ(dialogue.calls.size(), 3U) << "the distribution is asked once";
}

TEST(Survey, CancelGivesSixLinesAndTheRunGoesOn) {
    ScriptedDialogue dialogue;
    Dealer dealer;
    dialogue.inputs = {""};
    dialogue.answers = {Answer::Yes, Answer::Yes, Answer::No};
    Probadistri2(dealer, dialogue);
    const auto reports = dialogue.reports();
    ASSERT_EQ(reports.size(), 3U);
    for (const auto& r : reports) {
        EXPECT_EQ(linesOf(r.prompt).size(), 6U);
    }
}

TEST(Survey, TheTypedDistributionIsComparedExactly) {
    struct Row {
        const char* typed;
        bool canCount;
    };
    const Row rows[] = {
        {"4333", false},   // one of the group's six: counted on line 5
        {" 6421", false},  // a leading space
        {"4432 ", false},  // a trailing space
        {"2344", false},   // not longest first
        {"4441", true},    // another group's distribution counts
        {"6421", true},
    };
    for (const auto& row : rows) {
        ScriptedDialogue dialogue;
        Dealer dealer;
        dialogue.inputs = {row.typed};
        dialogue.answers = {Answer::Yes, Answer::No};
        Probadistri1(dealer, dialogue);
        const auto lines = linesOf(dialogue.reports().back().prompt);
        ASSERT_EQ(lines.size(), 7U);
        EXPECT_EQ(lines[6].label, std::string("7) Main de type ") + row.typed + " = ");
        if (row.canCount) {
            EXPECT_GT(lines[6].count, 0) << row.typed;  // about 600 or 1,000 expected in 20,000
        } else {
            EXPECT_EQ(lines[6].count, 0) << row.typed;
            EXPECT_EQ(lines[6].percent, 0.0);
        }
    }
}

TEST(Survey, ANewRunStartsFromZeroWithTheDefaultText) {
    ScriptedDialogue dialogue;
    Dealer dealer;
    dialogue.inputs = {"7600", "7600"};
    dialogue.answers = {Answer::Yes, Answer::No, Answer::No};
    Probadistri3(dealer, dialogue);
    Probadistri3(dealer, dialogue);
    ASSERT_EQ(dialogue.calls.size(), 5U);
    EXPECT_EQ(dialogue.calls[3].kind, DialogueCall::Kind::Input);
    EXPECT_EQ(dialogue.calls[3].defaultText, "7510");
    EXPECT_EQ(dialogue.calls[4].title,
              "Statistiques sur 10000 donnes tirées au hasard. Voulez-vous recommencer?");
}

// A hundred batches of each group: every line within about five standard
// deviations of its exact probability.
TEST(Survey, FrequenciesMatchTheExactOdds) {
    const auto exact = odds::patternProbabilities();
    const char* seventh[] = {"6421", "5530", "7510"};
    for (std::size_t g = 0; g < 3; ++g) {
        const auto& group = kCases[g].group;
        Dealer dealer;
        SurveyTally tally;
        const std::string typed = seventh[g];
        for (int b = 0; b < 100; ++b) {
            dealSurveyBatch(dealer, group, typed, tally);
        }
        ASSERT_EQ(tally.batches, 100);
        for (std::size_t i = 0; i < 6; ++i) {
            const std::string shape(group.distributions[i]);
            EXPECT_TRUE(odds::agrees(tally.counts[i], 1'000'000, exact.at(shape))) << shape;
        }
        EXPECT_TRUE(odds::agrees(tally.counts[6], 1'000'000, exact.at(typed))) << typed;
    }
}

TEST(SurveyReport, SeparatorsAndCountsPastThirtyTwoBits) {
    SurveyTally tally;
    tally.batches = 1;
    tally.counts = {2155, 1, 0, 10000, 3, 4, 5};
    const auto comma = surveyReport(kSurveyGroup1, "6421", tally, ",");
    EXPECT_EQ(comma.prompt,
              "1) Main de type 4432 = 2155  soit 21,55 %\r\n\r\n"
              "2) Main de type 5332 = 1  soit 0,01 %\r\n\r\n"
              "3) Main de type 5431 = 0  soit 0 %\r\n\r\n"
              "4) Main de type 5422 = 10000  soit 100 %\r\n\r\n"
              "5) Main de type 4333 = 3  soit 0,03 %\r\n\r\n"
              "6) Main de type 6322 = 4  soit 0,04 %\r\n\r\n"
              "7) Main de type 6421 = 5  soit 0,05 %");

    // 214,749 batches: more deals than 32 bits can count, every figure true.
    tally.batches = 214'749;
    tally.counts = {461'141'000, 0, 0, 0, 0, 0, 2'147'490'000};
    const auto past = surveyReport(kSurveyGroup2, "", tally, ".");
    EXPECT_EQ(past.title,
              "Statistiques sur 2147490000 donnes tirées au hasard. Voulez-vous recommencer?");
    EXPECT_EQ(past.prompt.substr(0, 40), "1) Main de type 6331 = 461141000  soit 2");
    EXPECT_EQ(split(past.prompt, "\r\n\r\n").size(), 6U);
}

}  // namespace
