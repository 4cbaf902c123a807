#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "counting_clock.h"
#include "exact_odds.h"
#include "scripted_dialogue.h"
#include "simulation/survey_run.h"

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

// What the user reads of each survey: the input box's default text and
// prompt, and the labels of report lines 1 to 6, in order.
struct Case {
    const SurveyGroup& group;
    const char* defaultText;
    const char* prompt;
    std::array<const char*, 6> labels;
};
const Case kCases[] = {
    {kSurveyGroups[0],
     "6421",
     "Les distributions des mains les plus probables sont dans l'ordre 4432, 5332, "
     "5431, 5422,4333, 6322; leurs probabilités seront calculées pour un nombre de "
     "donnes que vous choisirez. On propose en outre de choisir une 7° distribution. "
     "Entrez donc une forme de main dont vous voulez connaître la probabilité "
     "d'apparition (7411,12100,6610,7600,..commencez TOUJOURS par la couleur la plus "
     "longue, puis allez en décroissant, en mettant 0 pour une chicane)"
     "\r\n"
     "Evitez les distributions 4432, 5332, 5431, 5422, 4333, 6322 qui sont déjà "
     "considérées (et qui donneraient donc 0!). On suggère 6421, 4441 ... ",
     {
         "1) Main de type 4432 = ",
         "2) Main de type 5332 = ",
         "3) Main de type 5431 = ",
         "4) Main de type 5422 = ",
         "5) Main de type 4333 = ",
         "6) Main de type 6322 = ",
     }},
    {kSurveyGroups[1],
     "5530",
     "On envisage les distributions de mains 6331, 5521, 4441, 7321, 6430, 5440; leurs "
     "probabilités d'apparition seront calculées pour un nombre de donnes que vous "
     "choisirez. On propose en outre de choisir une 7° distribution. "
     "Entrez donc une forme de main dont vous voulez connaître la probabilité "
     "d'apparition (5530,7222,12100,..commencez TOUJOURS par la couleur la plus longue, "
     "puis allez en décroissant, en mettant 0 pour une chicane)"
     "\r\n"
     "Evitez les distributions 6331, 5521, 4441, 7321, 6430, 5440 qui sont déjà "
     "considérées (et qui donneraient donc 0!). On suggère 5530, 7222 ... ",
     {
         "1) Main de type 6331 = ",
         "2) Main de type 5521 = ",
         "3) Main de type 4441 = ",
         "4) Main de type 7321 = ",
         "5) Main de type 6430 = ",
         "6) Main de type 5440 = ",
     }},
    {kSurveyGroups[2],
     "7510",
     "On envisage les distributions de mains 6511, 6520, 7222, 7411, 7420, 7330; leurs "
     "probabilités d'apparition seront calculées pour un nombre de donnes que vous "
     "choisirez. On propose en outre de choisir une 7° distribution. "
     "Entrez donc une forme de main dont vous voulez connaître la probabilité "
     "d'apparition (7510,8410,12100,..commencez TOUJOURS par la couleur la plus longue, "
     "puis allez en décroissant, en mettant 0 pour une chicane)"
     "\r\n"
     "Evitez les distributions 6511, 6520, 7222, 7411, 7420, 7330 qui sont déjà "
     "considérées (et qui donneraient donc 0!). On suggère 7510, 7600 ... ",
     {
         "1) Main de type 6511 = ",
         "2) Main de type 6520 = ",
         "3) Main de type 7222 = ",
         "4) Main de type 7411 = ",
         "5) Main de type 7420 = ",
         "6) Main de type 7330 = ",
     }},
};

TEST(Survey, InputBoxAndFirstReportOfEachGroup) {
    for (const auto& c : kCases) {
        ScriptedDialogue dialogue;
        Dealer dealer;
        dialogue.inputs = {c.defaultText};
        dialogue.answers = {Answer::No};
        runSurvey(c.group, dealer, dialogue, nullptr);

        ASSERT_EQ(dialogue.calls.size(), 2U);
        const auto& input = dialogue.calls[0];
        EXPECT_EQ(input.kind, DialogueCall::Kind::Input);
        EXPECT_EQ(input.prompt, c.prompt);
        EXPECT_EQ(input.title, "Choix d'une autre main à distribution précisée.");
        EXPECT_EQ(input.defaultText, c.defaultText);

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
            EXPECT_EQ(lines[i].label,
                      i < 6 ? std::string(c.labels[i])
                            : "7) Main de type " + std::string(c.defaultText) + " = ");
            EXPECT_NEAR(lines[i].percent, static_cast<double>(lines[i].count) / 100.0, 1e-4);
            total += lines[i].count;
        }
        EXPECT_LE(total, 10000);
    }
}

TEST(Survey, YesAccumulatesIntoTheSameCounts) {
    ScriptedDialogue dialogue;
    Dealer dealer;
    dialogue.inputs = {"6421"};
    dialogue.answers = {Answer::Yes, Answer::No};
    runSurvey(kSurveyGroups[0], dealer, dialogue, nullptr);
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
    runSurvey(kSurveyGroups[1], dealer, dialogue, nullptr);
    const auto reports = dialogue.reports();
    ASSERT_EQ(reports.size(), 3U);
    for (const auto& r : reports) {
        EXPECT_EQ(linesOf(r.prompt).size(), 6U);
    }
}

// Texts one keystroke away from a dealt distribution must not count it.
TEST(Survey, TheTypedDistributionIsComparedExactly) {
    struct Row {
        const char* typed;
        bool canCount;
    };
    const Row rows[] = {
        {"6421", true},      {"4441", true},  // another group's distribution counts
        {"4333", false},                      // one of the group's six: counted on line 5
        {"2421", false},                      // first digit changed (6421)
        {"3321", false},                      // first digit changed (7321)
        {"6420", false},                      // last digit changed
        {"6422", false},                      //
        {"642", false},                       // one digit less
        {"64210", false},                     // one digit more
        {"0006421", false},                   // 7 characters, leading zeros
        {"00006421", false},                  // 8 characters
        {"06421", false},                     // a leading zero
        {" 6421", false},                     // a leading space
        {"4432 ", false},                     // a trailing space
        {"64 21", false},                     // a space inside
        {"2344", false},                      // not longest first
    };
    for (const auto& row : rows) {
        ScriptedDialogue dialogue;
        Dealer dealer;
        dialogue.inputs = {row.typed};
        dialogue.answers = {Answer::Yes, Answer::No};
        runSurvey(kSurveyGroups[0], dealer, dialogue, nullptr);
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

TEST(Survey, TheClockIsReadOnceForEveryDeal) {
    CountingClock::readings = 0;
    ScriptedDialogue dialogue;
    Dealer dealer(Generator::fromEntropy(), CountingClock::read);
    dialogue.inputs = {"6421"};
    dialogue.answers = {Answer::No};
    runSurvey(kSurveyGroups[0], dealer, dialogue, nullptr);
    EXPECT_EQ(CountingClock::readings, 10'000U);
}

TEST(Survey, ANewRunStartsFromZeroWithTheDefaultText) {
    ScriptedDialogue dialogue;
    Dealer dealer;
    dialogue.inputs = {"7600", "7600"};
    dialogue.answers = {Answer::Yes, Answer::No, Answer::No};
    runSurvey(kSurveyGroups[2], dealer, dialogue, nullptr);
    runSurvey(kSurveyGroups[2], dealer, dialogue, nullptr);
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
        const std::string typed = seventh[g];
        SurveyRun run(group, typed, dealer);
        Tally tally;
        tally.hits.assign(7, 0);
        for (int b = 0; b < 100; ++b) {
            run.dealBatch(tally);
        }
        for (std::size_t i = 0; i < 6; ++i) {
            const std::string shape(group.distributions[i]);
            EXPECT_TRUE(odds::agrees(tally.hits[i], 1'000'000, exact.at(shape))) << shape;
        }
        EXPECT_TRUE(odds::agrees(tally.hits[6], 1'000'000, exact.at(typed))) << typed;
    }
}

TEST(SurveyReport, SeparatorsAndCountsPastThirtyTwoBits) {
    Tally tally{1, 10'000, {2155, 1, 0, 10000, 3, 4, 5}};
    const auto comma = surveyReport(kSurveyGroups[0], "6421", tally, ",");
    EXPECT_EQ(comma.prompt,
              "1) Main de type 4432 = 2155  soit 21,55 %\r\n\r\n"
              "2) Main de type 5332 = 1  soit 0,01 %\r\n\r\n"
              "3) Main de type 5431 = 0  soit 0 %\r\n\r\n"
              "4) Main de type 5422 = 10000  soit 100 %\r\n\r\n"
              "5) Main de type 4333 = 3  soit 0,03 %\r\n\r\n"
              "6) Main de type 6322 = 4  soit 0,04 %\r\n\r\n"
              "7) Main de type 6421 = 5  soit 0,05 %");

    // 214,749 batches: more deals than 32 bits can count, every figure true.
    tally = {214'749, 2'147'490'000, {461'141'000, 0, 0, 0, 0, 0}};
    const auto past = surveyReport(kSurveyGroups[1], "", tally, ".");
    EXPECT_EQ(past.title,
              "Statistiques sur 2147490000 donnes tirées au hasard. Voulez-vous recommencer?");
    EXPECT_EQ(past.prompt.substr(0, 40), "1) Main de type 6331 = 461141000  soit 2");
    EXPECT_EQ(split(past.prompt, "\r\n\r\n").size(), 6U);
}

}  // namespace
