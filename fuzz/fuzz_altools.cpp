// The two AL tool windows on typed text: every result is a number, the mark or nothing, never
// "nan" or "inf", and only the program's own error escapes. Input:
// "turns|inductance|Da|Di|h|coating|permeability".

#include "fuzzinput.h"
#include "tools/alwindow.h"
#include "tools/alzwindow.h"

using namespace kovolo;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const fuzz::Fields fields(data, size);
    const std::string_view input = fields.whole();
    const std::string turns = fields.text(0), inductance = fields.text(1), da = fields.text(2),
                      di = fields.text(3), h = fields.text(4), coating = fields.text(5),
                      permeability = fields.text(6);
    fuzz::run(input, [&] {
        const tools::MeasuredCoreResult r =
            tools::computeMeasuredCore({turns, inductance, da, di, h, coating});
        for (const std::string* text : {&r.ae, &r.le, &r.leAe, &r.al, &r.permeability})
            fuzz::expectResultText(*text, input);
    });
    fuzz::run(input, [&] {
        const tools::PermeabilityCoreResult r =
            tools::computePermeabilityCore({permeability, da, di, h, coating});
        for (const std::string* text : {&r.ae, &r.le, &r.leAe, &r.al})
            fuzz::expectResultText(*text, input);
    });
    return 0;
}
