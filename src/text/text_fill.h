#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

namespace ondiscale {

// A message with its places %1 to %9 filled, in any order, each with the
// text of that rank; a % followed by anything else stays as it is.
std::string fill(std::string_view pattern, std::initializer_list<std::string> args);

}  // namespace ondiscale
