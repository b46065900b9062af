#include "toroid/turns.h"

#include "numbers/format.h"
#include "numbers/parse.h"
#include "numbers/wire.h"
#include "output/runtimeerror.h"

#include <cmath>
#include <limits>

namespace kovolo::toroid {

float wireDiameterFromText(std::string_view text, bool imperial)
{
    float d =
        imperial ? numbers::awgToDiameter(text) : numbers::toSingle(numbers::parseNumber(text));
    return d < 0 ? 0.0f : d;
}

float dimensionFromText(std::string_view text)
{
    return numbers::toSingle(numbers::parseNumber(text));
}

UnknownCoreCheck checkUnknownCore(double al, float da, float di, float h)
{
    UnknownCoreCheck check;
    if (!(al > 0) || !(da > 0) || !(di > 0) || !(h > 0)) {
        check.usable = false;
        check.clearAl = !(al > 0);
        check.clearH = !(h > 0);
        check.clearDa = !(da > 0);
        check.clearDi = !(di > 0);
    } else if (di >= da) {
        check.usable = false;
        check.clearDa = check.clearDi = true;
    }
    return check;
}

std::int32_t turnsFor(double inductanceHenry, double alHenryPerTurn2)
{
    if (alHenryPerTurn2 == 0)
        raiseDivisionByZero();
    const double quotient = inductanceHenry / alHenryPerTurn2;
    if (std::isinf(quotient))
        raiseOverflow();
    if (quotient < 0 || std::isnan(quotient))
        raiseInvalidArgument();
    const double x = std::sqrt(quotient);
    // A root that is a whole number up to rounding noise needs exactly that many turns.
    const double nearest = std::round(x);
    const double turns = std::fabs(x - nearest) <= 1e-12 * nearest ? nearest : std::ceil(x);
    if (turns > static_cast<double>(std::numeric_limits<std::int32_t>::max()))
        raiseOverflow();
    return static_cast<std::int32_t>(turns);
}

TurnsResult computeTurns(double inductanceHenry, double alHenryPerTurn2,
                         const catalogs::CoreDimensions& core, float wireDiameterMm, bool imperial)
{
    TurnsResult result;
    const std::int32_t n = turnsFor(inductanceHenry, alHenryPerTurn2);
    result.turns = n;
    result.turnsText = numbers::formatInteger(n);

    float maxWire = 0;
    float length = 0; // cm
    if (n > 0) {
        maxWire = numbers::maxWireDiameter(n, core.di);
        // Per turn the perimeter of the core's cross-section, plus twice the wire diameter
        // because the wire's centre runs half a diameter outside each of the four faces. The
        // sum is formed in double precision: in single precision 36.2 mm can come out just
        // below 36.2 and then be shown one tenth of a centimetre short.
        const double da = core.da;
        const double di = core.di;
        const double h = core.h;
        const double d = wireDiameterMm;
        const double perTurn = (da - di) + 2 * h + 2 * d;
        length = numbers::toSingle(perTurn * n / 10.0);
    }

    result.maxWireText =
        imperial ? numbers::diameterToAwg(maxWire) : numbers::formatMask(maxWire, "###0.0#");
    if (imperial) {
        result.lengthText =
            numbers::formatImperialLength(numbers::toSingle(length * 10.0), result.lengthUnit);
    } else {
        // Adding 0.05 before rounding to one decimal never shows less than the wire needed.
        result.lengthText = numbers::formatMask(static_cast<double>(length) + 0.05, "###0.0");
    }
    if (wireDiameterMm > maxWire)
        result.lengthText = invalidMark;
    return result;
}

std::string leadLengthHint(const std::string& languageCode)
{
    if (languageCode == "deutsch")
        return "+ Anschlusslänge | Nicht die Anschlusslänge vergessen!";
    if (languageCode == "franz")
        return "+ connexion | ne pas oublier les connexions!";
    if (languageCode == "span")
        return "+ rabillos | ¡No se olvide de los rabillos!";
    if (languageCode == "ital")
        return "+ Collegamento Lunghezza | Non dimenticare la lunghezza del collegamento!";
    if (languageCode == "cz")
        return "+ Lead drát | Nezapomeňte spojovací dráty!";
    return "+ leads | Don't forget the leads!";
}

} // namespace kovolo::toroid
