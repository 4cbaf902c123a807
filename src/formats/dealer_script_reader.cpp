// Reading a dealer script: values built as its expressions are read
// (numbers as sums of measures, conditions as trees of clauses), then each
// part turned into alternatives.
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
#include "formats/clause_alternatives.h"
#include "formats/dealer_script.h"
#include "formats/dealer_words.h"
#include "formats/format_texts.h"
#include "formats/script_tokens.h"
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

// Why an expression cannot be held: told only if a part uses it, as a
// script may name expressions it never uses.
struct Failure {
    std::string message;
};

// What an expression is worth, with where it was written.
struct Value {
    std::variant<Failure, Linear, Formula> content;
    std::size_t begin = 0;
    std::size_t end = 0;
    int line = 1;
    int depth = 0;  // of the formula, through named expressions too
};

// Deeper nesting is refused: reading it would use the stack without bound.
constexpr int kDeepest = 200;

long long floorDiv(long long a, long long b) {
    const long long q = a / b;
    return (a % b != 0 && ((a < 0) != (b < 0))) ? q - 1 : q;
}
long long ceilDiv(long long a, long long b) { return -floorDiv(-a, b); }

// --- Reading -------------------------------------------------------------

class Reader {
public:
    explicit Reader(std::string_view text) : text_(text), tokens_(scriptTokens(text)) {}

    Condition read();

private:
    std::string_view text_;
    std::vector<Token> tokens_;
    std::size_t at_ = 0;
    int nesting_ = 0;
    std::map<std::string, Value, std::less<>> names_;
    std::optional<Value> known_;
    int knownLine_ = 1;
    std::optional<Value> asked_;
    int askedLine_ = 1;
    Conjunction predealt_;
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
        throw ScriptError{texts::atLine(t.line) + what};
    }
    [[noreturn]] static void unexpected(const Token& t) {
        if (t.kind == Token::Kind::End) {
            fail(t, std::string(texts::kCutShort));
        }
        if (kUnsupportedWords.contains(t.text)) {
            fail(t, texts::notSupported(t.text));
        }
        fail(t, texts::unexpected(t.text));
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
        return {Failure{texts::atLine(from.line) + what}, from.begin, end, from.line};
    }
    [[nodiscard]] Value unsupported(const Token& from, std::size_t end) const {
        return failure(from, end, texts::notSupported(piece(from.begin, end)));
    }

    void statement();
    void predeal();
    void actions();
    [[nodiscard]] Formula conditionOf(const Value& v) const;
    std::vector<Conjunction> partOf(const std::optional<Value>& v, int line, std::string_view what);

    Value expression();
    Value orExpression();
    Value andExpression();
    Value comparison();
    Value sum();
    Value product();
    Value unary();
    Value prefixed();
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
    std::vector<Conjunction> known;
    for (const Conjunction& p : partOf(known_, knownLine_, "condition")) {
        if (auto both = meet(p, predealt_)) {
            known.push_back(std::move(*both));
        }
    }
    prune(known);
    if (known.empty()) {
        throw ScriptError{texts::atLine(knownLine_) + texts::neverMet("condition")};
    }
    out.known.alternatives.clear();
    for (const Conjunction& p : known) {
        out.known.alternatives.push_back(alternativeOf(p));
    }
    out.asked.alternatives.clear();
    for (const Conjunction& p : partOf(asked_, askedLine_, "average")) {
        out.asked.alternatives.push_back(alternativeOf(p));
    }
    return out;
}

std::vector<Conjunction> Reader::partOf(const std::optional<Value>& v, int line,
                                        std::string_view what) {
    if (!v) {
        return {Conjunction{}};
    }
    std::vector<Conjunction> out;
    try {
        out = alternativesOf(conditionOf(*v));
    } catch (const TooManyAlternatives&) {
        throw ScriptError{texts::atLine(line) + texts::tooManyAlternatives(what)};
    }
    if (out.size() > kMostAlternatives) {
        throw ScriptError{texts::atLine(line) + texts::tooManyAlternatives(what)};
    }
    if (out.empty()) {
        throw ScriptError{texts::atLine(line) + texts::neverMet(what)};
    }
    return out;
}

Formula Reader::conditionOf(const Value& v) const {
    if (const auto* f = std::get_if<Failure>(&v.content)) {
        throw ScriptError{f->message};
    }
    if (const auto* n = std::get_if<Linear>(&v.content)) {
        if (!n->isConstant()) {
            throw ScriptError{texts::atLine(v.line) + texts::notACondition(piece(v.begin, v.end))};
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
        fail(who, texts::notSupported("predeal " + std::string(who.text)));
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
                fail(holding, texts::notAHolding(holding.text));
            }
            const Card card = cardOf(kSuits[suit], static_cast<int>(rank) + 2);
            if ((predealtAll_ & cardBit(card)) != 0) {
                fail(holding, texts::cardTwice(std::string{letter, kSuitLetters[suit]}));
            }
            predealtAll_ |= cardBit(card);
            CardSet& held = predealt_.cards[index(seat)];
            held |= cardBit(card);
            if (std::popcount(held) > kSuitCards) {
                fail(holding, texts::moreThanThirteen(seatWord(seat)));
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
                fail(t, std::string(texts::kSecondAverage));
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
            return Value{
                Failure{texts::atLine(v->line) + texts::notANumber(piece(v->begin, v->end))},
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
        fail(peek(), texts::notSupported("?"));
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
    int depth = 0;  // a child joined the same way adds no level
    for (const Value* v : {&a, &b}) {
        if (const auto* n = std::get_if<Linear>(&v->content); n != nullptr && !n->isConstant()) {
            return Value{
                Failure{texts::atLine(v->line) + texts::notACondition(piece(v->begin, v->end))},
                v->begin, v->end, v->line};
        }
        Formula f = std::holds_alternative<Linear>(v->content)
                        ? truth(std::get<Linear>(v->content).constant != 0)
                        : std::get<Formula>(v->content);
        if (f.op == op) {
            depth = std::max(depth, v->depth);
            for (Formula& c : f.children) {
                out.children.push_back(std::move(c));
            }
        } else {
            depth = std::max(depth, v->depth + 1);
            out.children.push_back(std::move(f));
        }
    }
    return Value{std::move(out), begin, b.end, line, depth};
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
    Clause atom;
    const long long factor = x.factors[used.front()];
    const std::size_t quantity = used.front() % 5;
    if (used.size() == 1) {
        atom.kind = Clause::Kind::HandRange;
        atom.who = used.front() / 5;
    } else if (used.size() == 2 && used[1] % 5 == quantity && used[1] / 5 == used[0] / 5 + 2 &&
               x.factors[used[1]] == factor) {
        atom.kind = Clause::Kind::SideRange;
        atom.who = used.front() / 5;
    } else {
        return Value{Failure{texts::atLine(a.line) + texts::notSupported(piece(a.begin, b.end))},
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
        f2 = clauseFormula(atom);
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
            v = Value{Failure{texts::atLine(v.line) + texts::notSupported(piece(v.begin, w.end))},
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
    if (nesting_ == kDeepest) {
        fail(t, std::string(texts::kTooDeep));
    }
    ++nesting_;
    Value v = prefixed();
    --nesting_;
    if (v.depth > kDeepest) {
        throw ScriptError{texts::atLine(t.line) + std::string(texts::kTooDeep)};
    }
    return v;
}

Value Reader::prefixed() {
    const Token& t = peek();
    if (isSymbol("!") || isWord("not")) {
        next();
        Value v = unary();
        if (std::holds_alternative<Failure>(v.content)) {
            return v;
        }
        if (const auto* n = std::get_if<Linear>(&v.content)) {
            if (!n->isConstant()) {
                return failure(t, v.end, texts::notACondition(piece(v.begin, v.end)));
            }
            return Value{truth(n->constant == 0), t.begin, v.end, t.line};
        }
        return Value{Formula{Formula::Op::Not, {}, {std::get<Formula>(v.content)}}, t.begin, v.end,
                     t.line, v.depth + 1};
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
            return failure(t, v.end, texts::notANumber(piece(v.begin, v.end)));
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
    return failure(t, t.end, texts::notDefined(t.text));
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
            fail(card, texts::notACard(card.text));
        }
        const Token& close = expectSymbol(")");
        Clause atom;
        atom.kind = Clause::Kind::Card;
        atom.who = index(seat);
        atom.card = cardOf(kSuits[suit], static_cast<int>(rank) + 2);
        return Value{clauseFormula(atom), name.begin, close.end, name.line};
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
            fail(p, texts::notAPattern(p.text));
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
    Clause atom;
    atom.kind = Clause::Kind::Shape;
    atom.who = index(seat);
    atom.shapes = std::make_shared<const LengthSet>(set);
    Formula f = set.none() ? truth(false) : set == everyShape() ? truth(true) : clauseFormula(atom);
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
