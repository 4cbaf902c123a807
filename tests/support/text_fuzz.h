#pragma once

// Random texts of the kinds a user can type or paste: digits, spaces,
// signs, separators, letters, accented and other non-ASCII characters,
// invalid UTF-8, embedded NULs and very long runs.

#include <array>
#include <random>
#include <string>
#include <string_view>
#include <vector>

class TextFuzz {
public:
    explicit TextFuzz(unsigned seed) : random_(seed) {}

    std::string next() {
        static constexpr std::array<std::string_view, 20> pieces{"0",
                                                                 "1",
                                                                 "5",
                                                                 "9",
                                                                 "13",
                                                                 "37",
                                                                 "255",
                                                                 "256",
                                                                 " ",
                                                                 "  ",
                                                                 "+",
                                                                 "-",
                                                                 ".",
                                                                 ",",
                                                                 "e",
                                                                 "a",
                                                                 "\xC3\xA9",
                                                                 "\xE2\x99\xA0",
                                                                 std::string_view("\0", 1),
                                                                 "\xFF"};
        std::string text;
        switch (pick(6)) {
            case 0:  // a plain number, sometimes padded with spaces
                text = std::string(pick(3), ' ') + std::to_string(pick(300)) +
                       std::string(pick(3), ' ');
                break;
            case 1:  // a very long run
                text = std::string(1 + pick(5000), "0123456789 a"[pick(12)]);
                break;
            default:
                for (std::size_t n = pick(8); n > 0; --n) {
                    text += pieces[pick(pieces.size())];
                }
        }
        return text;
    }

    std::size_t pick(std::size_t below) {
        return std::uniform_int_distribution<std::size_t>(0, below - 1)(random_);
    }

private:
    std::mt19937 random_;
};

// Texts a file must give back byte for byte: escapes of every kind, line
// breaks and NULs, bytes that are no UTF-8 (cut, overlong, surrogates, past
// U+10FFFF), then `fuzzed` random ones; `own` adds what looks like the
// file's own syntax.
inline std::vector<std::string> awkwardTexts(std::vector<std::string> own, int fuzzed) {
    std::vector<std::string> texts{
        "",         "\\",   "a\tb=c\td", "\r\n\n",       std::string("\0\0", 2), "\x7F\x1B[31m",
        "\xFF\xFE", "\xC3", "\xC0\xAF",  "\xED\xA0\x80", "\xF4\x90\x80\x80",     "é ♠ 𝄞"};
    texts.insert(texts.end(), own.begin(), own.end());
    TextFuzz fuzz(19);
    for (int n = 0; n < fuzzed; ++n) {
        texts.push_back(fuzz.next());
    }
    return texts;
}
