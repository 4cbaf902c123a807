#pragma once

#include <nlohmann/json.hpp>
#include <stdexcept>

#include "condition/condition.h"

namespace ondiscale {

// A condition as JSON, writing only what narrows something:
//
//   {"known": [{"hands": {"S": {"points": [15, 17]}},
//               "shapes": {"S": [{"class": "regular"}]},
//               "cards": {"S": "AK52.Q7.KJ84.A63"}}],
//    "asked": [{"sides": {"NS": {"points": [25, 40]}}}]}
//
// Hands are "N", "E", "S", "W", partnerships "NS", "EW"; each part is a
// list of one to four alternatives, an empty object asking nothing; a
// shape term is {"class": …}, {"anyOrder": [4, 4, 3, 2]} or
// {"suitOrder": [5, 4, 2, 2]} (spades first); cards as a PBN hand.
nlohmann::ordered_json conditionJson(const Condition& condition);

// Why a JSON value is no condition, in French.
class ConditionJsonError : public std::runtime_error {
    using std::runtime_error::runtime_error;
};

// The condition read back, every range, pattern and card checked; throws
// ConditionJsonError when the value is not one.
Condition conditionFromJson(const nlohmann::ordered_json& value);

}  // namespace ondiscale
