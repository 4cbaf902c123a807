#include "formats/shape_sets.h"

#include <algorithm>
#include <functional>

namespace ondiscale {
namespace {

constexpr std::array<ShapeClass, 6> kClasses{ShapeClass::Regular,     ShapeClass::SemiRegular,
                                             ShapeClass::OneSuited,   ShapeClass::TwoSuited,
                                             ShapeClass::ThreeSuited, ShapeClass::NoShortSuit};

// The shapes of each class, computed once.
const LengthSet& classLengths(ShapeClass shapeClass) {
    static const std::array<LengthSet, kClasses.size()> sets = [] {
        std::array<LengthSet, kClasses.size()> out;
        for (std::size_t c = 0; c < kClasses.size(); ++c) {
            for (const Lengths& lengths : everyLengths()) {
                if (inShapeClass(kClasses[c], lengths)) {
                    out[c].set(lengthKey(lengths));
                }
            }
        }
        return out;
    }();
    return sets[static_cast<std::size_t>(shapeClass)];
}

// The shapes of a pattern (longest first) in any suit order.
LengthSet patternLengths(const Lengths& pattern) {
    LengthSet out;
    Lengths lengths = pattern;
    std::sort(lengths.begin(), lengths.end());
    do {
        out.set(lengthKey(lengths));
    } while (std::next_permutation(lengths.begin(), lengths.end()));
    return out;
}

// Whether every shape of `part` is in `whole`.
bool within(const LengthSet& part, const LengthSet& whole) { return (part & ~whole).none(); }

}  // namespace

const std::vector<Lengths>& everyLengths() {
    static const std::vector<Lengths> all = [] {
        std::vector<Lengths> out;
        for (std::uint8_t s = 0; s <= 13; ++s) {
            for (std::uint8_t h = 0; s + h <= 13; ++h) {
                for (std::uint8_t d = 0; s + h + d <= 13; ++d) {
                    out.push_back({s, h, d, static_cast<std::uint8_t>(13 - s - h - d)});
                }
            }
        }
        return out;
    }();
    return all;
}

const LengthSet& everyShape() {
    static const LengthSet all = [] {
        LengthSet out;
        for (const Lengths& lengths : everyLengths()) {
            out.set(lengthKey(lengths));
        }
        return out;
    }();
    return all;
}

std::vector<Lengths> classPatterns(ShapeClass shapeClass) {
    std::vector<Lengths> out;
    for (const Lengths& lengths : everyLengths()) {
        const Lengths pattern = longestFirst(lengths);
        if (lengths == pattern && inShapeClass(shapeClass, pattern)) {
            out.push_back(pattern);
        }
    }
    std::sort(out.begin(), out.end());
    return out;
}

LengthSet lengthsOf(const ShapeSet& shapes) {
    if (shapes.any()) {
        return everyShape();
    }
    LengthSet out;
    for (const ShapeTerm& term : shapes.terms) {
        switch (term.kind) {
            case ShapeTerm::Kind::Class:
                out |= classLengths(term.shapeClass);
                break;
            case ShapeTerm::Kind::AnyOrder:
                out |= patternLengths(longestFirst(term.lengths));
                break;
            case ShapeTerm::Kind::SuitOrder:
                out.set(lengthKey(term.lengths));
                break;
        }
    }
    return out & everyShape();
}

ShapeSet shapeSetOf(const LengthSet& lengths) {
    const LengthSet wanted = lengths & everyShape();
    if (wanted == everyShape()) {
        return {};
    }
    // The classes held whole, less those the others cover together.
    std::vector<ShapeClass> classes;
    for (const ShapeClass c : kClasses) {
        if (within(classLengths(c), wanted)) {
            classes.push_back(c);
        }
    }
    for (std::size_t i = 0; i < classes.size();) {
        LengthSet others;
        for (std::size_t j = 0; j < classes.size(); ++j) {
            if (j != i) {
                others |= classLengths(classes[j]);
            }
        }
        if (within(classLengths(classes[i]), others)) {
            classes.erase(classes.begin() + static_cast<std::ptrdiff_t>(i));
        } else {
            ++i;
        }
    }
    ShapeSet out;
    LengthSet covered;
    for (const ShapeClass c : classes) {
        out.terms.push_back({ShapeTerm::Kind::Class, c, {}});
        covered |= classLengths(c);
    }
    // A class is a union of whole patterns, so a pattern is either inside
    // the classes kept or apart from them.
    std::vector<Lengths> patterns;
    for (const Lengths& l : everyLengths()) {
        if (l == longestFirst(l) && !covered.test(lengthKey(l))) {
            const LengthSet all = patternLengths(l);
            if (within(all, wanted)) {
                patterns.push_back(l);
            }
        }
    }
    std::sort(patterns.begin(), patterns.end());
    for (const Lengths& p : patterns) {
        out.terms.push_back({ShapeTerm::Kind::AnyOrder, ShapeClass::Regular, p});
        covered |= patternLengths(p);
    }
    std::vector<Lengths> singles;
    for (const Lengths& l : everyLengths()) {
        if (wanted.test(lengthKey(l)) && !covered.test(lengthKey(l))) {
            singles.push_back(l);
        }
    }
    std::sort(singles.begin(), singles.end());
    for (const Lengths& l : singles) {
        out.terms.push_back({ShapeTerm::Kind::SuitOrder, ShapeClass::Regular, l});
    }
    return out;
}

}  // namespace ondiscale
