#include "survey/survey_run.h"

#include "dialogue/number_text.h"
#include "engine/hand_measures.h"

namespace ondiscale {
namespace {

// A text of up to seven characters as one number (its length in the low
// byte, its characters above), so that each deal's distribution is
// compared with the seven texts in one step each; longer texts share
// kLong and are compared character by character.
constexpr std::uint64_t kLong = ~std::uint64_t{0};

std::uint64_t keyOf(std::string_view text) {
    if (text.size() > 7) {
        return kLong;
    }
    std::uint64_t key = text.size();
    for (std::size_t i = 0; i < text.size(); ++i) {
        key |= std::uint64_t{static_cast<unsigned char>(text[i])} << (8 * (i + 1));
    }
    return key;
}

// Exact equality, character by character, given the keys of both texts.
bool same(std::uint64_t keyA, std::string_view a, std::uint64_t keyB, std::string_view b) {
    return keyA == keyB && (keyA != kLong || a == b);
}

}  // namespace

void dealSurveyBatch(Dealer& dealer, const SurveyGroup& group, const std::string& typed,
                     SurveyTally& tally) {
    std::array<std::uint64_t, 6> keys{};
    for (std::size_t line = 0; line < 6; ++line) {
        keys[line] = keyOf(group.distributions[line]);
    }
    const std::uint64_t typedKey = keyOf(typed);

    MainSud hand{};
    ++tally.batches;
    for (std::int16_t i = 1; i <= kSurveyBatch; ++i) {
        dealer.TirageS(hand);
        const SuitLengths l = Lengths(hand);
        const std::string shape =
            Forme(l.spades, l.hearts, l.diamonds, l.clubs);  // short: no allocation
        const std::uint64_t key = keyOf(shape);
        bool matched = false;
        for (std::size_t line = 0; line < 6 && !matched; ++line) {
            if (same(key, shape, keys[line], group.distributions[line])) {
                ++tally.counts[line];
                tally.lastHands[line] = hand;
                matched = true;
            }
        }
        if (!matched && same(key, shape, typedKey, typed)) {
            ++tally.counts[6];
            tally.lastHands[6] = hand;
        }
    }
}

SurveyReport surveyReport(const SurveyGroup& group, const std::string& typed,
                          const SurveyTally& tally, std::string_view decimalSeparator) {
    const double hundredths = static_cast<double>(tally.batches) * 100.0;
    const auto count = [&](std::size_t i) {
        const auto percent = static_cast<float>(static_cast<double>(tally.counts[i]) / hundredths);
        return wholeText(tally.counts[i]) + "  soit " + singleText(percent, decimalSeparator) +
               " %";
    };

    std::string prompt;
    for (std::size_t i = 0; i < 6; ++i) {
        if (i > 0) {
            prompt += "\r\n\r\n";
        }
        prompt += wholeText(static_cast<std::int64_t>(i + 1)) + ") Main de type ";
        prompt += group.distributions[i];
        prompt += " = " + count(i);
    }
    if (!typed.empty()) {
        prompt += "\r\n\r\n7) Main de type " + typed + " = " + count(6);
    }
    return {
        prompt,
        "Statistiques sur " + wholeText(tally.batches * kSurveyBatch) +
            " donnes tirées au hasard. Voulez-vous recommencer?",
    };
}

void runSurvey(const SurveyGroup& group, Dealer& dealer, Dialogue& dialogue,
               SurveyObserver* observer) {
    const std::string prompt = std::string(group.opening) + std::string(group.request) + kCrLf +
                               std::string(group.warning);
    const std::string typed =
        dialogue.inputBox(prompt, std::string(kSurveyInputTitle), std::string(group.defaultText));
    if (observer != nullptr) {
        observer->surveyStarted(group, typed);
    }
    SurveyTally tally;
    Answer answer = Answer::Yes;
    while (answer == Answer::Yes) {
        dealSurveyBatch(dealer, group, typed, tally);
        if (observer != nullptr) {
            observer->surveyBatchDealt(tally);
        }
        const auto report = surveyReport(group, typed, tally, dialogue.decimalSeparator());
        answer = dialogue.messageBox(report.prompt, Buttons::YesNo, report.title);
    }
}

void Probadistri1(Dealer& dealer, Dialogue& dialogue, SurveyObserver* observer) {
    runSurvey(kSurveyGroup1, dealer, dialogue, observer);
}
void Probadistri2(Dealer& dealer, Dialogue& dialogue, SurveyObserver* observer) {
    runSurvey(kSurveyGroup2, dealer, dialogue, observer);
}
void Probadistri3(Dealer& dealer, Dialogue& dialogue, SurveyObserver* observer) {
    runSurvey(kSurveyGroup3, dealer, dialogue, observer);
}

}  // namespace ondiscale
