// Imperial lengths: any Single length shows as inches, feet or yards that read back as the
// length, never "nan" or "inf". Input: the first four bytes as the bits of a Single.

#include "fuzzinput.h"
#include "numbers/format.h"

#include <cmath>

using namespace kovolo;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    fuzz::run(input, [&] {
        const float millimetres = fuzz::rawFloat(data, size);
        std::string unit;
        const std::string text = numbers::formatImperialLength(millimetres, unit);
        double perUnit = 0;
        if (unit == "in")
            perUnit = 25.4;
        else if (unit == "ft")
            perUnit = 12 * 25.4;
        else if (unit == "yd")
            perUnit = 914.4;
        else
            fuzz::fail("unit \"" + unit + "\"", input);
        if (!std::isfinite(millimetres)) {
            // The program narrows with toSingle, so no caller passes these; still no garbage.
            if (text != "XXX")
                fuzz::fail("non-finite length shown as \"" + text + "\"", input);
            return;
        }
        fuzz::expectReadsBack(text, static_cast<double>(millimetres) / perUnit, 3, input);
    });
    return 0;
}
