#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace ondiscale {

// The program's texts, all UTF-8, as Qt takes them.
inline QString qtText(const char* utf8) { return QString::fromUtf8(utf8); }
inline QString qtText(const std::string& utf8) { return QString::fromStdString(utf8); }
inline QString qtText(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

}  // namespace ondiscale
