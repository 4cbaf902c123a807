#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "journal/journal.h"

namespace ondiscale {

// A session's journal as a JSON file (UTF-8), written and read through
// nlohmann-json. The first line says what the file is, its version, when
// it was saved and how many runs follow, one run a line:
//
//   {"format":"ondiscale-session","version":2,"saved":"2026-12-08T13:05:12Z","runs":1,"entries":[
//   {"kind":"frequency","condition":"5 ≤ ♠ ≤ 5","batches":2,"deals":200000,"question":{…},
//    "figures":[{"name":"Main précisée","exact":0.02582369,"hits":5210,
//                "history":[[1,100000,2604],[2,200000,5210]]}],
//    "examples":[{"figure":"Main précisée","deal":"N:- - AK973.K4.862.754 -"}]}
//   ]}
//
// Deals are written as PBN writes them, the cards a hand is known to hold
// as "SA SK", shapes by their kind. A field left out takes its default
// (no "exact": not known; no "knownDeals": all the deals; an example
// without "figure": the one before's); keys this reader does not know are
// passed over, and runs of a kind it does not know. Version 1 was a text
// format (journal_file_v1.h), which readSessionFile reads too.
inline constexpr std::string_view kSessionFormat = "ondiscale-session";
inline constexpr std::int64_t kSessionVersion = 2;

// The largest file the writer makes, so the largest the reader takes.
inline constexpr std::int64_t kMostSessionBytes = std::int64_t{256} * 1024 * 1024;
// The points of each figure's chart kept in the file: the chart has no
// room for more, and a thousand long runs stay a few megabytes.
inline constexpr std::size_t kStoredPoints = 512;
// Texts longer than this are cut, by the writer and the reader alike;
// longer than anything a box of the program takes.
inline constexpr std::size_t kMostTextBytes = std::size_t{256} * 1024;

// The file's text. `saved` is the time the session ended, as the caller
// writes it ("2026-12-08T13:05:12Z"). Should the text pass `mostBytes`,
// the examples of the oldest runs are left out until it fits, then, if
// need be, the oldest runs.
std::string sessionFileText(const std::vector<JournalEntry>& entries, std::string_view saved,
                            std::int64_t mostBytes = kMostSessionBytes);

// What reading a session file found.
struct SessionReading {
    std::optional<std::vector<JournalEntry>> entries;
    // Why there are none, in French ("tirage 3 : une carte apparaît deux
    // fois"); empty when read or cancelled.
    std::string damage;
    bool newer = false;      // written by a newer version: not damaged
    bool cancelled = false;  // progress said to stop
};

// Told after each run read, with the runs the file announces; returns
// false to stop.
using ReadingProgress = std::function<bool(std::int64_t done, std::int64_t total)>;

// Reads either format from any bytes; never throws but for want of memory.
SessionReading readSessionFile(std::string_view text, const ReadingProgress& progress = {});

// What the first bytes of a session file say of it, for the list of
// sessions: read from its first line alone.
struct SessionHead {
    bool session = false;  // a session file of either format, as far as it goes
    bool newer = false;
    std::optional<std::int64_t> runs;  // as announced, if a file of `fileBytes` can hold them
    std::string saved;                 // the time the session ended, as written; version 2 only
};
SessionHead readSessionHead(std::string_view head, std::int64_t fileBytes);

}  // namespace ondiscale
