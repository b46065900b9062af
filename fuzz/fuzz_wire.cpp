// Wire gauges: any gauge text gives a finite diameter or the overflow error, every diameter a
// gauge of the scale or "xxx", gauges of the scale survive the round trip, and the thickest
// wire is finite. Input: "gauge text|turns|inner diameter"; the first four bytes also as the
// bits of a Single diameter.

#include "fuzzinput.h"
#include "numbers/parse.h"
#include "numbers/wire.h"

#include <algorithm>
#include <cmath>

using namespace kovolo;

namespace {

bool onScale(const std::string& gauge)
{
    const auto& texts = numbers::gaugeTexts();
    return gauge == "xxx" || std::find(texts.begin(), texts.end(), gauge) != texts.end();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const fuzz::Fields fields(data, size);
    const std::string_view input = fields.whole();

    fuzz::run(input, [&] {
        const float raw = fuzz::rawFloat(data, size);
        if (std::isfinite(raw) && !onScale(numbers::diameterToAwg(raw)))
            fuzz::fail("diameterToAwg gave no gauge of the scale", input);
    });

    fuzz::run(input, [&] {
        const std::string gauge = fields.text(0);
        const float diameter = numbers::awgToDiameter(gauge);
        if (!std::isfinite(diameter) || diameter < 0)
            fuzz::fail("awgToDiameter gave " + std::to_string(diameter), input);
        const std::string back = numbers::diameterToAwg(diameter);
        if (!onScale(back))
            fuzz::fail("diameterToAwg gave \"" + back + "\"", input);
        const auto& texts = numbers::gaugeTexts();
        if (std::find(texts.begin(), texts.end(), gauge) != texts.end() && back != gauge)
            fuzz::fail("gauge " + gauge + " comes back as " + back, input);
    });

    fuzz::run(input, [&] {
        const double turns = numbers::parseNumber(fields.text(1));
        const double inner = numbers::parseNumber(fields.text(2));
        if (!(turns >= 1 && turns <= 2147483647.0) || !(std::fabs(inner) < 3e38))
            return; // callers pass N >= 1 and a Single
        const float wire =
            numbers::maxWireDiameter(static_cast<std::int32_t>(turns), static_cast<float>(inner));
        if (!std::isfinite(wire) || (inner > 0 && wire > static_cast<float>(inner)))
            fuzz::fail("thickest wire " + std::to_string(wire), input);
    });
    return 0;
}
