// Forced ahead of every file of the portable engine build: the system's
// time header is read first, then the Linux-only clock is forgotten, so
// the engine compiles as it would on a platform without it.
#include <time.h>  // NOLINT(modernize-deprecated-headers): the C header defines the clocks
#undef CLOCK_REALTIME_COARSE
