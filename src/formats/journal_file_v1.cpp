#include "formats/journal_file_v1.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <initializer_list>
#include <limits>
#include <new>
#include <utility>

#include "engine/card_text.h"
#include "journal/journal_text.h"
#include "text/text_fill.h"

namespace ondiscale {
namespace {

namespace texts = journal_texts;

constexpr std::string_view kFrequencyKind = "frequency";
constexpr std::string_view kSurveyKind = "survey";
constexpr std::string_view kTableKind = "table";
constexpr std::string_view kAnalysisKind = "analysis";
constexpr std::string_view kLessonKind = "lesson";
constexpr std::int64_t kMost = std::numeric_limits<std::int64_t>::max();

int hexValue(char digit) {
    if (digit >= '0' && digit <= '9') {
        return digit - '0';
    }
    if (digit >= 'A' && digit <= 'F') {
        return digit - 'A' + 10;
    }
    if (digit >= 'a' && digit <= 'f') {
        return digit - 'a' + 10;
    }
    return -1;
}

std::optional<std::string> unescaped(std::string_view text) {
    std::string out;
    for (std::size_t at = 0; at < text.size(); ++at) {
        if (text[at] != '\\') {
            out += text[at];
            continue;
        }
        if (++at == text.size()) {
            return std::nullopt;
        }
        switch (text[at]) {
            case '\\':
                out += '\\';
                break;
            case 't':
                out += '\t';
                break;
            case 'n':
                out += '\n';
                break;
            case 'r':
                out += '\r';
                break;
            case '0':
                out += '\0';
                break;
            case 'x': {
                const int high = at + 1 < text.size() ? hexValue(text[at + 1]) : -1;
                const int low = at + 2 < text.size() ? hexValue(text[at + 2]) : -1;
                if (high < 0 || low < 0) {
                    return std::nullopt;
                }
                out += static_cast<char>(static_cast<unsigned char>(high * 16 + low));
                at += 2;
                break;
            }
            default:
                return std::nullopt;
        }
    }
    return out;
}

// Thrown inside the reader only, and caught there.
struct Damage {
    std::string reason;
};

// The damage found on a line of the file.
[[noreturn]] void failAt(std::size_t line, std::string_view reason) {
    throw Damage{fill(texts::kAtLine, {std::to_string(line), std::string(reason)})};
}

// One line: its keyword and its "key=value" fields, looked up by key.
class Record {
public:
    Record(std::size_t line, std::string_view text) : line_(line) {
        std::size_t tab = text.find('\t');
        keyword_ = text.substr(0, tab);
        while (tab != std::string_view::npos) {
            text.remove_prefix(tab + 1);
            tab = text.find('\t');
            const std::string_view field = text.substr(0, tab);
            const std::size_t equals = field.find('=');
            if (equals == std::string_view::npos || equals == 0) {
                malformed_ = true;
            } else {
                fields_.emplace_back(field.substr(0, equals), field.substr(equals + 1));
            }
        }
    }

    [[nodiscard]] std::string_view keyword() const { return keyword_; }

    // Lower-case letters, digits and hyphens: what any version may use.
    [[nodiscard]] bool wellFormed() const {
        return !keyword_.empty() &&
               keyword_.find_first_not_of("abcdefghijklmnopqrstuvwxyz0123456789-") ==
                   std::string_view::npos;
    }

    [[nodiscard]] std::optional<std::string_view> value(std::string_view key) const {
        if (malformed_) {
            fail(texts::kNotAField);
        }
        for (const auto& [name, value] : fields_) {
            if (name == key) {
                return value;
            }
        }
        return std::nullopt;
    }

    [[nodiscard]] std::string_view required(std::string_view key) const {
        const std::optional<std::string_view> found = value(key);
        if (!found) {
            fail(fill(texts::kMissingField, {std::string(key)}));
        }
        return *found;
    }

    [[nodiscard]] std::int64_t number(std::string_view key, std::int64_t low,
                                      std::int64_t high) const {
        const std::string_view digits = required(key);
        std::int64_t n = 0;
        const char* end = digits.data() + digits.size();
        const auto [stop, error] = std::from_chars(digits.data(), end, n);
        if (error == std::errc::result_out_of_range) {
            fail(fill(texts::kOutOfRange, {std::string(key)}));
        }
        if (error != std::errc() || stop != end) {
            fail(fill(texts::kBadNumber, {std::string(key)}));
        }
        if (n < low || n > high) {
            fail(fill(texts::kOutOfRange, {std::string(key)}));
        }
        return n;
    }

    // Exactly `count` numbers between `low` and `high`, separated by commas.
    [[nodiscard]] std::vector<std::int64_t> numbers(std::string_view key, std::size_t count,
                                                    std::int64_t low, std::int64_t high) const {
        std::string_view list = required(key);
        std::vector<std::int64_t> out;
        while (out.size() < count) {
            const std::string_view digits = list.substr(0, list.find(','));
            std::int64_t n = 0;
            const char* end = digits.data() + digits.size();
            const auto [stop, error] = std::from_chars(digits.data(), end, n);
            if (error != std::errc() || stop != end || digits.empty()) {
                fail(fill(texts::kBadNumber, {std::string(key)}));
            }
            if (n < low || n > high) {
                fail(fill(texts::kOutOfRange, {std::string(key)}));
            }
            out.push_back(n);
            list.remove_prefix(std::min(list.size(), digits.size() + 1));
            if (list.empty() != (out.size() == count)) {
                fail(fill(texts::kWrongCount,
                          {std::string(key), std::to_string(count), std::to_string(out.size())}));
            }
        }
        return out;
    }

    [[nodiscard]] std::optional<double> probability(std::string_view key) const {
        const std::optional<std::string_view> digits = value(key);
        if (!digits) {
            return std::nullopt;
        }
        double p = 0;
        const char* end = digits->data() + digits->size();
        const auto [stop, error] = std::from_chars(digits->data(), end, p);
        if (error != std::errc() || stop != end) {
            fail(fill(texts::kBadNumber, {std::string(key)}));
        }
        if (!std::isfinite(p) || p < 0 || p > 1) {
            fail(fill(texts::kOutOfRange, {std::string(key)}));
        }
        return p;
    }

    [[nodiscard]] std::string text(std::string_view key) const {
        std::optional<std::string> text = unescaped(value(key).value_or(std::string_view()));
        if (!text) {
            fail(texts::kBadEscape);
        }
        return std::move(*text);
    }

    [[nodiscard]] std::size_t line() const { return line_; }
    [[noreturn]] void fail(std::string_view reason) const { failAt(line_, reason); }

private:
    std::size_t line_;
    std::string_view keyword_;
    std::vector<std::pair<std::string_view, std::string_view>> fields_;
    bool malformed_ = false;
};

// The format's name and a version this reader knows; a damage otherwise.
void checkHeader(std::string_view line) {
    constexpr std::string_view kBom = "\xEF\xBB\xBF";
    if (line.starts_with(kBom)) {
        line.remove_prefix(kBom.size());
    }
    if (!line.starts_with(kJournalFileFormat) || line.size() <= kJournalFileFormat.size() ||
        line[kJournalFileFormat.size()] != ' ') {
        throw Damage{texts::kNotAJournal};
    }
    const std::string_view version = line.substr(kJournalFileFormat.size() + 1);
    std::int64_t n = 0;
    const char* end = version.data() + version.size();
    const auto [stop, error] = std::from_chars(version.data(), end, n);
    if (error == std::errc::result_out_of_range && stop == end) {
        throw Damage{texts::kNewerFormat};
    }
    if (error != std::errc() || stop != end || n < 1) {
        throw Damage{texts::kNotAJournal};
    }
    if (n > kJournalFileVersion) {
        throw Damage{texts::kNewerFormat};
    }
}

// Splits the text into lines, a CR before the LF dropped.
class Lines {
public:
    explicit Lines(std::string_view text) : rest_(text) {}

    std::optional<std::string_view> next() {
        if (rest_.empty()) {
            return std::nullopt;
        }
        const std::size_t end = rest_.find('\n');
        std::string_view line = rest_.substr(0, end);
        rest_.remove_prefix(end == std::string_view::npos ? rest_.size() : end + 1);
        if (line.ends_with('\r')) {
            line.remove_suffix(1);
        }
        ++number_;
        return line;
    }

    [[nodiscard]] std::size_t number() const { return number_; }

private:
    std::string_view rest_;
    std::size_t number_ = 0;
};

class JournalReader {
public:
    std::vector<JournalEntry> read(std::string_view text) {
        Lines lines(text);
        const std::optional<std::string_view> first = lines.next();
        if (!first) {
            throw Damage{texts::kNotAJournal};
        }
        checkHeader(*first);
        while (const std::optional<std::string_view> line = lines.next()) {
            if (line->empty()) {
                continue;
            }
            const Record record(lines.number(), *line);
            if (ended_) {
                throw Damage{texts::kAfterEnd};
            }
            take(record);
        }
        if (!ended_) {
            throw Damage{texts::kCutShort};
        }
        return std::move(entries_);
    }

private:
    // What the records promised, checked once the run is whole.
    struct FigureCheck {
        std::size_t line = 0;
        std::int64_t points = 0;
        std::int64_t pointsSeen = 0;
        BatchHistory::Point last{0, 0, 0};
    };
    struct ExampleCheck {
        std::size_t line = 0;
        std::int64_t hands = 0;
        std::int64_t handsSeen = 0;
        std::uint64_t cards = 0;  // one bit per card
        unsigned seats = 0;       // one bit per seat
    };
    struct OpenRun {
        explicit OpenRun(Record start) : record(std::move(start)) {}
        Record record;
        bool skipped = false;  // of a kind this reader does not know
        JournalEntry entry;
        std::int64_t figures = 0;
        std::int64_t examples = 0;
        std::vector<FigureCheck> figureChecks;
        std::vector<ExampleCheck> exampleChecks;
    };

    void take(const Record& record) {
        const std::string_view keyword = record.keyword();
        if (!record.wellFormed()) {
            record.fail(texts::kNotARecord);
        }
        if (keyword == "journal") {
            if (announcedRuns_ || run_) {
                record.fail(fill(texts::kOutOfPlace, {std::string(keyword)}));
            }
            announcedRuns_ = record.number("runs", 0, kMost);
        } else if (keyword == "run") {
            startRun(record);
        } else if (keyword == "end") {
            closeRun();
            if (!announcedRuns_) {
                record.fail(texts::kNoRunCount);
            }
            if (*announcedRuns_ != runsSeen_) {
                record.fail(fill(texts::kWrongCount, {"runs", std::to_string(*announcedRuns_),
                                                      std::to_string(runsSeen_)}));
            }
            ended_ = true;
        } else if (keyword == "figure" || keyword == "point" || keyword == "example" ||
                   keyword == "hand" || keyword == "tricks" || keyword == "par") {
            if (!run_) {
                record.fail(fill(texts::kOutOfPlace, {std::string(keyword)}));
            }
            if (run_->skipped) {
                return;
            }
            if (keyword == "figure") {
                addFigure(record);
            } else if (keyword == "point") {
                addPoint(record);
            } else if (keyword == "example") {
                addExample(record);
            } else if (keyword == "hand") {
                addHand(record);
            } else {
                addAnalysisDetail(record);
            }
        }
    }

    void startRun(const Record& record) {
        closeRun();
        if (!announcedRuns_) {
            record.fail(texts::kNoRunCount);
        }
        ++runsSeen_;
        OpenRun run(record);
        const std::string_view kind = record.required("kind");
        if (kind == kFrequencyKind) {
            run.entry.kind = RunKind::Frequency;
        } else if (kind == kSurveyKind) {
            run.entry.kind = RunKind::Survey;
        } else if (kind == kTableKind) {
            run.entry.kind = RunKind::Table;
        } else if (kind == kAnalysisKind) {
            run.entry.kind = RunKind::Analysis;
            run.entry.analysis.emplace();
        } else if (kind == kLessonKind) {
            run.entry.kind = RunKind::Lesson;
        } else {
            run.skipped = true;
            run_ = std::move(run);
            return;
        }
        run.entry.batches = record.number("batches", 0, kMost);
        run.entry.deals = record.number("deals", 0, kMost);
        run.figures = record.number("figures", 0, kMost);
        run.examples = record.number("examples", 0, kMost);
        run.entry.condition = record.text("condition");
        run_ = std::move(run);
    }

    void addFigure(const Record& record) {
        Figure figure;
        figure.hits = record.number("hits", 0, run_->entry.deals);
        figure.exact = record.probability("exact");
        figure.name = record.text("name");
        figure.note = record.text("note");
        FigureCheck check{record.line()};
        check.points = record.number("points", 0, kMost);
        if (run_->entry.analysis) {
            run_->entry.analysis->figureTricks.push_back(
                record.value("chart") ? static_cast<int>(record.number("chart", -1, 19)) : -1);
        }
        run_->entry.figures.push_back(std::move(figure));
        run_->figureChecks.push_back(check);
    }

    // Batches in order, and deals and hits that never go back nor past
    // the run's and the figure's own.
    void addPoint(const Record& record) {
        if (run_->entry.figures.empty()) {
            record.fail(fill(texts::kOutOfPlace, {std::string(record.keyword())}));
        }
        Figure& figure = run_->entry.figures.back();
        FigureCheck& check = run_->figureChecks.back();
        const std::int64_t batch = record.number("batch", check.last.batch, run_->entry.batches);
        if (batch == check.last.batch) {
            record.fail(fill(texts::kOutOfRange, {"batch"}));
        }
        const std::int64_t deals = record.number("deals", check.last.deals, run_->entry.deals);
        const std::int64_t hits =
            record.number("hits", check.last.hits, std::min(deals, figure.hits));
        // The history keeps what it kept when the run was live: a saved
        // history is at most kMaxPoints long, so each point is kept.
        figure.history.add(batch, deals, hits);
        check.last = {batch, deals, hits};
        ++check.pointsSeen;
    }

    void addExample(const Record& record) {
        Example example;
        example.figure = record.text("figure");
        ExampleCheck check{record.line()};
        check.hands = record.number("hands", 1, 4);
        if (check.hands != 1 && check.hands != 4) {
            record.fail(fill(texts::kOutOfRange, {"hands"}));
        }
        example.wholeDeal = check.hands == 4;
        if (record.value("tricks")) {
            TrickTable table;
            const std::vector<std::int64_t> tricks = record.numbers("tricks", 20, 0, 13);
            for (std::size_t i = 0; i < tricks.size(); ++i) {
                table.tricks.at(i / 4).at(i % 4) = static_cast<std::uint8_t>(tricks[i]);
            }
            example.tricks = table;
        }
        if (record.value("parscore")) {
            example.par = ParResult{static_cast<int>(record.number("parscore", -7600, 7600)),
                                    record.text("par")};
        }
        if (record.value("board")) {
            // A lesson's board: its number, dealer and vulnerability.
            const std::string_view dealer = record.required("dealer");
            const std::optional<Seat> seat =
                dealer.size() == 1 ? seatOfLetter(dealer.front()) : std::nullopt;
            if (!seat) {
                record.fail(fill(texts::kOutOfRange, {"dealer"}));
            }
            example.board =
                BoardLabel{static_cast<int>(record.number("board", 1, 1'000'000)), *seat,
                           static_cast<Vulnerability>(record.number("vulnerable", 0, 3))};
        }
        run_->entry.examples.push_back(std::move(example));
        run_->exampleChecks.push_back(check);
    }

    // An analysis's tricks of one strain and declarer, or the deals of
    // one par score.
    void addAnalysisDetail(const Record& record) {
        if (!run_->entry.analysis) {
            record.fail(fill(texts::kOutOfPlace, {std::string(record.keyword())}));
        }
        AnalysisDetail& detail = *run_->entry.analysis;
        const std::int64_t deals = run_->entry.deals;
        if (record.keyword() == "par") {
            detail.parScores.emplace_back(record.number("score", -7600, 7600),
                                          record.number("deals", 0, deals));
            return;
        }
        const auto strain = static_cast<std::size_t>(record.number("strain", 0, 4));
        const auto declarer = static_cast<std::size_t>(record.number("declarer", 0, 3));
        const std::vector<std::int64_t> counts = record.numbers("deals", 14, 0, deals);
        std::copy(counts.begin(), counts.end(), detail.tricks[strain][declarer].begin());
    }

    void addHand(const Record& record) {
        if (run_->entry.examples.empty()) {
            record.fail(fill(texts::kOutOfPlace, {std::string(record.keyword())}));
        }
        Example& example = run_->entry.examples.back();
        ExampleCheck& check = run_->exampleChecks.back();
        const std::string_view seatText = record.required("seat");
        const std::optional<Seat> seated =
            seatText.size() == 1 ? seatOfLetter(seatText.front()) : std::nullopt;
        if (!seated) {
            record.fail(fill(texts::kOutOfRange, {"seat"}));
        }
        const std::size_t seat = index(*seated);
        if ((check.seats & (1U << seat)) != 0) {
            record.fail(texts::kSeatTwice);
        }
        if (!example.wholeDeal && seat != index(Seat::South)) {
            record.fail(texts::kLoneHandNotSouth);
        }
        check.seats |= 1U << seat;
        Hand& hand = example.deal.at(seat);
        std::string_view cards = record.required("cards");
        std::size_t count = 0;
        while (true) {
            const std::string_view token = cards.substr(0, cards.find(' '));
            const std::optional<Card> read = cardOfCode(token);
            if (!read) {
                record.fail(texts::kBadCard);
            }
            if (count == hand.size()) {
                record.fail(texts::kNotThirteen);
            }
            const Card card = *read;
            const std::uint64_t bit = std::uint64_t{1} << card;
            if ((check.cards & bit) != 0) {
                record.fail(texts::kCardTwice);
            }
            check.cards |= bit;
            hand.at(count++) = card;
            if (token.size() == cards.size()) {
                break;
            }
            cards.remove_prefix(token.size() + 1);
        }
        if (count != hand.size()) {
            record.fail(texts::kNotThirteen);
        }
        sortHand(hand);  // as the journal keeps them
        ++check.handsSeen;
    }

    void closeRun() {
        if (!run_) {
            return;
        }
        OpenRun run = std::move(*run_);
        run_.reset();
        if (run.skipped) {
            return;
        }
        const auto checkCount = [](std::size_t line, std::string_view key, std::int64_t announced,
                                   std::int64_t seen) {
            if (announced != seen) {
                failAt(line, fill(texts::kWrongCount, {std::string(key), std::to_string(announced),
                                                       std::to_string(seen)}));
            }
        };
        const std::size_t line = run.record.line();
        checkCount(line, "figures", run.figures,
                   static_cast<std::int64_t>(run.entry.figures.size()));
        checkCount(line, "examples", run.examples,
                   static_cast<std::int64_t>(run.entry.examples.size()));
        for (const FigureCheck& check : run.figureChecks) {
            checkCount(check.line, "points", check.points, check.pointsSeen);
        }
        for (const ExampleCheck& check : run.exampleChecks) {
            checkCount(check.line, "hands", check.hands, check.handsSeen);
        }
        entries_.push_back(std::move(run.entry));
    }

    std::optional<std::int64_t> announcedRuns_;
    std::int64_t runsSeen_ = 0;
    std::optional<OpenRun> run_;
    bool ended_ = false;
    std::vector<JournalEntry> entries_;
};

}  // namespace

JournalFileReading readJournalFileV1(std::string_view text) {
    try {
        return {JournalReader().read(text), {}};
    } catch (const Damage& damage) {
        return {std::nullopt, damage.reason};
    } catch (const std::bad_alloc&) {
        return {std::nullopt, texts::kTooLarge};
    }
}

std::optional<std::int64_t> announcedRunsV1(std::string_view head) {
    try {
        Lines lines(head);
        const std::optional<std::string_view> first = lines.next();
        const std::optional<std::string_view> second = lines.next();
        if (!first || !second) {
            return std::nullopt;
        }
        checkHeader(*first);
        const Record record(lines.number(), *second);
        if (record.keyword() != "journal") {
            return std::nullopt;
        }
        return record.number("runs", 0, kMost);
    } catch (const Damage&) {
        return std::nullopt;
    }
}

}  // namespace ondiscale
