#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace ondiscale {

// A failure that ends the reading of a script: its message, line included.
struct ScriptError {
    std::string message;
};

// One token of a dealer script: a word (letters, digits and "_", such as
// "hcp", "5xxx" or "SAK52"), a number, a text between quotes, a symbol
// ("(", ">=", "&&"; a character beyond ASCII stays whole), or the end.
struct Token {
    enum class Kind : std::uint8_t { Word, Number, String, Symbol, End };
    Kind kind = Kind::End;
    std::string_view text;
    std::size_t begin = 0;  // where it stands in the script
    std::size_t end = 0;
    int line = 1;
};

// The tokens of a script, comments ("#" or "//" to the end of the line,
// "/* … */") left out, the last one the end; throws ScriptError for a text
// whose quotes are not closed.
std::vector<Token> scriptTokens(std::string_view text);

}  // namespace ondiscale
