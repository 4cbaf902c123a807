#include "doubledummy/pbn_tables.h"

#include <array>

#include "engine/card_text.h"

namespace ondiscale {
namespace {

// A column right-aligned on two characters.
std::string twoWide(std::string_view text) {
    return text.size() >= 2 ? std::string(text)
                            : std::string(2 - text.size(), ' ') + std::string(text);
}

}  // namespace

std::string optimumResultTableText(const TrickTable& table) {
    std::string out = "[OptimumResultTable \"Declarer;Denomination\\2R;Result\\2R\"]\n";
    for (const Seat seat : kSeats) {
        for (const Strain strain : kStrains) {
            out += seatLetter(seat);
            out += ' ';
            out += twoWide(strainPbn(strain));
            out += ' ';
            out += twoWide(std::to_string(table.of(strain, seat)));
            out += '\n';
        }
    }
    return out;
}

std::string parTagsText(const ParResult& par) {
    return "[OptimumScore \"NS " + std::to_string(par.northSouthScore) + "\"]\n[ParContract \"" +
           par.contracts + "\"]\n";
}

}  // namespace ondiscale
