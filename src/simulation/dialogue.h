#pragma once

#include <optional>
#include <string>

namespace ondiscale {

enum class Buttons { Ok, YesNo };
enum class Answer { Ok, Yes, No };

// What the computations need of the user's platform: a modal message box
// and input box, and the decimal separator of the user's locale. The Qt
// window provides the real ones; the tests a scripted stand-in.
class Dialogue {
public:
    virtual ~Dialogue() = default;

    // Shows `prompt` (lines separated by CR LF) with OK alone, or Yes and
    // No with Yes the default; no icon. Without a title the box bears the
    // application's title. Returns the button chosen.
    virtual Answer messageBox(const std::string& prompt, Buttons buttons,
                              const std::optional<std::string>& title) = 0;

    // Returns the text in the box, unchanged, on OK; empty text on cancel.
    virtual std::string inputBox(const std::string& prompt, const std::string& title,
                                 const std::string& defaultText) = 0;

    // The decimal separator of the user's locale, such as "." or ",".
    [[nodiscard]] virtual std::string decimalSeparator() const = 0;
    // What the user's locale puts between groups of three digits.
    [[nodiscard]] virtual std::string groupSeparator() const = 0;
};

// A line break in every message: carriage return and line feed.
inline constexpr const char* kCrLf = "\r\n";

}  // namespace ondiscale
