#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "journal/journal.h"

namespace ondiscale {

// The session file as the program wrote it before it wrote JSON (version
// 1), read so that those sessions still open. A UTF-8 text file, one
// record a line: a keyword, then fields "key=value" separated by tabs. The
// first line names the format and its version, the second the number of
// runs, the last is "end", so a cut file is seen as such:
//
//   ondiscale-journal 1
//   journal   runs=1
//   run       kind=frequency  batches=2  deals=200000  figures=1  examples=1  condition=5 ≤ ♠ ≤ 5
//   figure    hits=5210  points=2  exact=0.02582369  name=Main précisée
//   point     batch=1  deals=100000  hits=2604
//   point     batch=2  deals=200000  hits=5210
//   example   hands=1  figure=Main précisée
//   hand      seat=S  cards=SA SK S9 S7 S3 HK H4 D8 D6 D2 C7 C5 C4
//   end
//
// A lesson (kind=lesson) has no figures; each example, one of its boards,
// adds board=, dealer= (N, E, S, W) and vulnerable= (0 none, 1 North-South,
// 2 East-West, 3 both).
//
// A record belongs to the run, figure or example above it. Keywords and
// keys it does not know are skipped, and runs of a kind it does not know.
// A field missing where a default makes sense takes it (no "exact": not
// known). Texts escape "\\", tab, line breaks, other control bytes and
// bytes that are not UTF-8 ("\t", "\n", "\r", "\0", "\\", "\xHH").
inline constexpr std::string_view kJournalFileFormat = "ondiscale-journal";
inline constexpr std::int64_t kJournalFileVersion = 1;

// The entries of a journal file, or, when the text is not one or is
// damaged, why, in French ("ligne 12 : une carte apparaît deux fois").
struct JournalFileReading {
    std::optional<std::vector<JournalEntry>> entries;
    std::string damage;
};

// Takes any bytes; never throws but for want of memory.
JournalFileReading readJournalFileV1(std::string_view text);

// The number of runs a journal file announces on its first lines, read
// from as little as its first two lines; nothing if they do not say.
std::optional<std::int64_t> announcedRunsV1(std::string_view head);

}  // namespace ondiscale
