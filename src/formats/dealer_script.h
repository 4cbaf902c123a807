#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "condition/condition.h"

namespace ondiscale {

// What a script says beside the condition.
struct DealerScriptOptions {
    std::int32_t generate = 1'000'000;  // deals dealt at most
    std::int32_t produce = 1'000'000;   // deals meeting the known part, at most
    std::string knownText;              // the parts in French, for the comments
    std::string askedText;              // and as the label of the share
};

// A script for the dealer program: `generate` and `produce`; the cards
// every alternative of the known part gives a hand as `predeal`, any
// others as `hascard` terms; the known part as `condition`; the asked part as
// `action average "…"`, whose average of true or false is exactly the
// share asked among the deals kept. Named shape classes are written out as
// their patterns. Lines end in LF; everything is ASCII.
std::string dealerScript(const Condition& condition, const DealerScriptOptions& options = {});

// A text made safe for a script's comment or quoted label: ASCII only
// ("é" as "e", "≤" as "<=", "♠" as "P", quotes as apostrophes), on one line.
std::string scriptSafeText(std::string_view text);

// A dealer script read back into a condition, or why it cannot be.
struct DealerScriptReading {
    std::optional<Condition> condition;
    std::string error;  // "ligne 3 : « losers » n'est pas pris en charge"
};

// Reads what the window can hold of a dealer script: `predeal`, `condition`
// and one `action average` of a true-or-false expression (the asked part),
// built of ranges of a hand's or a partnership's suit lengths and points
// (comparisons of `hcp`, `spades`…`clubs` or partners' sums with numbers),
// `shape` and `hascard`, joined by `and`, `or` and `not`, through named
// expressions too; `generate`, `produce`, `dealer`, `vulnerable` and the
// print actions change nothing asked and are passed over; as in dealer,
// the last `condition` counts. Each part
// becomes at most four alternatives of such clauses; anything else is
// refused, naming the piece and its line.
DealerScriptReading readDealerScript(std::string_view script);

}  // namespace ondiscale
