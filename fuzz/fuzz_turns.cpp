// Turns and wire for a wanted inductance, as the turns frame runs it on typed text: the result
// texts are numbers, gauges or marks, never "nan" or "inf", and only the program's own error
// escapes. Input: "inductance|unit|core|AL|Da|Di|h|wire|imperial" where core 0 to 3 takes the
// dimensions of an iron-powder core (type from the AL field) and any other value the typed
// unknown core.

#include "catalogs/ironcatalog.h"
#include "fuzzinput.h"
#include "numbers/format.h"
#include "numbers/parse.h"
#include "numbers/units.h"
#include "numbers/wire.h"
#include "toroid/turns.h"

#include <algorithm>
#include <cmath>

using namespace kovolo;

namespace {

bool isInteger(const std::string& text)
{
    return !text.empty() &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const fuzz::Fields fields(data, size);
    const std::string_view input = fields.whole();
    fuzz::run(input, [&] {
        const bool imperial = fields.flag(8);
        const float wire = toroid::wireDiameterFromText(fields.text(7), imperial);
        if (!std::isfinite(wire) || wire < 0)
            fuzz::fail("wire diameter " + std::to_string(wire), input);

        double al = numbers::parseNumber(fields.text(3));
        catalogs::CoreDimensions core;
        if (fields.choice(2, 8) < 4) {
            const catalogs::Catalog& iron = catalogs::ironCatalog();
            const int type = static_cast<int>(std::fabs(std::fmod(al, 1000.0))) %
                             static_cast<int>(iron.types.size());
            core = catalogs::selectedDimensions(iron, type);
            if (al == 0)
                return; // the three results show "XXX"
        } else {
            core = {toroid::dimensionFromText(fields.text(4)),
                    toroid::dimensionFromText(fields.text(5)),
                    toroid::dimensionFromText(fields.text(6))};
            if (!toroid::checkUnknownCore(al, core.da, core.di, core.h).usable)
                return;
        }
        const double henry = numbers::parseNumber(fields.text(0)) *
                             numbers::inductanceFactor(fields.choice(1, 5) - 1);
        const toroid::TurnsResult result =
            toroid::computeTurns(henry, al * 1e-9, core, wire, imperial);

        for (const std::string* text : {&result.turnsText, &result.maxWireText, &result.lengthText})
            fuzz::expectNoNonFinite(*text, input);
        if (!isInteger(result.turnsText) ||
            numbers::formatInteger(result.turns) != result.turnsText)
            fuzz::fail("turns \"" + result.turnsText + "\"", input);
        if (imperial) {
            const auto& gauges = numbers::gaugeTexts();
            if (result.maxWireText != "xxx" &&
                std::find(gauges.begin(), gauges.end(), result.maxWireText) == gauges.end())
                fuzz::fail("thickest wire \"" + result.maxWireText + "\"", input);
            if (result.lengthUnit != "in" && result.lengthUnit != "ft" && result.lengthUnit != "yd")
                fuzz::fail("length unit \"" + result.lengthUnit + "\"", input);
        } else {
            if (!fuzz::isPlainNumber(result.maxWireText))
                fuzz::fail("thickest wire \"" + result.maxWireText + "\"", input);
            if (!result.lengthUnit.empty())
                fuzz::fail("metric length with unit \"" + result.lengthUnit + "\"", input);
        }
        if (result.lengthText != "XXX" && !fuzz::isPlainNumber(result.lengthText))
            fuzz::fail("wire length \"" + result.lengthText + "\"", input);
    });
    return 0;
}
