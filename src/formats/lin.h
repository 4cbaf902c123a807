#pragma once

#include <string>
#include <vector>

#include "simulation/batch_run.h"

namespace ondiscale {

// A set of boards in the LIN form that BBO's hand viewer and teaching
// table load, one board a line ending in CR LF:
//   qx|o5|md|2SAKQ2HJ4DT98C7653,S…,S…,S…|rh||ah|Board 5|sv|n|pg||
// md gives the dealer (1 South, 2 West, 3 North, 4 East) and then the four
// hands from South clockwise, suits S H D C with their ranks high to low;
// sv the vulnerability: 0 none, n North-South, e East-West, b both. A
// board without its own number, dealer and vulnerability takes its place
// in the 16-board rotation.
std::string linText(const std::vector<Example>& boards);

}  // namespace ondiscale
