#pragma once

#include <string>
#include <string_view>

namespace ondiscale {

// What a user typed or pasted, with what looks like a space or like
// nothing made plain, so that "3" followed by a no-break space reads as 3
// and "♠️" (the sign with the emoji selector) as ♠: no-break spaces
// (U+00A0, U+2007, U+202F) become spaces; variation selectors (U+FE0E,
// U+FE0F), zero-width spaces and joiners (U+200B to U+200D, U+2060) and
// byte order marks (U+FEFF) go. Other bytes stay as they are.
std::string plainTyped(std::string_view text);

}  // namespace ondiscale
