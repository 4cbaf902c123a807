#pragma once

// The session file as the program wrote it before JSON (version 1), for
// the tests and the benchmark: the reader stays in the program so that
// those sessions still open, the writer is only needed to make them.

#include <array>
#include <charconv>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "engine/card_text.h"
#include "journal/journal.h"

namespace ondiscale::v1 {

inline constexpr std::string_view kHexDigits = "0123456789ABCDEF";

// The length of the UTF-8 character that starts at text[at], or 0 where
// the bytes there are not one (overlong forms and surrogates included).
inline std::size_t utf8Length(std::string_view text, std::size_t at) {
    const auto byteAt = [&](std::size_t i) -> unsigned {
        return i < text.size() ? static_cast<unsigned char>(text[i]) : 0U;
    };
    const unsigned lead = byteAt(at);
    std::size_t length = 0;
    unsigned low = 0x80;
    unsigned high = 0xBF;
    if (lead < 0x80) {
        return 1;
    }
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        low = lead == 0xE0 ? 0xA0 : low;
        high = lead == 0xED ? 0x9F : high;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        low = lead == 0xF0 ? 0x90 : low;
        high = lead == 0xF4 ? 0x8F : high;
    } else {
        return 0;
    }
    for (std::size_t i = 1; i < length; ++i) {
        const unsigned next = byteAt(at + i);
        if (next < (i == 1 ? low : 0x80U) || next > (i == 1 ? high : 0xBFU)) {
            return 0;
        }
    }
    return length;
}

inline void appendEscaped(std::string& out, std::string_view text) {
    for (std::size_t at = 0; at < text.size();) {
        const auto byte = static_cast<unsigned char>(text[at]);
        const std::size_t length = utf8Length(text, at);
        if (byte == '\\') {
            out += "\\\\";
        } else if (byte == '\t') {
            out += "\\t";
        } else if (byte == '\n') {
            out += "\\n";
        } else if (byte == '\r') {
            out += "\\r";
        } else if (byte == '\0') {
            out += "\\0";
        } else if (length == 0 || byte < 0x20 || byte == 0x7F) {
            out += "\\x";
            out += kHexDigits[byte >> 4U];
            out += kHexDigits[byte & 0xFU];
        } else {
            out += text.substr(at, length);
            at += length;
            continue;
        }
        ++at;
    }
}

inline void appendField(std::string& out, std::string_view key, std::string_view value) {
    out += '\t';
    out += key;
    out += '=';
    out += value;
}

inline void appendNumber(std::string& out, std::string_view key, std::int64_t value) {
    appendField(out, key, std::to_string(value));
}

// Numbers separated by commas: "0,0,3,12".
template <typename Numbers>
inline void appendNumbers(std::string& out, std::string_view key, const Numbers& numbers) {
    std::string list;
    for (const auto n : numbers) {
        list += list.empty() ? "" : ",";
        list += std::to_string(n);
    }
    appendField(out, key, list);
}

inline void appendText(std::string& out, std::string_view key, std::string_view text) {
    appendField(out, key, {});
    appendEscaped(out, text);
}

// The shortest text that reads back as the same double.
inline void appendProbability(std::string& out, std::string_view key, double value) {
    std::array<char, 32> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    appendField(out, key, std::string_view(buffer.data(), result.ptr));
}

inline std::string cardsText(const Hand& hand) {
    std::string out;
    for (const Card card : hand) {
        if (!out.empty()) {
            out += ' ';
        }
        const bool valid = card >= kLowestCard && card <= kHighestCard;
        out += valid ? suitLetter(suitOf(card)) : '?';
        out += valid ? rankLetter(card) : '?';
    }
    return out;
}

inline std::string_view kindName(RunKind kind) {
    switch (kind) {
        case RunKind::Frequency:
            return "frequency";
        case RunKind::Survey:
            return "survey";
        case RunKind::Table:
            return "table";
        case RunKind::Analysis:
            return "analysis";
        case RunKind::Lesson:
            return "lesson";
    }
    return {};
}

inline std::string journalFileText(const std::vector<JournalEntry>& entries) {
    std::string out = "ondiscale-journal 1\n";
    out += "journal";
    appendNumber(out, "runs", static_cast<std::int64_t>(entries.size()));
    out += '\n';
    for (const JournalEntry& entry : entries) {
        out += "run";
        appendField(out, "kind", kindName(entry.kind));
        appendNumber(out, "batches", entry.batches);
        appendNumber(out, "deals", entry.deals);
        appendNumber(out, "figures", static_cast<std::int64_t>(entry.figures.size()));
        appendNumber(out, "examples", static_cast<std::int64_t>(entry.examples.size()));
        appendText(out, "condition", entry.condition);
        out += '\n';
        if (entry.analysis) {
            for (std::size_t strain = 0; strain < entry.analysis->tricks.size(); ++strain) {
                for (std::size_t declarer = 0; declarer < 4; ++declarer) {
                    out += "tricks";
                    appendNumber(out, "strain", static_cast<std::int64_t>(strain));
                    appendNumber(out, "declarer", static_cast<std::int64_t>(declarer));
                    appendNumbers(out, "deals", entry.analysis->tricks[strain][declarer]);
                    out += '\n';
                }
            }
            for (const auto& [score, deals] : entry.analysis->parScores) {
                out += "par";
                appendNumber(out, "score", score);
                appendNumber(out, "deals", deals);
                out += '\n';
            }
        }
        for (std::size_t i = 0; i < entry.figures.size(); ++i) {
            const Figure& figure = entry.figures[i];
            const std::vector<BatchHistory::Point>& points = figure.history.points();
            out += "figure";
            appendNumber(out, "hits", figure.hits);
            appendNumber(out, "points", static_cast<std::int64_t>(points.size()));
            if (figure.exact) {
                appendProbability(out, "exact", *figure.exact);
            }
            if (!figure.note.empty()) {
                appendText(out, "note", figure.note);
            }
            if (entry.analysis && i < entry.analysis->figureTricks.size()) {
                appendNumber(out, "chart", entry.analysis->figureTricks[i]);
            }
            appendText(out, "name", figure.name);
            out += '\n';
            for (const BatchHistory::Point& point : points) {
                out += "point";
                appendNumber(out, "batch", point.batch);
                appendNumber(out, "deals", point.deals);
                appendNumber(out, "hits", point.hits);
                out += '\n';
            }
        }
        for (const Example& example : entry.examples) {
            out += "example";
            appendNumber(out, "hands", example.wholeDeal ? 4 : 1);
            if (example.tricks) {
                std::vector<int> tricks;
                for (const auto& strain : example.tricks->tricks) {
                    tricks.insert(tricks.end(), strain.begin(), strain.end());
                }
                appendNumbers(out, "tricks", tricks);
            }
            if (example.par) {
                appendNumber(out, "parscore", example.par->northSouthScore);
                appendText(out, "par", example.par->contracts);
            }
            if (example.board) {
                appendNumber(out, "board", example.board->number);
                appendField(out, "dealer", std::string(1, seatLetter(example.board->dealer)));
                appendNumber(out, "vulnerable",
                             static_cast<std::int64_t>(example.board->vulnerability));
            }
            appendText(out, "figure", example.figure);
            out += '\n';
            for (const Seat seat : kSeats) {
                if (example.wholeDeal || seat == Seat::South) {
                    out += "hand";
                    appendField(out, "seat", std::string(1, seatLetter(seat)));
                    appendField(out, "cards", cardsText(example.deal[index(seat)]));
                    out += '\n';
                }
            }
        }
    }
    out += "end\n";
    return out;
}

}  // namespace ondiscale::v1
