// Inductance and reactance from turns on typed text: the inductance reads back in its unit, the
// reactance is a number with a suffix, never "nan" or "inf", and only the program's own error
// escapes. Input: "AL|turns|frequency|frequency unit".

#include "fuzzinput.h"
#include "numbers/parse.h"
#include "numbers/units.h"
#include "toroid/inductance.h"

#include <cmath>

using namespace kovolo;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const fuzz::Fields fields(data, size);
    const std::string_view input = fields.whole();
    fuzz::run(input, [&] {
        const double al = numbers::parseNumber(fields.text(0));
        const std::string turnsText = fields.text(1).empty() ? "0" : fields.text(1);
        const double turns = numbers::parseNumber(turnsText);
        const toroid::InductanceResult result = toroid::computeInductance(al, turns);
        if (!result.valid) {
            // An AL so small that it is 0 in henry (1e-315 nH) has no inductance either.
            if (al * 1e-9 != 0 && turns != 0)
                fuzz::fail("no inductance for AL and N both given", input);
            return;
        }
        double scale = 0;
        if (result.unitText == "H")
            scale = 1;
        else if (result.unitText == "mH")
            scale = 1e3;
        else if (result.unitText == "µH")
            scale = 1e6;
        else if (result.unitText == "nH")
            scale = 1e9;
        else
            fuzz::fail("unit \"" + result.unitText + "\"", input);
        fuzz::expectReadsBack(result.valueText, result.henry * scale, 4, input);

        const double hertz =
            numbers::parseNumber(fields.text(2)) * numbers::frequencyFactorHz(fields.choice(3, 4));
        const std::string reactance = toroid::reactanceText(hertz, result.henry);
        fuzz::expectNoNonFinite(reactance, input);
        std::string number = reactance;
        for (const char* suffix : {" G", " M", " K", " m"})
            if (number.size() > 2 && number.compare(number.size() - 2, 2, suffix) == 0)
                number.resize(number.size() - 2);
        if (!fuzz::isPlainNumber(number))
            fuzz::fail("reactance \"" + reactance + "\"", input);
    });
    return 0;
}
