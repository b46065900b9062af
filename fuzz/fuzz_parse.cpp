// The number reader: any text reads as a finite number or raises the overflow error, and blanks
// before the text change nothing.

#include "fuzzinput.h"
#include "numbers/parse.h"

#include <cmath>

using namespace kovolo;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    fuzz::run(text, [&] {
        double value = 0;
        try {
            value = numbers::parseNumber(text);
        } catch (const RuntimeError& e) {
            if (e.kind() != ErrorNumber::Overflow)
                fuzz::fail("parseNumber raised error " + std::to_string(e.number()), text);
            throw;
        }
        if (!std::isfinite(value))
            fuzz::fail("parseNumber returned a non-finite value", text);
        const double padded = numbers::parseNumber(" \t" + std::string(text));
        if (padded != value && !(std::isnan(padded) && std::isnan(value)))
            fuzz::fail("leading blanks change the number", text);
    });
    return 0;
}
