#include "formats/condition_json.h"

#include <algorithm>
#include <array>
#include <bit>
#include <functional>
#include <string>

#include "formats/card_letters.h"
#include "formats/dealer_words.h"
#include "formats/format_texts.h"

namespace ondiscale {
namespace {

using Json = nlohmann::ordered_json;

constexpr std::array<std::string_view, 4> kSeatKeys{"N", "E", "S", "W"};
constexpr std::array<std::string_view, 2> kSideKeys{"NS", "EW"};
constexpr std::array<std::string_view, 5> kQuantityKeys{"spades", "hearts", "diamonds", "clubs",
                                                        "points"};
constexpr std::array<std::pair<ShapeClass, std::string_view>, 6> kClassKeys{{
    {ShapeClass::Regular, "regular"},
    {ShapeClass::SemiRegular, "semiRegular"},
    {ShapeClass::OneSuited, "oneSuited"},
    {ShapeClass::TwoSuited, "twoSuited"},
    {ShapeClass::ThreeSuited, "threeSuited"},
    {ShapeClass::NoShortSuit, "noShortSuit"},
}};

std::string seatKey(std::size_t seat) { return std::string(kSeatKeys[seat]); }

[[noreturn]] void damaged(const std::string& what) { throw ConditionJsonError(what); }

Json boundsJson(const HandBounds& bounds, const HandBounds& open) {
    Json out = Json::object();
    for (std::size_t q = 0; q < kQuantityKeys.size(); ++q) {
        const Range& r = q == kPointsQuantity ? bounds.points : bounds.suits[q];
        const Range& o = q == kPointsQuantity ? open.points : open.suits[q];
        if (r != o) {
            out[std::string(kQuantityKeys[q])] = {r.min, r.max};
        }
    }
    return out;
}

Json alternativeJson(const Alternative& alternative) {
    Json out = Json::object();
    for (std::size_t seat = 0; seat < 4; ++seat) {
        const Json bounds = boundsJson(alternative.bounds.hands[seat], HandBounds{});
        if (!bounds.empty()) {
            out["hands"][seatKey(seat)] = bounds;
        }
        const ShapeSet& shapes = alternative.shapes[seat];
        for (const ShapeTerm& term : shapes.terms) {
            Json t;
            if (term.kind == ShapeTerm::Kind::Class) {
                for (const auto& [c, key] : kClassKeys) {
                    if (c == term.shapeClass) {
                        t["class"] = key;
                    }
                }
            } else {
                t[term.kind == ShapeTerm::Kind::AnyOrder ? "anyOrder" : "suitOrder"] = term.lengths;
            }
            out["shapes"][seatKey(seat)].push_back(t);
        }
        if (alternative.cards[seat] != 0) {
            out["cards"][seatKey(seat)] = pbnCardsText(alternative.cards[seat]);
        }
    }
    for (std::size_t side = 0; side < 2; ++side) {
        const Json bounds = boundsJson(alternative.bounds.sides[side], anySide());
        if (!bounds.empty()) {
            out["sides"][std::string(kSideKeys[side])] = bounds;
        }
    }
    return out;
}

Json partJson(const ConditionPart& part) {
    Json out = Json::array();
    for (const Alternative& alternative : part.alternatives) {
        out.push_back(alternativeJson(alternative));
    }
    return out;
}

// The members of an object, each key one of `keys`, by its place there.
template <typename Keys>
void forEachKey(const Json& object, const Keys& keys, std::string_view what,
                const std::function<void(std::size_t, const Json&)>& take) {
    if (!object.is_object()) {
        damaged(texts::notAnObject(what));
    }
    for (const auto& [key, value] : object.items()) {
        const auto found = std::find(keys.begin(), keys.end(), key);
        if (found == keys.end()) {
            damaged(texts::unknownKey(key, what));
        }
        take(static_cast<std::size_t>(found - keys.begin()), value);
    }
}

std::uint8_t smallNumber(const Json& value, unsigned top) {
    if (!value.is_number_unsigned() || value.get<unsigned>() > top) {
        damaged(texts::outOfBounds(value.dump()));
    }
    return value.get<std::uint8_t>();
}

void readBounds(const Json& object, HandBounds& bounds, std::uint8_t topPoints,
                std::string_view what) {
    forEachKey(object, kQuantityKeys, what, [&](std::size_t q, const Json& range) {
        const unsigned top = q == kPointsQuantity ? topPoints : kSuitCards;
        if (!range.is_array() || range.size() != 2) {
            damaged(texts::notTwoBounds(what));
        }
        const Range r{smallNumber(range[0], top), smallNumber(range[1], top)};
        if (r.min > r.max) {
            damaged(texts::emptyRange(what));
        }
        (q == kPointsQuantity ? bounds.points : bounds.suits[q]) = r;
    });
}

ShapeTerm readTerm(const Json& t) {
    if (!t.is_object() || t.size() != 1) {
        damaged(std::string(texts::kBadShape));
    }
    ShapeTerm term;
    if (t.contains("class")) {
        const Json& name = t.at("class");
        const auto* const found = std::find_if(
            kClassKeys.begin(), kClassKeys.end(),
            [&](const auto& k) { return name.is_string() && k.second == name.get<std::string>(); });
        if (found == kClassKeys.end()) {
            damaged(texts::unknownClass(name.dump()));
        }
        term.shapeClass = found->first;
        return term;
    }
    const bool anyOrder = t.contains("anyOrder");
    const Json lengths = anyOrder ? t.at("anyOrder") : t.value("suitOrder", Json());
    if (!lengths.is_array() || lengths.size() != 4) {
        damaged(std::string(texts::kNotFourLengths));
    }
    term.kind = anyOrder ? ShapeTerm::Kind::AnyOrder : ShapeTerm::Kind::SuitOrder;
    unsigned sum = 0;
    for (std::size_t s = 0; s < 4; ++s) {
        term.lengths[s] = smallNumber(lengths[s], kSuitCards);
        sum += term.lengths[s];
    }
    if (sum != kSuitCards) {
        damaged(std::string(texts::kNotThirteenCards));
    }
    if (anyOrder) {
        std::sort(term.lengths.begin(), term.lengths.end(), std::greater<>());
    }
    return term;
}

Alternative readAlternative(const Json& object) {
    static constexpr std::array<std::string_view, 4> kMembers{"hands", "sides", "shapes", "cards"};
    Alternative out;
    CardSet all = 0;
    forEachKey(object, kMembers, texts::kAlternative, [&](std::size_t member, const Json& value) {
        switch (member) {
            case 0:
                forEachKey(
                    value, kSeatKeys, texts::quoted("hands"), [&](std::size_t seat, const Json& b) {
                        readBounds(b, out.bounds.hands[seat], kHandPoints, texts::kHandRange);
                    });
                break;
            case 1:
                forEachKey(
                    value, kSideKeys, texts::quoted("sides"), [&](std::size_t side, const Json& b) {
                        readBounds(b, out.bounds.sides[side], kSidePoints, texts::kSideRange);
                    });
                break;
            case 2:
                forEachKey(value, kSeatKeys, texts::quoted("shapes"),
                           [&](std::size_t seat, const Json& ts) {
                               if (!ts.is_array()) {
                                   damaged(texts::notAList("shapes"));
                               }
                               for (const Json& t : ts) {
                                   out.shapes[seat].terms.push_back(readTerm(t));
                               }
                           });
                break;
            default:
                forEachKey(
                    value, kSeatKeys, texts::quoted("cards"), [&](std::size_t seat, const Json& c) {
                        const auto cards =
                            c.is_string() ? readPbnCards(c.get<std::string>()) : std::nullopt;
                        if (!cards || std::popcount(*cards) > kSuitCards || (*cards & all) != 0) {
                            damaged(texts::cardsNotInAHand(c.dump()));
                        }
                        all |= *cards;
                        out.cards[seat] = *cards;
                    });
                break;
        }
    });
    return out;
}

void readPart(const Json& object, const char* key, ConditionPart& part) {
    if (!object.contains(key)) {
        return;
    }
    const Json& list = object.at(key);
    if (!list.is_array() || list.empty() || list.size() > kMostAlternatives) {
        damaged(texts::notOneToFour(key));
    }
    part.alternatives.clear();
    for (const Json& a : list) {
        part.alternatives.push_back(readAlternative(a));
    }
}

}  // namespace

Json conditionJson(const Condition& condition) {
    return {{"known", partJson(condition.known)}, {"asked", partJson(condition.asked)}};
}

Condition conditionFromJson(const Json& value) {
    static constexpr std::array<std::string_view, 2> kParts{"known", "asked"};
    forEachKey(value, kParts, texts::kCondition, [](std::size_t, const Json&) {});
    Condition out;
    readPart(value, "known", out.known);
    readPart(value, "asked", out.asked);
    return out;
}

}  // namespace ondiscale
