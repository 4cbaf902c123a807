// Reading a dealer script: tokens, then values built as the expressions are
// read (numbers as sums of measures, conditions as trees), then each part
// turned into alternatives of clauses.
#include <algorithm>
#include <array>
#include <bit>
#include <cstdlib>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <variant>
#include <vector>

#include "formats/card_letters.h"
#include "formats/dealer_script.h"
#include "formats/dealer_words.h"
#include "formats/shape_sets.h"

namespace ondiscale {
namespace {

// Words of dealer's language that ask for something a condition cannot
// hold: refused by name wherever they stand.
const std::set<std::string_view, std::less<>> kUnsupportedWords{
    "pointcount",   "altcount", "control", "controls", "loser",     "losers",    "top2",
    "top3",         "top4",     "top5",    "tens",     "ten",       "jacks",     "jack",
    "queens",       "queen",    "kings",   "king",     "aces",      "ace",       "c13",
    "pt0",          "pt1",      "pt2",     "pt3",      "pt4",       "pt5",       "pt6",
    "pt7",          "pt8",      "pt9",     "quality",  "cccc",      "tricks",    "trick",
    "score",        "imps",     "imp",     "rnd",      "frequency", "printes",   "opener",
    "evalcontract", "seed",     "title",   "bktfreq",  "csvrpt",    "printside", "export"};

// Statements that change nothing asked.
const std::set<std::string_view, std::less<>> kPrintActions{"printall", "printew", "printpbn",
                                                            "printcompact", "printoneline"};

constexpr std::array<std::string_view, 9> kCommands{"generate", "produce",   "vulnerable",
                                                    "dealer",   "predeal",   "pointcount",
                                                    "altcount", "condition", "action"};

constexpr long long kLargestNumber = 1'000'000'000;

// A failure that ends the reading: its message, line included.
struct ScriptError {
    std::string message;
};

std::string lineText(int line) { return "ligne " + std::to_string(line) + " : "; }

// --- Tokens -------------------------------------------------------------

struct Token {
    enum class Kind : std::uint8_t { Word, Number, String, Symbol, End };
    Kind kind = Kind::End;
    std::string_view text;
    std::size_t begin = 0;
    std::size_t end = 0;
    int line = 1;
};

bool isWordChar(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
}

std::vector<Token> tokens(std::string_view text) {
    std::vector<Token> out;
    int line = 1;
    std::size_t at = 0;
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
                    throw ScriptError{lineText(line) + "un texte entre guillemets n'est pas fermé"};
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

// --- Values -------------------------------------------------------------

// A measure of one hand: index(Seat) * 5 + quantity (kQuantityWords).
constexpr std::size_t kMeasures = 20;

// A number: a sum of measures with whole factors, plus a constant.
struct Linear {
    std::array<long long, kMeasures> factors{};
    long long constant = 0;
    [[nodiscard]] bool isConstant() const {
        return std::all_of(factors.begin(), factors.end(), [](long long f) { return f == 0; });
    }
};

// One clause a condition can hold.
struct Atom {
    enum class Kind : std::uint8_t { HandRange, SideRange, Shape, Card };
    Kind kind = Kind::HandRange;
    std::size_t who = 0;  // index(Seat), or index(Side) for a side's range
    std::size_t quantity = 0;
    Range range;
    std::shared_ptr<const LengthSet> shapes;
    Card card = 0;
};

struct Formula {
    enum class Op : std::uint8_t { Atom, And, Or, Not, True, False };
    Op op = Op::True;
    Atom atom;
    std::vector<Formula> children;
};

Formula truth(bool value) { return {value ? Formula::Op::True : Formula::Op::False, {}, {}}; }
Formula atomFormula(Atom atom) { return {Formula::Op::Atom, std::move(atom), {}}; }

struct Failure {
    std::string message;
};

// What an expression is worth, with where it was written.
struct Value {
    std::variant<Failure, Linear, Formula> content;
    std::size_t begin = 0;
    std::size_t end = 0;
    int line = 1;
};

std::uint8_t topOf(Atom::Kind kind, std::size_t quantity) {
    if (quantity != kPointsQuantity) {
        return kSuitCards;
    }
    return kind == Atom::Kind::SideRange ? kSidePoints : kHandPoints;
}

long long floorDiv(long long a, long long b) {
    const long long q = a / b;
    return (a % b != 0 && ((a < 0) != (b < 0))) ? q - 1 : q;
}
long long ceilDiv(long long a, long long b) { return -floorDiv(-a, b); }

// --- Alternatives ---------------------------------------------------------

// A conjunction of clauses, as one alternative will hold it.
struct Partial {
    TableBounds bounds;
    std::array<std::shared_ptr<const LengthSet>, 4> shapes{};  // none: any shape
    std::array<CardSet, 4> cards{};
};

Range& rangeOf(TableBounds& bounds, const Atom& atom) {
    HandBounds& hand =
        atom.kind == Atom::Kind::SideRange ? bounds.sides[atom.who] : bounds.hands[atom.who];
    return atom.quantity == kPointsQuantity ? hand.points : hand.suits[atom.quantity];
}

bool within(Range inner, Range outer) { return outer.min <= inner.min && inner.max <= outer.max; }

bool boundsWithin(const HandBounds& inner, const HandBounds& outer) {
    for (std::size_t s = 0; s < 4; ++s) {
        if (!within(inner.suits[s], outer.suits[s])) {
            return false;
        }
    }
    return within(inner.points, outer.points);
}

// Whether every deal meeting `a` meets `b`, clause by clause.
bool implies(const Partial& a, const Partial& b) {
    for (std::size_t i = 0; i < 4; ++i) {
        if (!boundsWithin(a.bounds.hands[i], b.bounds.hands[i]) ||
            (b.cards[i] & ~a.cards[i]) != 0) {
            return false;
        }
        if (b.shapes[i] && (!a.shapes[i] || (*a.shapes[i] & ~*b.shapes[i]).any())) {
            return false;
        }
    }
    return boundsWithin(a.bounds.sides[0], b.bounds.sides[0]) &&
           boundsWithin(a.bounds.sides[1], b.bounds.sides[1]);
}

// Both conjunctions at once; nothing when no deal can meet them.
std::optional<Partial> meet(const Partial& a, const Partial& b) {
    Partial out = a;
    const auto meetBounds = [](HandBounds& into, const HandBounds& other) {
        for (std::size_t s = 0; s < 4; ++s) {
            into.suits[s].min = std::max(into.suits[s].min, other.suits[s].min);
            into.suits[s].max = std::min(into.suits[s].max, other.suits[s].max);
            if (into.suits[s].min > into.suits[s].max) {
                return false;
            }
        }
        into.points.min = std::max(into.points.min, other.points.min);
        into.points.max = std::min(into.points.max, other.points.max);
        return into.points.min <= into.points.max;
    };
    CardSet all = 0;
    for (std::size_t i = 0; i < 4; ++i) {
        if (!meetBounds(out.bounds.hands[i], b.bounds.hands[i])) {
            return std::nullopt;
        }
        if (b.shapes[i]) {
            if (out.shapes[i]) {
                auto both = std::make_shared<LengthSet>(*out.shapes[i] & *b.shapes[i]);
                if (both->none()) {
                    return std::nullopt;
                }
                out.shapes[i] = std::move(both);
            } else {
                out.shapes[i] = b.shapes[i];
            }
        }
        out.cards[i] |= b.cards[i];
        if ((all & out.cards[i]) != 0 || std::popcount(out.cards[i]) > kSuitCards) {
            return std::nullopt;
        }
        all |= out.cards[i];
    }
    for (std::size_t i = 0; i < 2; ++i) {
        if (!meetBounds(out.bounds.sides[i], b.bounds.sides[i])) {
            return std::nullopt;
        }
    }
    return out;
}

// Leaves out every conjunction that another one already lets through.
void prune(std::vector<Partial>& partials) {
    std::vector<Partial> kept;
    for (std::size_t i = 0; i < partials.size(); ++i) {
        bool redundant = false;
        for (std::size_t j = 0; j < partials.size() && !redundant; ++j) {
            // Of two equal conjunctions the first stays.
            redundant = j != i && implies(partials[i], partials[j]) &&
                        (j < i || !implies(partials[j], partials[i]));
        }
        if (!redundant) {
            kept.push_back(partials[i]);
        }
    }
    partials = std::move(kept);
}

// The conjunctions a clause, or its negation, allows.
std::vector<Partial> atomPartials(const Atom& atom, bool negated) {
    std::vector<Partial> out;
    switch (atom.kind) {
        case Atom::Kind::HandRange:
        case Atom::Kind::SideRange: {
            std::vector<Range> ranges{atom.range};
            if (negated) {
                ranges.clear();
                if (atom.range.min > 0) {
                    ranges.push_back({0, static_cast<std::uint8_t>(atom.range.min - 1)});
                }
                const std::uint8_t top = topOf(atom.kind, atom.quantity);
                if (atom.range.max < top) {
                    ranges.push_back({static_cast<std::uint8_t>(atom.range.max + 1), top});
                }
            }
            for (const Range r : ranges) {
                Partial p;
                rangeOf(p.bounds, atom) = r;
                out.push_back(p);
            }
            break;
        }
        case Atom::Kind::Shape: {
            const LengthSet set = negated ? everyShape() & ~*atom.shapes : *atom.shapes;
            if (set.any()) {
                Partial p;
                if (set != everyShape()) {
                    p.shapes[atom.who] = std::make_shared<LengthSet>(set);
                }
                out.push_back(p);
            }
            break;
        }
        case Atom::Kind::Card:
            // The card is in some hand: not in this one, in one of the others.
            for (std::size_t seat = 0; seat < 4; ++seat) {
                if ((seat == atom.who) != negated) {
                    Partial p;
                    p.cards[seat] = cardBit(atom.card);
                    out.push_back(p);
                }
            }
            break;
    }
    return out;
}

constexpr std::size_t kMostPartials = 64;

struct TooMany {};

// The formula, or its negation, as alternatives of conjunctions.
std::vector<Partial> alternativesOf(const Formula& f, bool negated) {
    std::vector<Partial> out;
    switch (f.op) {
        case Formula::Op::True:
        case Formula::Op::False:
            if ((f.op == Formula::Op::True) != negated) {
                out.emplace_back();
            }
            return out;
        case Formula::Op::Atom:
            return atomPartials(f.atom, negated);
        case Formula::Op::Not:
            return alternativesOf(f.children.front(), !negated);
        case Formula::Op::And:
        case Formula::Op::Or:
            break;
    }
    if ((f.op == Formula::Op::Or) != negated) {
        for (const Formula& child : f.children) {
            for (Partial& p : alternativesOf(child, negated)) {
                out.push_back(std::move(p));
            }
        }
    } else {
        out.emplace_back();
        for (const Formula& child : f.children) {
            const std::vector<Partial> next = alternativesOf(child, negated);
            std::vector<Partial> product;
            for (const Partial& a : out) {
                for (const Partial& b : next) {
                    if (auto both = meet(a, b)) {
                        product.push_back(std::move(*both));
                    }
                }
                if (product.size() > kMostPartials * kMostPartials) {
                    throw TooMany{};
                }
            }
            out = std::move(product);
            prune(out);
        }
    }
    prune(out);
    if (out.size() > kMostPartials) {
        throw TooMany{};
    }
    return out;
}

Alternative alternativeOf(const Partial& p) {
    Alternative out;
    out.bounds = p.bounds;
    out.cards = p.cards;
    for (std::size_t seat = 0; seat < 4; ++seat) {
        if (p.shapes[seat]) {
            out.shapes[seat] = shapeSetOf(*p.shapes[seat]);
        }
    }
    return out;
}

// --- Reading -------------------------------------------------------------

class Reader {
public:
    explicit Reader(std::string_view text) : text_(text), tokens_(tokens(text)) {}

    Condition read();

private:
    std::string_view text_;
    std::vector<Token> tokens_;
    std::size_t at_ = 0;
    std::map<std::string, Value, std::less<>> names_;
    std::optional<Value> known_;
    int knownLine_ = 1;
    std::optional<Value> asked_;
    int askedLine_ = 1;
    Partial predealt_;
    CardSet predealtAll_ = 0;

    [[nodiscard]] const Token& peek(std::size_t ahead = 0) const {
        return tokens_[std::min(at_ + ahead, tokens_.size() - 1)];
    }
    const Token& next() {
        const Token& t = peek();
        at_ = std::min(at_ + 1, tokens_.size() - 1);
        return t;
    }
    [[nodiscard]] bool isSymbol(std::string_view s, std::size_t ahead = 0) const {
        return peek(ahead).kind == Token::Kind::Symbol && peek(ahead).text == s;
    }
    [[nodiscard]] bool isWord(std::string_view w) const {
        return peek().kind == Token::Kind::Word && peek().text == w;
    }

    // The piece of script from `begin` to `end`, on one line.
    [[nodiscard]] std::string piece(std::size_t begin, std::size_t end) const {
        std::string out;
        for (const char c : text_.substr(begin, end - begin)) {
            const bool space = c == ' ' || c == '\n' || c == '\t' || c == '\r';
            if (!space) {
                out += c;
            } else if (!out.empty() && out.back() != ' ') {
                out += ' ';
            }
        }
        return out;
    }

    [[noreturn]] static void fail(const Token& t, const std::string& what) {
        throw ScriptError{lineText(t.line) + what};
    }
    [[noreturn]] static void unexpected(const Token& t) {
        if (t.kind == Token::Kind::End) {
            fail(t, "le script s'arrête au milieu d'une instruction");
        }
        if (kUnsupportedWords.contains(t.text)) {
            fail(t, "« " + std::string(t.text) + " » n'est pas pris en charge");
        }
        fail(t, "« " + std::string(t.text) + " » est inattendu");
    }
    const Token& expectSymbol(std::string_view s) {
        if (!isSymbol(s)) {
            unexpected(peek());
        }
        return next();
    }
    Seat expectSeat() {
        const Token& t = peek();
        const auto* const found = std::find(kSeatWords.begin(), kSeatWords.end(), t.text);
        if (t.kind != Token::Kind::Word || found == kSeatWords.end()) {
            unexpected(t);
        }
        next();
        return static_cast<Seat>(found - kSeatWords.begin());
    }

    static Value failure(const Token& from, std::size_t end, const std::string& what) {
        return {Failure{lineText(from.line) + what}, from.begin, end, from.line};
    }
    [[nodiscard]] Value unsupported(const Token& from, std::size_t end) const {
        return failure(from, end, "« " + piece(from.begin, end) + " » n'est pas pris en charge");
    }

    void statement();
    void predeal();
    void actions();
    [[nodiscard]] Formula conditionOf(const Value& v) const;
    std::vector<Partial> partOf(const std::optional<Value>& v, int line, std::string_view what);

    Value expression();
    Value orExpression();
    Value andExpression();
    Value comparison();
    Value sum();
    Value product();
    Value unary();
    Value primary();
    Value call(const Token& name);
    Value shape(const Token& name, Seat seat);
    Value skipCall(const Token& name);

    // The two operands as numbers, or the first failure among them.
    std::optional<Value> numbers(const Value& a, const Value& b, Linear& x, Linear& y) const;
    [[nodiscard]] Value compare(const Value& a, const Value& b, std::string_view op) const;
    [[nodiscard]] Value join(Formula::Op op, const Value& a, const Value& b) const;
};

Condition Reader::read() {
    while (peek().kind != Token::Kind::End) {
        statement();
    }
    Condition out;
    // The cards predealt belong to every alternative of the known part.
    std::vector<Partial> known;
    for (const Partial& p : partOf(known_, knownLine_, "condition")) {
        if (auto both = meet(p, predealt_)) {
            known.push_back(std::move(*both));
        }
    }
    prune(known);
    if (known.empty()) {
        throw ScriptError{lineText(knownLine_) + "aucune donne ne remplit « condition »"};
    }
    out.known.alternatives.clear();
    for (const Partial& p : known) {
        out.known.alternatives.push_back(alternativeOf(p));
    }
    out.asked.alternatives.clear();
    for (const Partial& p : partOf(asked_, askedLine_, "average")) {
        out.asked.alternatives.push_back(alternativeOf(p));
    }
    return out;
}

std::vector<Partial> Reader::partOf(const std::optional<Value>& v, int line,
                                    std::string_view what) {
    const std::string name = "« " + std::string(what) + " »";
    if (!v) {
        return {Partial{}};
    }
    std::vector<Partial> out;
    try {
        out = alternativesOf(conditionOf(*v), false);
    } catch (const TooMany&) {
        out.resize(kMostPartials + 1);
    }
    if (out.size() > kMostAlternatives) {
        throw ScriptError{lineText(line) + name + " demande plus de quatre alternatives"};
    }
    if (out.empty()) {
        throw ScriptError{lineText(line) + "aucune donne ne remplit " + name};
    }
    return out;
}

Formula Reader::conditionOf(const Value& v) const {
    if (const auto* f = std::get_if<Failure>(&v.content)) {
        throw ScriptError{f->message};
    }
    if (const auto* n = std::get_if<Linear>(&v.content)) {
        if (!n->isConstant()) {
            throw ScriptError{lineText(v.line) + "« " + piece(v.begin, v.end) +
                              " » n'est pas une condition"};
        }
        return truth(n->constant != 0);
    }
    return std::get<Formula>(v.content);
}

void Reader::statement() {
    const Token& t = peek();
    if (t.kind == Token::Kind::Word && (t.text == "generate" || t.text == "produce")) {
        next();
        if (peek().kind != Token::Kind::Number) {
            unexpected(peek());
        }
        next();
    } else if (t.kind == Token::Kind::Word && t.text == "vulnerable") {
        next();
        if (peek().kind != Token::Kind::Word) {
            unexpected(peek());
        }
        next();
    } else if (t.kind == Token::Kind::Word && t.text == "dealer") {
        next();
        expectSeat();
    } else if (t.kind == Token::Kind::Word && t.text == "predeal") {
        next();
        predeal();
    } else if (t.kind == Token::Kind::Word && t.text == "condition") {
        next();
        knownLine_ = t.line;
        known_ = expression();
    } else if (t.kind == Token::Kind::Word && t.text == "action") {
        next();
        actions();
    } else if (t.kind == Token::Kind::Word && kUnsupportedWords.contains(t.text)) {
        unexpected(t);
    } else if (t.kind == Token::Kind::Word && isSymbol("=", 1)) {
        const std::string name(t.text);
        next();
        next();
        names_[name] = expression();
    } else {
        // The word "condition" may be left out.
        knownLine_ = t.line;
        known_ = expression();
    }
}

void Reader::predeal() {
    const Token& who = peek();
    if (who.kind == Token::Kind::Word &&
        std::find(kQuantityWords.begin(), kQuantityWords.begin() + 4, who.text) !=
            kQuantityWords.begin() + 4) {
        fail(who, "« predeal " + std::string(who.text) + " » n'est pas pris en charge");
    }
    const Seat seat = expectSeat();
    for (;;) {
        const Token& holding = peek();
        const std::size_t suit =
            holding.text.empty() ? std::string_view::npos : kSuitLetters.find(holding.text[0]);
        if (holding.kind != Token::Kind::Word || suit == std::string_view::npos) {
            unexpected(holding);
        }
        next();
        for (const char letter : holding.text.substr(1)) {
            const std::size_t rank = kRankLetters.find(letter);
            if (rank == std::string_view::npos) {
                fail(holding, "« " + std::string(holding.text) + " » n'est pas une couleur");
            }
            const Card card = cardOf(kSuits[suit], static_cast<int>(rank) + 2);
            if ((predealtAll_ & cardBit(card)) != 0) {
                fail(holding, "la carte « " + std::string{letter, kSuitLetters[suit]} +
                                  " » est donnée deux fois");
            }
            predealtAll_ |= cardBit(card);
            CardSet& held = predealt_.cards[index(seat)];
            held |= cardBit(card);
            if (std::popcount(held) > kSuitCards) {
                fail(holding, "plus de 13 cartes pour « " + std::string(seatWord(seat)) + " »");
            }
        }
        if (!isSymbol(",")) {
            return;
        }
        next();
    }
}

void Reader::actions() {
    for (;;) {
        const Token& t = peek();
        if (t.kind == Token::Kind::Word && t.text == "average") {
            next();
            if (peek().kind == Token::Kind::String) {
                next();
            }
            if (asked_) {
                fail(t, "un second « average » n'est pas pris en charge");
            }
            askedLine_ = t.line;
            asked_ = expression();
        } else if (t.kind == Token::Kind::Word && t.text == "print") {
            next();
            expectSymbol("(");
            expectSeat();
            while (isSymbol(",")) {
                next();
                expectSeat();
            }
            expectSymbol(")");
        } else if (t.kind == Token::Kind::Word && kPrintActions.contains(t.text)) {
            next();
            // printcompact and printoneline may show a value beside each deal.
            const Token& after = peek();
            const bool command =
                after.kind == Token::Kind::Word &&
                std::find(kCommands.begin(), kCommands.end(), after.text) != kCommands.end();
            const bool definition = after.kind == Token::Kind::Word && isSymbol("=", 1);
            const bool starts = after.kind == Token::Kind::Number ||
                                after.kind == Token::Kind::Word || isSymbol("(") || isSymbol("!") ||
                                isSymbol("-");
            if ((t.text == "printcompact" || t.text == "printoneline") && starts && !command &&
                !definition) {
                expression();
            }
        } else {
            unexpected(t);
        }
        if (!isSymbol(",")) {
            return;
        }
        next();
    }
}

std::optional<Value> Reader::numbers(const Value& a, const Value& b, Linear& x, Linear& y) const {
    for (const Value* v : {&a, &b}) {
        if (std::holds_alternative<Failure>(v->content)) {
            return *v;
        }
    }
    for (const Value* v : {&a, &b}) {
        if (std::holds_alternative<Formula>(v->content)) {
            return Value{Failure{lineText(v->line) + "« " + piece(v->begin, v->end) +
                                 " » n'est pas un nombre"},
                         v->begin, v->end, v->line};
        }
    }
    x = std::get<Linear>(a.content);
    y = std::get<Linear>(b.content);
    return std::nullopt;
}

Value Reader::expression() {
    Value v = orExpression();
    if (isSymbol("?")) {
        fail(peek(), "« ? » n'est pas pris en charge");
    }
    return v;
}

Value Reader::join(Formula::Op op, const Value& a, const Value& b) const {
    const std::size_t begin = a.begin;
    const int line = a.line;
    for (const Value* v : {&a, &b}) {
        if (std::holds_alternative<Failure>(v->content)) {
            return *v;
        }
    }
    Formula out{op, {}, {}};
    for (const Value* v : {&a, &b}) {
        if (const auto* n = std::get_if<Linear>(&v->content); n != nullptr && !n->isConstant()) {
            return Value{Failure{lineText(v->line) + "« " + piece(v->begin, v->end) +
                                 " » n'est pas une condition"},
                         v->begin, v->end, v->line};
        }
        Formula f = std::holds_alternative<Linear>(v->content)
                        ? truth(std::get<Linear>(v->content).constant != 0)
                        : std::get<Formula>(v->content);
        if (f.op == op) {
            for (Formula& c : f.children) {
                out.children.push_back(std::move(c));
            }
        } else {
            out.children.push_back(std::move(f));
        }
    }
    return Value{std::move(out), begin, b.end, line};
}

Value Reader::orExpression() {
    Value v = andExpression();
    while (isSymbol("||") || isWord("or")) {
        next();
        v = join(Formula::Op::Or, v, andExpression());
    }
    return v;
}

Value Reader::andExpression() {
    Value v = comparison();
    while (isSymbol("&&") || isWord("and")) {
        next();
        v = join(Formula::Op::And, v, comparison());
    }
    return v;
}

Value Reader::comparison() {
    Value v = sum();
    for (;;) {
        std::string_view op;
        for (const std::string_view o : {"==", "!=", "<=", ">=", "<", ">"}) {
            op = isSymbol(o) ? o : op;
        }
        if (op.empty()) {
            return v;
        }
        next();
        v = compare(v, sum(), op);
    }
}

Value Reader::compare(const Value& a, const Value& b, std::string_view op) const {
    Linear x;
    Linear y;
    if (auto bad = numbers(a, b, x, y)) {
        return *bad;
    }
    Value out{Formula{}, a.begin, b.end, a.line};
    // x - y op 0, as factor * measure op t.
    std::vector<std::size_t> used;
    for (std::size_t m = 0; m < kMeasures; ++m) {
        x.factors[m] -= y.factors[m];
        if (x.factors[m] != 0) {
            used.push_back(m);
        }
    }
    const long long t = y.constant - x.constant;
    const auto verdict = [&] {
        const long long d = -t;
        return (op == "==" && d == 0) || (op == "!=" && d != 0) || (op == "<" && d < 0) ||
               (op == "<=" && d <= 0) || (op == ">" && d > 0) || (op == ">=" && d >= 0);
    };
    if (used.empty()) {
        out.content = truth(verdict());
        return out;
    }
    Atom atom;
    const long long factor = x.factors[used.front()];
    const std::size_t quantity = used.front() % 5;
    if (used.size() == 1) {
        atom.kind = Atom::Kind::HandRange;
        atom.who = used.front() / 5;
    } else if (used.size() == 2 && used[1] % 5 == quantity && used[1] / 5 == used[0] / 5 + 2 &&
               x.factors[used[1]] == factor) {
        atom.kind = Atom::Kind::SideRange;
        atom.who = used.front() / 5;
    } else {
        return Value{Failure{lineText(a.line) + "« " + piece(a.begin, b.end) +
                             " » n'est pas pris en charge"},
                     a.begin, b.end, a.line};
    }
    atom.quantity = quantity;
    // factor * m op t, with m in 0..top.
    const long long top = topOf(atom.kind, quantity);
    long long lo = 0;
    long long hi = top;
    std::string_view o = op;
    long long f = factor;
    long long target = t;
    if (f < 0) {
        f = -f;
        target = -target;
        o = o == "<" ? ">" : o == ">" ? "<" : o == "<=" ? ">=" : o == ">=" ? "<=" : o;
    }
    bool negate = false;
    if (o == "==" || o == "!=") {
        negate = o == "!=";
        if (target % f != 0) {
            lo = 1;
            hi = 0;
        } else {
            lo = hi = target / f;
        }
    } else if (o == ">=") {
        lo = ceilDiv(target, f);
    } else if (o == ">") {
        lo = floorDiv(target, f) + 1;
    } else if (o == "<=") {
        hi = floorDiv(target, f);
    } else {
        hi = ceilDiv(target, f) - 1;
    }
    lo = std::max(lo, 0LL);
    hi = std::min(hi, top);
    Formula f2;
    if (lo > hi) {
        f2 = truth(false);
    } else if (lo == 0 && hi == top) {
        f2 = truth(true);
    } else {
        atom.range = {static_cast<std::uint8_t>(lo), static_cast<std::uint8_t>(hi)};
        f2 = atomFormula(atom);
    }
    out.content = negate ? Formula{Formula::Op::Not, {}, {std::move(f2)}} : std::move(f2);
    return out;
}

Value Reader::sum() {
    Value v = product();
    while (isSymbol("+") || isSymbol("-")) {
        const bool minus = next().text == "-";
        const Value w = product();
        Linear x;
        Linear y;
        if (auto bad = numbers(v, w, x, y)) {
            v = *bad;
            continue;
        }
        for (std::size_t m = 0; m < kMeasures; ++m) {
            x.factors[m] += minus ? -y.factors[m] : y.factors[m];
        }
        x.constant += minus ? -y.constant : y.constant;
        v = Value{x, v.begin, w.end, v.line};
    }
    return v;
}

Value Reader::product() {
    Value v = unary();
    while (isSymbol("*") || isSymbol("/") || isSymbol("%")) {
        const std::string_view op = next().text;
        const Value w = unary();
        Linear x;
        Linear y;
        if (auto bad = numbers(v, w, x, y)) {
            v = *bad;
            continue;
        }
        const bool tooLarge =
            std::abs(x.constant) > kLargestNumber || std::abs(y.constant) > kLargestNumber;
        if ((op == "*" && !x.isConstant() && !y.isConstant()) ||
            (op != "*" && (!x.isConstant() || !y.isConstant() || y.constant == 0)) || tooLarge) {
            v = Value{Failure{lineText(v.line) + "« " + piece(v.begin, w.end) +
                              " » n'est pas pris en charge"},
                      v.begin, w.end, v.line};
            continue;
        }
        if (op == "*") {
            const Linear& n = x.isConstant() ? y : x;
            const long long k = x.isConstant() ? x.constant : y.constant;
            Linear r;
            for (std::size_t m = 0; m < kMeasures; ++m) {
                r.factors[m] = n.factors[m] * k;
            }
            r.constant = n.constant * k;
            x = r;
        } else {
            x.constant = op == "/" ? x.constant / y.constant : x.constant % y.constant;
        }
        v = Value{x, v.begin, w.end, v.line};
    }
    return v;
}

Value Reader::unary() {
    const Token& t = peek();
    if (isSymbol("!") || isWord("not")) {
        next();
        Value v = unary();
        if (std::holds_alternative<Failure>(v.content)) {
            return v;
        }
        if (const auto* n = std::get_if<Linear>(&v.content)) {
            if (!n->isConstant()) {
                return failure(t, v.end,
                               "« " + piece(v.begin, v.end) + " » n'est pas une condition");
            }
            return Value{truth(n->constant == 0), t.begin, v.end, t.line};
        }
        return Value{Formula{Formula::Op::Not, {}, {std::get<Formula>(v.content)}}, t.begin, v.end,
                     t.line};
    }
    if (isSymbol("-")) {
        next();
        Value v = unary();
        if (auto* n = std::get_if<Linear>(&v.content)) {
            for (long long& f : n->factors) {
                f = -f;
            }
            n->constant = -n->constant;
        } else if (std::holds_alternative<Formula>(v.content)) {
            return failure(t, v.end, "« " + piece(v.begin, v.end) + " » n'est pas un nombre");
        }
        v.begin = t.begin;
        v.line = t.line;
        return v;
    }
    return primary();
}

Value Reader::primary() {
    const Token& t = next();
    if (t.kind == Token::Kind::Number) {
        if (t.text.size() > 9) {
            return unsupported(t, t.end);
        }
        Linear n;
        n.constant = std::stoll(std::string(t.text));
        return Value{n, t.begin, t.end, t.line};
    }
    if (t.kind == Token::Kind::Symbol && t.text == "(") {
        Value v = expression();
        const Token& close = expectSymbol(")");
        v.begin = t.begin;
        v.end = close.end;
        v.line = t.line;
        return v;
    }
    if (t.kind != Token::Kind::Word) {
        unexpected(t);
    }
    if (isSymbol("(")) {
        return call(t);
    }
    if (const auto found = names_.find(t.text); found != names_.end()) {
        Value v = found->second;
        if (!std::holds_alternative<Failure>(v.content)) {
            v.begin = t.begin;
            v.end = t.end;
            v.line = t.line;
        }
        return v;
    }
    if (kUnsupportedWords.contains(t.text)) {
        return unsupported(t, t.end);
    }
    if (std::find(kCommands.begin(), kCommands.end(), t.text) != kCommands.end() ||
        t.text == "and" || t.text == "or" || t.text == "average" || t.text == "any") {
        unexpected(t);
    }
    return failure(t, t.end, "« " + std::string(t.text) + " » n'est pas défini");
}

Value Reader::skipCall(const Token& name) {
    int depth = 0;
    do {
        const Token& t = next();
        if (t.kind == Token::Kind::End) {
            unexpected(t);
        }
        depth += t.text == "(" ? 1 : t.text == ")" ? -1 : 0;
    } while (depth > 0);
    return unsupported(name, name.end);
}

Value Reader::call(const Token& name) {
    const std::string_view word = name.text;
    // dealer takes "spade" for "spades", and so on.
    std::size_t quantity = kQuantityWords.size();
    for (std::size_t q = 0; q < kQuantityWords.size(); ++q) {
        const std::string_view plural = kQuantityWords[q];
        if (word == plural || (q < 4 && word == plural.substr(0, plural.size() - 1))) {
            quantity = q;
        }
    }
    if (quantity < kQuantityWords.size()) {
        expectSymbol("(");
        const Seat seat = expectSeat();
        if (quantity == kPointsQuantity && isSymbol(",")) {
            // Points in one suit: no clause holds them.
            next();
            next();
            const Token& close = expectSymbol(")");
            return unsupported(name, close.end);
        }
        const Token& close = expectSymbol(")");
        Linear n;
        n.factors[index(seat) * 5 + quantity] = 1;
        return Value{n, name.begin, close.end, name.line};
    }
    if (word == "shape") {
        expectSymbol("(");
        const Seat seat = expectSeat();
        expectSymbol(",");
        return shape(name, seat);
    }
    if (word == "hascard") {
        expectSymbol("(");
        const Seat seat = expectSeat();
        expectSymbol(",");
        const Token& card = next();
        const std::size_t rank =
            card.text.size() == 2 ? kRankLetters.find(card.text[0]) : std::string_view::npos;
        const std::size_t suit =
            card.text.size() == 2 ? kSuitLetters.find(card.text[1]) : std::string_view::npos;
        if (card.kind == Token::Kind::Symbol || card.kind == Token::Kind::End) {
            unexpected(card);
        }
        if (rank == std::string_view::npos || suit == std::string_view::npos) {
            fail(card, "« " + std::string(card.text) + " » n'est pas une carte");
        }
        const Token& close = expectSymbol(")");
        Atom atom;
        atom.kind = Atom::Kind::Card;
        atom.who = index(seat);
        atom.card = cardOf(kSuits[suit], static_cast<int>(rank) + 2);
        return Value{atomFormula(atom), name.begin, close.end, name.line};
    }
    // No other function of dealer's (nor a name of the script's) is taken.
    return skipCall(name);
}

// "any 4333 + any 4432 - 5xxx": each pattern, in suit order or ("any") in
// any, added or taken away in turn; "x" stands for any length.
Value Reader::shape(const Token& name, Seat seat) {
    LengthSet set;
    bool first = true;
    for (;;) {
        bool add = true;
        if (isSymbol("+") || isSymbol("-")) {
            add = next().text == "+";
        } else if (!first) {
            break;
        }
        first = false;
        const bool anyOrder = isWord("any");
        if (anyOrder) {
            next();
        }
        const Token& p = next();
        const bool wellFormed =
            p.text.size() == 4 && (p.kind == Token::Kind::Number || p.kind == Token::Kind::Word) &&
            std::all_of(p.text.begin(), p.text.end(),
                        [](char c) { return c == 'x' || (c >= '0' && c <= '9'); });
        if (!wellFormed) {
            unexpected(p);
        }
        int sum = 0;
        int free = 0;
        for (const char c : p.text) {
            sum += c == 'x' ? 0 : c - '0';
            free += c == 'x' ? 1 : 0;
        }
        if (sum > 13 || (free == 0 && sum != 13)) {
            fail(p, "« " + std::string(p.text) + " » n'est pas une distribution");
        }
        for (const Lengths& lengths : everyLengths()) {
            // In any order: some order of the hand's suits fits the pattern.
            std::array<std::size_t, 4> order{0, 1, 2, 3};
            bool fits = false;
            do {
                bool all = true;
                for (std::size_t i = 0; i < 4; ++i) {
                    const char c = p.text[i];
                    all = all && (c == 'x' || lengths[order[i]] == c - '0');
                }
                fits = fits || all;
            } while (anyOrder && !fits && std::next_permutation(order.begin(), order.end()));
            if (fits) {
                set.set(lengthKey(lengths), add);
            }
        }
    }
    const Token& close = expectSymbol(")");
    Atom atom;
    atom.kind = Atom::Kind::Shape;
    atom.who = index(seat);
    atom.shapes = std::make_shared<const LengthSet>(set);
    Formula f = set.none() ? truth(false) : set == everyShape() ? truth(true) : atomFormula(atom);
    return Value{std::move(f), name.begin, close.end, name.line};
}

}  // namespace

DealerScriptReading readDealerScript(std::string_view script) {
    try {
        Reader reader(script);
        return {reader.read(), {}};
    } catch (const ScriptError& e) {
        return {std::nullopt, e.message};
    }
}

}  // namespace ondiscale
