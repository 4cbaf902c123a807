#include "formats/script_tokens.h"

#include <algorithm>
#include <array>

#include "formats/format_texts.h"

namespace ondiscale {

namespace {

bool isWordChar(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
}

}  // namespace

std::vector<Token> scriptTokens(std::string_view text) {
    std::vector<Token> out;
    int line = 1;
    // A byte order mark, as some editors write, is no token.
    std::size_t at = text.starts_with("\xEF\xBB\xBF") ? 3 : 0;
    const auto skipToEndOfLine = [&] {
        while (at < text.size() && text[at] != '\n') {
            ++at;
        }
    };
    while (at < text.size()) {
        const char c = text[at];
        if (c == '\n') {
            ++line;
            ++at;
        } else if (c == ' ' || c == '\t' || c == '\r' || c == '\f' || c == '\v') {
            ++at;
        } else if (c == '#' || text.substr(at, 2) == "//") {
            skipToEndOfLine();
        } else if (text.substr(at, 2) == "/*") {
            const std::size_t close = text.find("*/", at + 2);
            const std::size_t stop = close == std::string_view::npos ? text.size() : close + 2;
            line += static_cast<int>(std::count(text.begin() + static_cast<std::ptrdiff_t>(at),
                                                text.begin() + static_cast<std::ptrdiff_t>(stop),
                                                '\n'));
            at = stop;
        } else {
            Token token;
            token.begin = at;
            token.line = line;
            if (c == '"') {
                const std::size_t close = text.find('"', at + 1);
                if (close == std::string_view::npos) {
                    throw ScriptError{texts::atLine(line) + std::string(texts::kOpenQuote)};
                }
                token.kind = Token::Kind::String;
                line += static_cast<int>(
                    std::count(text.begin() + static_cast<std::ptrdiff_t>(at),
                               text.begin() + static_cast<std::ptrdiff_t>(close), '\n'));
                at = close + 1;
            } else if (isWordChar(c)) {
                bool digits = true;
                while (at < text.size() && isWordChar(text[at])) {
                    digits = digits && text[at] >= '0' && text[at] <= '9';
                    ++at;
                }
                token.kind = digits ? Token::Kind::Number : Token::Kind::Word;
            } else {
                token.kind = Token::Kind::Symbol;
                static constexpr std::array<std::string_view, 6> kPairs{
                    "==", "!=", "<=", ">=", "&&", "||"};
                const std::string_view two = text.substr(at, 2);
                const bool pair = std::find(kPairs.begin(), kPairs.end(), two) != kPairs.end();
                std::size_t length = pair ? 2 : 1;
                // A character beyond ASCII stays whole, to be named whole.
                while (!pair && at + length < text.size() &&
                       (static_cast<unsigned char>(text[at + length]) & 0xC0U) == 0x80U) {
                    ++length;
                }
                at += length;
            }
            token.end = at;
            token.text = text.substr(token.begin, token.end - token.begin);
            out.push_back(token);
        }
    }
    Token end;
    end.begin = end.end = text.size();
    end.line = line;
    out.push_back(end);
    return out;
}

}  // namespace ondiscale
