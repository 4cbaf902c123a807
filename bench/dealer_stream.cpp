// Writes to stdout, for an outside test battery, the generator values that
// the dealer consumes: a reseed from the clock before every deal, then the
// draws of one deal, repeats included, until 13 distinct cards are kept.
// Each 24-bit value goes out as three bytes, most significant first, so
// the stream holds exactly the bits the dealer reads, nothing more.
//
//   ondiscale_dealer_stream | dieharder -g 200 -a
//   ondiscale_dealer_stream --frozen-clock | dieharder -g 200 -a
//
// --frozen-clock gives every reseed the same reading: deals within one
// tick of the clock must be as random as any others.
#include <array>
#include <cstdio>
#include <cstring>

#include "engine/generator.h"
#include "engine/random_range.h"

namespace {

constexpr std::uint64_t kFrozenReading = 1'700'000'000'000'000'000ULL;

}  // namespace

int main(int argc, char** argv) {
    using namespace ondiscale;
    Clock clock = systemClock;
    if (argc > 1 && std::strcmp(argv[1], "--frozen-clock") == 0) {
        clock = []() -> std::uint64_t { return kFrozenReading; };
    } else if (argc > 1) {
        std::fputs("usage: ondiscale_dealer_stream [--frozen-clock]\n", stderr);
        return 2;
    }

    Generator generator = Generator::fromEntropy();
    constexpr std::size_t kDealsPerWrite = 4096;
    std::array<unsigned char, kDealsPerWrite * 3 * 64> out{};
    for (;;) {
        std::size_t used = 0;
        for (std::size_t deal = 0; deal < kDealsPerWrite; ++deal) {
            generator.reseed(clock());
            std::uint64_t dealt = 0;
            int kept = 0;
            // A deal that needs more than 64 draws is cut short: with 52
            // cards that is far too rare to ever happen.
            for (int draw = 0; kept < 13 && draw < 64; ++draw) {
                const std::uint32_t m = generator.next24();
                out[used++] = static_cast<unsigned char>(m >> 16);
                out[used++] = static_cast<unsigned char>(m >> 8);
                out[used++] = static_cast<unsigned char>(m);
                const auto card = static_cast<unsigned>(2 + RandomRange::scaledFloor(m, 52));
                if (((dealt >> card) & 1U) == 0) {
                    dealt |= std::uint64_t{1} << card;
                    ++kept;
                }
            }
        }
        if (std::fwrite(out.data(), 1, used, stdout) != used) {
            return 0;  // the reader has had enough
        }
    }
}
