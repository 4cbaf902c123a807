#include "simulation/survey_run.h"

#include <algorithm>

#include "engine/hand_measures.h"
#include "exact/exact_hands.h"
#include "text/number_text.h"

namespace ondiscale {
namespace {

constexpr std::string_view kInputTitle = "Choix d'une autre main à distribution précisée.";
constexpr const char* kUnwritable =
    "aucune main ne s'écrit ainsi : les longueurs vont de la plus longue à la plus courte, par "
    "exemple 4333";

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

std::string surveyPrompt(const SurveyGroup& group) {
    return std::string(group.opening) + std::string(group.request) + kCrLf +
           std::string(group.warning);
}

Report surveyReport(const SurveyGroup& group, const std::string& typed, const Tally& tally,
                    std::string_view decimalSeparator) {
    const auto count = [&](std::size_t i) {
        return wholeText(tally.hits[i]) + "  soit " +
               singleText(static_cast<float>(percentOf(tally.hits[i], tally.deals)),
                          decimalSeparator) +
               " %";
    };
    std::string prompt;
    for (std::size_t i = 0; i < group.distributions.size(); ++i) {
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
        "Statistiques sur " + wholeText(tally.deals) +
            " donnes tirées au hasard. Voulez-vous recommencer?",
    };
}

SurveyRun::SurveyRun(const SurveyGroup& group, std::string typed, Dealer& dealer)
    : group_(group), typed_(std::move(typed)), dealer_(dealer) {
    plan_.kind = RunKind::Survey;
    plan_.condition =
        std::string(group.distributions[0]) + ", " + std::string(group.distributions[1]) + ", …";
    if (!typed_.empty()) {
        plan_.condition += " et « " + typed_ + " »";
    }
    plan_.batchSize = kSurveyBatch;
    for (const std::string_view distribution : group.distributions) {
        plan_.figures.push_back(
            {std::string(distribution), probabilityOf(exactHands(distribution)), {}});
    }
    // The seventh line counts only the hands that none of the six took; a
    // text that no hand is written as counts nothing, which is no odds.
    if (!typed_.empty()) {
        const bool taken = std::find(group.distributions.begin(), group.distributions.end(),
                                     typed_) != group.distributions.end();
        const std::int64_t hands = exactHands(typed_);
        if (taken || hands > 0) {
            plan_.figures.push_back({typed_, taken ? 0.0 : probabilityOf(hands), {}});
        } else {
            plan_.figures.push_back({typed_, std::nullopt, kUnwritable});
        }
    }
}

void SurveyRun::dealBatch(Tally& tally) {
    std::array<std::uint64_t, 6> keys{};
    for (std::size_t line = 0; line < keys.size(); ++line) {
        keys[line] = keyOf(group_.distributions[line]);
    }
    const std::uint64_t typedKey = keyOf(typed_);

    std::array<std::int64_t, 7> counts{};
    Hand hand{};
    for (std::int32_t i = 0; i < kSurveyBatch; ++i) {
        dealer_.dealSouth(hand);
        const std::string shape = shapeText(suitLengths(hand));  // short: no allocation
        const std::uint64_t key = keyOf(shape);
        std::size_t line = 0;
        while (line < keys.size() && !same(key, shape, keys[line], group_.distributions[line])) {
            ++line;
        }
        if (line == keys.size() && !same(key, shape, typedKey, typed_)) {
            continue;
        }
        ++counts[line];
        lastHands_[line] = hand;
    }
    for (std::size_t line = 0; line < tally.hits.size(); ++line) {
        tally.hits[line] += counts[line];
    }
}

Report SurveyRun::report(const Tally& tally, const NumberStyle& style) const {
    return surveyReport(group_, typed_, tally, style.decimal);
}

std::vector<Example> SurveyRun::examples(const Tally& tally) const {
    std::vector<Example> out;
    for (std::size_t line = 0; line < plan_.figures.size(); ++line) {
        if (tally.hits[line] > 0) {
            Example example{plan_.figures[line].name};
            example.deal[index(Seat::South)] = lastHands_[line];
            out.push_back(std::move(example));
        }
    }
    return out;
}

void runSurvey(const SurveyGroup& group, Dealer& dealer, Dialogue& dialogue,
               RunObserver* observer) {
    std::string typed = dialogue.inputBox(surveyPrompt(group), std::string(kInputTitle),
                                          std::string(group.defaultText));
    SurveyRun run(group, std::move(typed), dealer);
    runBatches(run, dialogue, observer);
}

}  // namespace ondiscale
