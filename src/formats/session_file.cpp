#include "formats/session_file.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <new>
#include <nlohmann/json.hpp>
#include <utility>

#include "engine/card_text.h"
#include "formats/condition_json.h"
#include "formats/journal_file_v1.h"
#include "formats/pbn.h"
#include "journal/journal_text.h"
#include "text/text_fill.h"

namespace ondiscale {
namespace {

// Written in the order of the fields here, for whoever reads the file;
// read into maps, faster to look up.
using OrderedJson = nlohmann::ordered_json;
using Json = nlohmann::json;
namespace texts = journal_texts;

constexpr std::int64_t kMost = std::numeric_limits<std::int64_t>::max();
constexpr std::string_view kBom = "\xEF\xBB\xBF";
// By RunKind.
constexpr std::array<std::string_view, 5> kKinds{"frequency", "survey", "table", "analysis",
                                                 "lesson"};
// By Vulnerability, as PBN writes it.
constexpr std::array<std::string_view, 4> kVulnerabilities{"None", "NS", "EW", "All"};
constexpr int kMostBoard = 1'000'000;
constexpr int kMostScore = 7600;
constexpr int kChartCodes = 20;  // 5 strains × 4 declarers

// ---------------------------------------------------------------- writing

// UTF-8 without overlong forms or surrogates: what a JSON string holds.
bool isUtf8(std::string_view text) {
    for (std::size_t at = 0; at < text.size();) {
        const auto lead = static_cast<unsigned char>(text[at]);
        std::size_t length = 1;
        unsigned low = 0x80;
        unsigned high = 0xBF;
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
        } else if (lead >= 0x80) {
            return false;
        }
        if (at + length > text.size()) {
            return false;
        }
        for (std::size_t i = 1; i < length; ++i) {
            const auto next = static_cast<unsigned char>(text[at + i]);
            if (next < (i == 1 ? low : 0x80U) || next > (i == 1 ? high : 0xBFU)) {
                return false;
            }
        }
        at += length;
    }
    return true;
}

// At most kMostTextBytes, never cut inside a character.
std::string_view cut(std::string_view text) {
    if (text.size() <= kMostTextBytes) {
        return text;
    }
    std::size_t end = kMostTextBytes;
    while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0U) == 0x80U) {
        --end;
    }
    return text.substr(0, end);
}

// A text as a JSON string, or, when it is not UTF-8 (a survey's box can
// hold any bytes), its bytes in hexadecimal: {"octets":"FFFE"}.
OrderedJson textValue(std::string_view text) {
    text = cut(text);
    if (isUtf8(text)) {
        return std::string(text);
    }
    constexpr std::string_view kHex = "0123456789ABCDEF";
    std::string hex;
    for (const char ch : text) {
        const auto byte = static_cast<unsigned char>(ch);
        hex += kHex[byte >> 4U];
        hex += kHex[byte & 0xFU];
    }
    OrderedJson out = OrderedJson::object();
    out["octets"] = hex;
    return out;
}

OrderedJson figureValue(const Figure& figure, std::optional<int> chart) {
    OrderedJson out = OrderedJson::object();
    out["name"] = textValue(figure.name);
    if (figure.exact) {
        out["exact"] = *figure.exact;
    }
    if (!figure.note.empty()) {
        out["note"] = textValue(figure.note);
    }
    out["hits"] = figure.hits;
    if (chart) {
        out["chart"] = *chart;
    }
    OrderedJson points = OrderedJson::array();
    const BatchHistory stored = figure.history.thinned(kStoredPoints);
    for (const BatchHistory::Point& point : stored.points()) {
        points.push_back(OrderedJson::array({point.batch, point.deals, point.hits}));
    }
    out["history"] = std::move(points);
    return out;
}

OrderedJson exampleValue(const Example& example, const std::string& previousFigure) {
    OrderedJson out = OrderedJson::object();
    if (example.figure != previousFigure) {
        out["figure"] = textValue(example.figure);
    }
    out["deal"] = pbnDealText(example.deal, example.wholeDeal);
    if (example.tricks) {
        OrderedJson tricks = OrderedJson::array();
        for (const auto& strain : example.tricks->tricks) {
            for (const std::uint8_t count : strain) {
                tricks.push_back(count);
            }
        }
        out["tricks"] = std::move(tricks);
    }
    if (example.par) {
        OrderedJson par = OrderedJson::object();
        par["score"] = example.par->northSouthScore;
        par["contracts"] = textValue(example.par->contracts);
        out["par"] = std::move(par);
    }
    if (example.board) {
        OrderedJson board = OrderedJson::object();
        board["number"] = example.board->number;
        board["dealer"] = std::string(1, seatLetter(example.board->dealer));
        board["vulnerable"] =
            kVulnerabilities[static_cast<std::size_t>(example.board->vulnerability)];
        out["board"] = std::move(board);
    }
    return out;
}

OrderedJson entryValue(const JournalEntry& entry, bool withExamples) {
    OrderedJson out = OrderedJson::object();
    out["kind"] = kKinds[static_cast<std::size_t>(entry.kind)];
    out["condition"] = textValue(entry.condition);
    out["batches"] = entry.batches;
    out["deals"] = entry.deals;
    if (entry.knownDeals != entry.deals) {
        out["knownDeals"] = entry.knownDeals;
    }
    if (entry.question) {
        out["question"] = conditionJson(*entry.question);
    }
    OrderedJson figures = OrderedJson::array();
    for (std::size_t i = 0; i < entry.figures.size(); ++i) {
        const bool charted = entry.analysis && i < entry.analysis->figureTricks.size();
        figures.push_back(figureValue(
            entry.figures[i],
            charted ? std::optional<int>(entry.analysis->figureTricks[i]) : std::nullopt));
    }
    out["figures"] = std::move(figures);
    if (withExamples && !entry.examples.empty()) {
        OrderedJson examples = OrderedJson::array();
        const std::string* previous = nullptr;
        for (const Example& example : entry.examples) {
            examples.push_back(exampleValue(example, previous != nullptr ? *previous : ""));
            previous = &example.figure;
        }
        out["examples"] = std::move(examples);
    }
    if (entry.analysis) {
        OrderedJson analysis = OrderedJson::object();
        analysis["tricks"] = entry.analysis->tricks;
        analysis["parScores"] = entry.analysis->parScores;
        out["analysis"] = std::move(analysis);
    }
    return out;
}

// ---------------------------------------------------------------- reading

// Thrown inside the reader only, and caught there.
struct Damage {
    std::string reason;
};
struct Newer {};
struct Cancelled {};

[[noreturn]] void fail(std::string reason) { throw Damage{std::move(reason)}; }
[[noreturn]] void failField(const char* pattern, std::string_view key) {
    fail(fill(pattern, {std::string(key)}));
}

const Json* find(const Json& object, std::string_view key) {
    const auto found = object.find(key);
    return found == object.end() ? nullptr : &*found;
}

const Json& objectIn(const Json& value, std::string_view key) {
    if (!value.is_object()) {
        failField(texts::kBadForm, key);
    }
    return value;
}

std::int64_t integerOf(const Json& value, std::string_view key, std::int64_t low,
                       std::int64_t high) {
    if (value.is_number_unsigned() &&
        value.get<std::uint64_t>() > static_cast<std::uint64_t>(kMost)) {
        failField(texts::kOutOfRange, key);
    }
    if (value.is_number_float()) {
        // A whole number past 64 bits is read as a float.
        const double n = value.get<double>();
        if (std::isfinite(n) && n == std::floor(n) && std::abs(n) >= 0x1p63) {
            failField(texts::kOutOfRange, key);
        }
    }
    if (!value.is_number_integer()) {
        failField(texts::kBadNumber, key);
    }
    const auto n = value.get<std::int64_t>();
    if (n < low || n > high) {
        failField(texts::kOutOfRange, key);
    }
    return n;
}

std::int64_t number(const Json& object, std::string_view key, std::int64_t low, std::int64_t high) {
    const Json* value = find(object, key);
    if (value == nullptr) {
        failField(texts::kMissingField, key);
    }
    return integerOf(*value, key, low, high);
}

std::int64_t numberOr(const Json& object, std::string_view key, std::int64_t absent,
                      std::int64_t low, std::int64_t high) {
    const Json* value = find(object, key);
    return value == nullptr ? absent : integerOf(*value, key, low, high);
}

std::optional<double> probability(const Json& object, std::string_view key) {
    const Json* value = find(object, key);
    if (value == nullptr) {
        return std::nullopt;
    }
    if (!value->is_number()) {
        failField(texts::kBadNumber, key);
    }
    const auto p = value->get<double>();
    if (!std::isfinite(p) || p < 0 || p > 1) {
        failField(texts::kOutOfRange, key);
    }
    return p;
}

int hexValue(char digit) {
    if (digit >= '0' && digit <= '9') {
        return digit - '0';
    }
    if (digit >= 'A' && digit <= 'F') {
        return digit - 'A' + 10;
    }
    return -1;
}

std::string textOf(const Json& value, std::string_view key) {
    if (value.is_string()) {
        return std::string(cut(value.get_ref<const std::string&>()));
    }
    const Json* octets = value.is_object() ? find(value, "octets") : nullptr;
    if (octets == nullptr || !octets->is_string()) {
        failField(texts::kBadForm, key);
    }
    const auto& hex = octets->get_ref<const std::string&>();
    std::string out;
    for (std::size_t at = 0; at + 1 < hex.size(); at += 2) {
        const int high = hexValue(hex[at]);
        const int low = hexValue(hex[at + 1]);
        if (high < 0 || low < 0) {
            fail(texts::kBadEscape);
        }
        out += static_cast<char>(high * 16 + low);
    }
    if (hex.size() % 2 != 0) {
        fail(texts::kBadEscape);
    }
    return std::string(cut(out));
}

std::string text(const Json& object, std::string_view key, std::string absent = {}) {
    const Json* value = find(object, key);
    return value == nullptr ? std::move(absent) : textOf(*value, key);
}

// A list, or an empty one where there is none.
const Json& list(const Json& object, std::string_view key) {
    static const Json kNone = Json::array();
    const Json* value = find(object, key);
    if (value == nullptr) {
        return kNone;
    }
    if (!value->is_array()) {
        failField(texts::kBadForm, key);
    }
    return *value;
}

// The index of `name` among `names`, or a damage.
template <std::size_t N>
std::size_t named(const Json& value, std::string_view key,
                  const std::array<std::string_view, N>& names) {
    if (!value.is_string()) {
        failField(texts::kBadForm, key);
    }
    const auto at = std::find(names.begin(), names.end(), value.get_ref<const std::string&>());
    if (at == names.end()) {
        failField(texts::kOutOfRange, key);
    }
    return static_cast<std::size_t>(at - names.begin());
}

// Batches in order, and deals and hits that never go back nor past the
// run's and the figure's own.
BatchHistory historyOf(const Json& points, const JournalEntry& entry, std::int64_t hits) {
    BatchHistory history;
    BatchHistory::Point last{0, 0, 0};
    for (const Json& point : points) {
        if (!point.is_array() || point.size() != 3) {
            failField(texts::kBadForm, "history");
        }
        const std::int64_t batch = integerOf(point[0], "batch", last.batch + 1, entry.batches);
        const std::int64_t deals = integerOf(point[1], "deals", last.deals, entry.deals);
        const std::int64_t hitsSoFar =
            integerOf(point[2], "hits", last.hits, std::min(deals, hits));
        history.add(batch, deals, hitsSoFar);
        last = {batch, deals, hitsSoFar};
    }
    return history;
}

Example exampleOf(const Json& value, const std::string& previousFigure) {
    objectIn(value, "examples");
    Example example;
    example.figure = text(value, "figure", previousFigure);
    const Json* deal = find(value, "deal");
    if (deal == nullptr) {
        failField(texts::kMissingField, "deal");
    }
    if (!deal->is_string()) {
        failField(texts::kBadForm, "deal");
    }
    const std::optional<ReadDeal> read = readPbnDeal(deal->get_ref<const std::string&>());
    if (!read) {
        fail(texts::kBadDeal);
    }
    const bool all = std::all_of(read->known.begin(), read->known.end(), [](bool k) { return k; });
    const bool southAlone = std::count(read->known.begin(), read->known.end(), true) == 1 &&
                            read->known[index(Seat::South)];
    if (!all && !southAlone) {
        fail(texts::kLoneHandNotSouth);
    }
    example.deal = read->deal;
    example.wholeDeal = all;
    if (find(value, "tricks") != nullptr) {
        const Json& tricks = list(value, "tricks");
        if (tricks.size() != kStrains.size() * kSeats.size()) {
            failField(texts::kBadForm, "tricks");
        }
        TrickTable table;
        for (std::size_t i = 0; i < tricks.size(); ++i) {
            table.tricks.at(i / 4).at(i % 4) =
                static_cast<std::uint8_t>(integerOf(tricks[i], "tricks", 0, kSuitCards));
        }
        example.tricks = table;
    }
    if (const Json* par = find(value, "par")) {
        objectIn(*par, "par");
        example.par = ParResult{static_cast<int>(number(*par, "score", -kMostScore, kMostScore)),
                                text(*par, "contracts")};
    }
    if (const Json* board = find(value, "board")) {
        // A lesson's board: its number, dealer and vulnerability.
        objectIn(*board, "board");
        const Json* dealer = find(*board, "dealer");
        const std::optional<Seat> seat =
            dealer != nullptr && dealer->is_string() &&
                    dealer->get_ref<const std::string&>().size() == 1
                ? seatOfLetter(dealer->get_ref<const std::string&>().front())
                : std::nullopt;
        if (!seat) {
            failField(texts::kOutOfRange, "dealer");
        }
        const Json* vulnerable = find(*board, "vulnerable");
        if (vulnerable == nullptr) {
            failField(texts::kMissingField, "vulnerable");
        }
        example.board = BoardLabel{
            static_cast<int>(number(*board, "number", 1, kMostBoard)), *seat,
            static_cast<Vulnerability>(named(*vulnerable, "vulnerable", kVulnerabilities))};
    }
    return example;
}

AnalysisDetail analysisOf(const Json* value, std::int64_t deals) {
    AnalysisDetail detail;
    if (value == nullptr) {
        return detail;
    }
    objectIn(*value, "analysis");
    const Json& strains = list(*value, "tricks");
    if (!strains.empty() && strains.size() != detail.tricks.size()) {
        failField(texts::kBadForm, "tricks");
    }
    for (std::size_t strain = 0; strain < strains.size(); ++strain) {
        const Json& declarers = strains[strain];
        if (!declarers.is_array() || declarers.size() != 4) {
            failField(texts::kBadForm, "tricks");
        }
        for (std::size_t declarer = 0; declarer < 4; ++declarer) {
            const Json& counts = declarers[declarer];
            if (!counts.is_array() || counts.size() != 14) {
                failField(texts::kBadForm, "tricks");
            }
            for (std::size_t n = 0; n < 14; ++n) {
                detail.tricks[strain][declarer][n] = integerOf(counts[n], "tricks", 0, deals);
            }
        }
    }
    for (const Json& pair : list(*value, "parScores")) {
        if (!pair.is_array() || pair.size() != 2) {
            failField(texts::kBadForm, "parScores");
        }
        detail.parScores.emplace_back(
            static_cast<int>(integerOf(pair[0], "parScores", -kMostScore, kMostScore)),
            integerOf(pair[1], "parScores", 0, deals));
    }
    return detail;
}

// A run, or nothing for a run of a kind this reader does not know.
std::optional<JournalEntry> entryOf(const Json& value) {
    objectIn(value, "entries");
    const Json* kind = find(value, "kind");
    if (kind == nullptr) {
        failField(texts::kMissingField, "kind");
    }
    if (!kind->is_string()) {
        failField(texts::kBadForm, "kind");
    }
    const auto* const known =
        std::find(kKinds.begin(), kKinds.end(), kind->get_ref<const std::string&>());
    if (known == kKinds.end()) {
        return std::nullopt;
    }
    JournalEntry entry;
    entry.kind = static_cast<RunKind>(known - kKinds.begin());
    entry.condition = text(value, "condition");
    entry.batches = number(value, "batches", 0, kMost);
    entry.deals = number(value, "deals", 0, kMost);
    entry.knownDeals = numberOr(value, "knownDeals", entry.deals, 0, entry.deals);
    if (const Json* question = find(value, "question")) {
        try {
            entry.question = conditionFromJson(OrderedJson(*question));
        } catch (const ConditionJsonError& error) {
            fail(error.what());
        }
    }
    if (entry.kind == RunKind::Analysis) {
        entry.analysis = analysisOf(find(value, "analysis"), entry.deals);
    }
    for (const Json& figureValue : list(value, "figures")) {
        objectIn(figureValue, "figures");
        Figure figure;
        figure.name = text(figureValue, "name");
        figure.exact = probability(figureValue, "exact");
        figure.note = text(figureValue, "note");
        figure.hits = number(figureValue, "hits", 0, entry.deals);
        figure.history = historyOf(list(figureValue, "history"), entry, figure.hits);
        if (entry.analysis) {
            entry.analysis->figureTricks.push_back(
                static_cast<int>(numberOr(figureValue, "chart", -1, -1, kChartCodes - 1)));
        }
        entry.figures.push_back(std::move(figure));
    }
    std::string previous;
    for (const Json& example : list(value, "examples")) {
        entry.examples.push_back(exampleOf(example, previous));
        previous = entry.examples.back().figure;
    }
    return entry;
}

// Follows nlohmann's parser event by event: the first line's fields as
// they come, each run converted and dropped as soon as it is whole, so
// that a large file never stands twice in memory.
class SessionReader {
public:
    explicit SessionReader(const ReadingProgress& progress) : progress_(progress) {}

    std::vector<JournalEntry> read(std::string_view text) {
        // The runs are dropped as they come: what is left is the first line.
        [[maybe_unused]] const Json rest = Json::parse(
            text.begin(), text.end(), [this](int depth, Json::parse_event_t event, Json& parsed) {
                return take(depth, event, parsed);
            });
        if (!listed_) {
            if (!known_) {
                fail(texts::kNotAJournal);
            }
            failField(texts::kMissingField, "entries");
        }
        if (*runs_ != runsSeen_) {
            fail(fill(texts::kWrongCount,
                      {"runs", std::to_string(*runs_), std::to_string(runsSeen_)}));
        }
        return std::move(entries_);
    }

    [[nodiscard]] bool closed() const { return closed_; }

private:
    bool take(int depth, Json::parse_event_t event, Json& parsed) {
        using Event = Json::parse_event_t;
        if (depth == 0) {
            if (event != Event::object_start && event != Event::object_end) {
                fail(texts::kNotAJournal);
            }
            closed_ = event == Event::object_end;
            return true;
        }
        if (depth == 1) {
            return takeField(event, parsed);
        }
        if (depth == 2 && inList_) {
            if (event == Event::object_end) {
                takeRun(parsed);
                return false;
            }
            if (event == Event::value || event == Event::array_end) {
                fail(fill(texts::kAtRun,
                          {std::to_string(runsSeen_ + 1), fill(texts::kBadForm, {"entries"})}));
            }
        }
        return true;
    }

    // The first line: what the file is, then the runs.
    bool takeField(Json::parse_event_t event, Json& parsed) {
        using Event = Json::parse_event_t;
        if (event == Event::key) {
            key_ = parsed.get<std::string>();
            if (key_ == "entries") {
                if (!known_) {
                    fail(texts::kNotAJournal);
                }
                if (!runs_) {
                    fail(texts::kNoRunCount);
                }
            }
            return true;
        }
        if (key_ == "entries") {
            if (event == Event::array_start) {
                inList_ = true;
                listed_ = true;
                return true;
            }
            if (event == Event::array_end) {
                inList_ = false;
                return false;
            }
            failField(texts::kBadForm, "entries");
        }
        if (event != Event::value) {
            // A value of a field this reader does not know: read, then dropped.
            return event == Event::object_start || event == Event::array_start;
        }
        if (key_ == "format") {
            if (!parsed.is_string() || parsed.get_ref<const std::string&>() != kSessionFormat) {
                fail(texts::kNotAJournal);
            }
            format_ = true;
        } else if (key_ == "version") {
            if (!format_) {
                fail(texts::kNotAJournal);
            }
            takeVersion(parsed);
        } else if (key_ == "runs") {
            runs_ = integerOf(parsed, "runs", 0, kMost);
        }
        return false;
    }

    void takeVersion(const Json& version) {
        if (version.is_number_unsigned() &&
            version.get<std::uint64_t>() > static_cast<std::uint64_t>(kSessionVersion)) {
            throw Newer{};
        }
        if (version.is_number_float() && version.get<double>() > kSessionVersion) {
            throw Newer{};
        }
        if (!version.is_number_integer() || version.get<std::int64_t>() < 1) {
            fail(texts::kNotAJournal);
        }
        if (version.get<std::int64_t>() > kSessionVersion) {
            throw Newer{};
        }
        known_ = true;
    }

    void takeRun(const Json& run) {
        ++runsSeen_;
        try {
            if (std::optional<JournalEntry> entry = entryOf(run)) {
                entries_.push_back(std::move(*entry));
            }
        } catch (Damage& damage) {
            fail(fill(texts::kAtRun, {std::to_string(runsSeen_), std::move(damage.reason)}));
        }
        if (progress_ && !progress_(runsSeen_, std::max(*runs_, runsSeen_))) {
            throw Cancelled{};
        }
    }

    const ReadingProgress& progress_;
    std::string key_;
    bool format_ = false;
    bool known_ = false;   // the format and a version this reader knows
    bool listed_ = false;  // the runs began
    bool inList_ = false;
    bool closed_ = false;
    std::optional<std::int64_t> runs_;
    std::int64_t runsSeen_ = 0;
    std::vector<JournalEntry> entries_;
};

// Where the text starts once a byte order mark and spaces are passed.
std::string_view startOf(std::string_view text) {
    if (text.starts_with(kBom)) {
        text.remove_prefix(kBom.size());
    }
    const auto first = text.find_first_not_of(" \t\r\n");
    return first == std::string_view::npos ? std::string_view{} : text.substr(first);
}

// The first line's fields, up to the runs.
class HeadReader : public nlohmann::json_sax<Json> {
public:
    bool null() override { return scalar(Json()); }
    bool boolean(bool value) override { return scalar(Json(value)); }
    bool number_integer(std::int64_t value) override { return scalar(Json(value)); }
    bool number_unsigned(std::uint64_t value) override { return scalar(Json(value)); }
    bool number_float(double value, const std::string& /*raw*/) override {
        return scalar(Json(value));
    }
    bool string(std::string& value) override { return scalar(Json(value)); }
    bool binary(binary_t& /*value*/) override { return false; }
    bool start_object(std::size_t /*elements*/) override { return ++depth_ <= 1; }
    bool end_object() override { return false; }
    bool start_array(std::size_t /*elements*/) override { return false; }
    bool end_array() override { return false; }
    bool key(std::string& value) override {
        key_ = value;
        return key_ != "entries";
    }
    bool parse_error(std::size_t /*position*/, const std::string& /*last*/,
                     const nlohmann::detail::exception& /*error*/) override {
        return false;
    }

    SessionHead head;

private:
    bool scalar(const Json& value) {
        if (depth_ != 1) {
            return false;
        }
        if (key_ == "format") {
            head.session =
                value.is_string() && value.get_ref<const std::string&>() == kSessionFormat;
        } else if (key_ == "version") {
            head.newer = value.is_number() && value.get<double>() > kSessionVersion;
        } else if (key_ == "saved" && value.is_string()) {
            head.saved = value.get<std::string>();
        } else if (key_ == "runs" && value.is_number_integer() && !value.is_number_unsigned()) {
            head.runs = value.get<std::int64_t>();
        } else if (key_ == "runs" && value.is_number_unsigned()) {
            head.runs = value.get<std::uint64_t>() <= static_cast<std::uint64_t>(kMost)
                            ? std::optional(static_cast<std::int64_t>(value.get<std::uint64_t>()))
                            : std::nullopt;
        }
        return true;
    }

    int depth_ = 0;
    std::string key_;
};

}  // namespace

std::string sessionFileText(const std::vector<JournalEntry>& entries, std::string_view saved,
                            std::int64_t mostBytes) {
    std::vector<std::string> lines;
    lines.reserve(entries.size());
    std::size_t linesBytes = 0;
    for (const JournalEntry& entry : entries) {
        lines.push_back(entryValue(entry, true).dump());
        linesBytes += lines.back().size();
    }
    const auto head = [&](std::size_t runs) {
        return R"({"format":)" + OrderedJson(kSessionFormat).dump() + R"(,"version":)" +
               std::to_string(kSessionVersion) + R"(,"saved":)" + textValue(saved).dump() +
               R"(,"runs":)" + std::to_string(runs) + R"(,"entries":[)" + "\n";
    };
    constexpr std::string_view kTail = "]}\n";
    // Runs from `first` on, each on its line, ",\n" between them.
    const auto size = [&](std::size_t first) {
        const std::size_t runs = lines.size() - first;
        return head(runs).size() + linesBytes + (runs > 0 ? 2 * runs - 1 : 0) + kTail.size();
    };
    const auto most = static_cast<std::size_t>(mostBytes);
    // Too large: first the oldest runs' examples go, then the oldest runs.
    for (std::size_t i = 0; i < lines.size() && size(0) > most; ++i) {
        linesBytes -= lines[i].size();
        lines[i] = entryValue(entries[i], false).dump();
        linesBytes += lines[i].size();
    }
    std::size_t first = 0;
    while (first < lines.size() && size(first) > most) {
        linesBytes -= lines[first].size();
        ++first;
    }
    std::string out = head(lines.size() - first);
    out.reserve(size(first));
    for (std::size_t i = first; i < lines.size(); ++i) {
        out += lines[i];
        out += i + 1 < lines.size() ? ",\n" : "\n";
    }
    out += kTail;
    return out;
}

SessionReading readSessionFile(std::string_view text, const ReadingProgress& progress) {
    const std::string_view start = startOf(text);
    if (start.starts_with(kJournalFileFormat)) {
        JournalFileReading old = readJournalFileV1(text);
        const bool newer = old.damage == texts::kNewerFormat;
        return {std::move(old.entries), std::move(old.damage), newer, false};
    }
    if (!start.starts_with('{')) {
        return {std::nullopt, texts::kNotAJournal, false, false};
    }
    SessionReader reader(progress);
    try {
        return {reader.read(text), {}, false, false};
    } catch (const Damage& damage) {
        return {std::nullopt, damage.reason, false, false};
    } catch (const Newer&) {
        return {std::nullopt, texts::kNewerFormat, true, false};
    } catch (const Cancelled&) {
        return {std::nullopt, {}, false, true};
    } catch (const Json::parse_error& error) {
        if (error.byte > text.size()) {
            return {std::nullopt, texts::kCutShort, false, false};
        }
        if (reader.closed()) {
            return {std::nullopt, texts::kAfterEnd, false, false};
        }
        return {std::nullopt, fill(texts::kBadJson, {std::to_string(error.byte)}), false, false};
    } catch (const Json::exception&) {
        return {std::nullopt, texts::kOddField, false, false};
    } catch (const std::bad_alloc&) {
        return {std::nullopt, texts::kTooLarge, false, false};
    }
}

SessionHead readSessionHead(std::string_view head, std::int64_t fileBytes) {
    SessionHead out;
    const std::string_view start = startOf(head);
    if (start.starts_with(kJournalFileFormat)) {
        // The first line alone: a newer version is all it can say.
        const std::string_view first = start.substr(0, start.find('\n'));
        out.newer = readJournalFileV1(first).damage == texts::kNewerFormat;
        out.runs = announcedRunsV1(head);
        out.session = out.newer || out.runs.has_value();
    } else if (start.starts_with('{')) {
        HeadReader reader;
        (void)Json::sax_parse(start, &reader, nlohmann::detail::input_format_t::json, false);
        out = reader.head;
    }
    // Each run takes two bytes at least: a count that the file cannot
    // hold is not shown.
    if (out.runs && (*out.runs < 0 || *out.runs > fileBytes / 2)) {
        out.runs.reset();
    }
    return out;
}

}  // namespace ondiscale
