// The air-coil tab's three calculations on typed text: every result is a number, a mark or
// nothing with a unit of its list, never "nan" or "inf", and only the program's own error
// escapes. Input: "inductance|unit|diameter|length|turns|imperial|skin effect|gauge".

#include "aircoil/cylindercoil.h"
#include "aircoil/straightconductor.h"
#include "fuzzinput.h"

using namespace kovolo;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const fuzz::Fields fields(data, size);
    const std::string_view input = fields.whole();
    const bool imperial = fields.flag(5);
    const std::string diameter = fields.text(2);
    const std::string length = fields.text(3);

    fuzz::run(input, [&] {
        const aircoil::TurnsDisplay turns = aircoil::cylinderTurnsDisplay(
            fields.text(0), fields.choice(1, 5) - 1, diameter, length, imperial);
        for (const auto* text : {&turns.turns, &turns.wireLength, &turns.maxWire})
            if (*text)
                fuzz::expectResultText(**text, input);
    });
    fuzz::run(input, [&] {
        const aircoil::ScaledValue value =
            aircoil::cylinderInductanceDisplay(fields.text(4), diameter, length, imperial);
        fuzz::expectResultText(value.text, input);
    });
    fuzz::run(input, [&] {
        const aircoil::ScaledValue value = aircoil::straightConductorDisplay(
            diameter, length, fields.flag(6), imperial, fields.text(7));
        fuzz::expectResultText(value.text, input);
    });
    return 0;
}
