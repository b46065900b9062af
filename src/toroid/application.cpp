#include "toroid/application.h"

#include "catalogs/ftcatalog.h"
#include "catalogs/ironcatalog.h"
#include "numbers/format.h"
#include "numbers/parse.h"
#include "numbers/units.h"
#include "output/runtimeerror.h"
#include "toroid/inductance.h"
#include "toroid/turns.h"

#include <cmath>
#include <limits>

namespace kovolo::toroid {

namespace {

constexpr double pi = 3.14159265358979;

double finite(double value)
{
    if (!std::isfinite(value))
        raiseOverflow();
    return value;
}

std::size_t index(int i)
{
    if (i < 0)
        raiseTypeMismatch();
    return static_cast<std::size_t>(i);
}

// A number read from a control; one that cannot be read counts as 0.
double read(const std::string& text)
{
    try {
        return numbers::parseNumber(text);
    } catch (...) {
        return 0;
    }
}

std::int32_t readTurns(const std::string& text)
{
    try {
        return numbers::toInt32(numbers::parseNumber(text));
    } catch (...) {
        return 0;
    }
}

// Runs one step; a failing step is skipped.
template <class Step> void step(Step&& s)
{
    try {
        s();
    } catch (...) {
    }
}

const std::string invalid = invalidMark;

// Working frequency in MHz.
double frequencyMHz(const CheckInputs& in)
{
    return finite(read(in.frequency) * numbers::frequencyFactorMHz(in.frequencyUnit));
}

double frequencyHz(const CheckInputs& in)
{
    return finite(read(in.frequency) * numbers::frequencyFactorHz(in.frequencyUnit));
}

double inductanceHenry(const CheckInputs& in)
{
    return finite(read(in.inductance) * numbers::inductanceFactor(in.inductanceUnit));
}

// The maximum flux text and the stored maximum when the frequency allows one.
void showMaxFlux(bool computable, double megahertz, const CheckInputs& in, StoredFlux& stored,
                 CheckResult& r)
{
    r.maxFlux.text = invalid;
    if (!computable)
        return;
    step([&] {
        const double bmax = maxFluxDensity(megahertz);
        stored.maxFlux = bmax;
        r.maxFlux.text = fluxText(bmax, in.maxFluxUnit);
        r.maxFluxShown = true;
    });
}

// Colour and the "XXX" rule of the flux label: red above the maximum, nothing without one.
void showFlux(std::optional<std::string> text, double gauss, const StoredFlux& stored,
              CheckResult& r)
{
    bool red = gauss > stored.maxFlux;
    if (r.maxFlux.text == invalid) {
        text = invalid;
        red = false;
    }
    r.flux.text = text;
    r.flux.red = red;
    r.fluxShown = text.has_value() && *text != invalid;
}

// The flux density of this run (in `gauss`) and its text, from the core's law density(volts,
// turns). Without frequency or turns, or when a step fails, there is no flux this run: the stored
// flux becomes 0 so that nothing further may use an older one.
template <class Density>
std::optional<std::string> computeFlux(double megahertz, const CheckInputs& in, StoredFlux& stored,
                                       double& gauss, Density&& density)
{
    const double volts = read(in.voltage);
    const std::int32_t turns = readTurns(in.turns);
    gauss = 0;
    std::optional<std::string> text;
    if (megahertz > 0 && turns > 0) {
        step([&] {
            gauss = density(volts, turns);
            stored.flux = gauss;
            text = fluxText(gauss, in.fluxUnit);
        });
        if (!text) {
            gauss = 0;
            stored.flux = 0;
        }
    } else {
        text = invalid;
        stored.flux = 0;
    }
    return text;
}

// Loss, surface and temperature rise from the loss per volume.
void showLossAndTemperature(double lossDensity, double ve, double da, double di, double h,
                            CheckResult& r)
{
    r.lossDensity.text = lossDensityText(lossDensity);
    std::optional<double> watts;
    step([&] {
        watts = coreLoss(ve, lossDensity);
        r.loss.text = lossText(*watts);
    });
    std::optional<double> surface;
    step([&] { surface = coolingSurface(da, di, h); });
    step([&] {
        const double rise = temperatureRise(watts.value(), surface.value());
        r.temperature.red = rise >= temperatureAlarm;
        r.temperature.text = temperatureText(rise);
    });
}

// The reactance alone, where the AL decides whether there is one (no test of the inductance).
void reactanceCheck(const CheckInputs& in, CheckResult& r)
{
    step([&] {
        double hz = frequencyHz(in);
        if (read(in.al) == 0)
            hz = 0;
        const double henry = inductanceHenry(in);
        r.reactance.text = hz > 0 ? reactanceText(hz, henry) : invalid;
    });
}

void ferriteCheck(const CheckInputs& in, StoredFlux& stored, CheckResult& r)
{
    using namespace catalogs;
    double f = 0;
    step([&] { f = frequencyMHz(in); });
    showMaxFlux(f >= 0.1 && f <= 30, f, in, stored, r);

    double gauss = 0;
    double ae = 0;
    std::optional<std::string> text =
        computeFlux(f, in, stored, gauss, [&](double volts, std::int32_t turns) {
            ae = ftAe().at(index(in.typeIndex));
            return ae != 0 ? ferriteFluxDensity(volts, f, turns, ae) : 0;
        });
    if (ae == 0)
        text = invalid;
    showFlux(text, gauss, stored, r);

    step([&] {
        double hz = frequencyHz(in);
        if (read(in.turns) == 0)
            hz = 0;
        const double henry = inductanceHenry(in);
        r.reactance.text = hz <= 0 || henry <= 0 ? invalid : reactanceText(hz, henry);
    });

    step([&] {
        if (!ferriteHasLossData(in.materialIndex)) {
            r.lossDensity.text = r.loss.text = r.temperature.text = invalid;
            return;
        }
        if (!(stored.flux > 0))
            return; // loss data but no flux: the loss results stay as they are
        const std::size_t i = index(in.typeIndex);
        const double pv = ferriteLossDensity(in.materialIndex, f * 1000, stored.flux);
        const Catalog& c = ftCatalog();
        showLossAndTemperature(pv, ftVe().at(i), c.da.at(i), c.di.at(i), c.h.at(i), r);
    });
}

void ironCheck(const CheckInputs& in, StoredFlux& stored, CheckResult& r)
{
    using namespace catalogs;
    double f = 0;
    step([&] { f = frequencyMHz(in); });
    FrequencyRange range;
    step([&] { range = parseFrequencyRange(in.frequencyRange); });
    // A frequency beyond the single range lies outside every mix's range.
    bool inRange = false;
    step([&] {
        const float single = numbers::toSingle(f);
        inRange = !(single < range.lower || single > range.upper);
    });
    if (!inRange)
        f = 0; // outside the mix's range nothing but the reactance is computed
    showMaxFlux(inRange, f, in, stored, r);

    double gauss = 0;
    const std::optional<std::string> text =
        computeFlux(f, in, stored, gauss, [&](double volts, std::int32_t turns) {
            return ironFluxDensity(volts, f, turns, ironAe().at(index(in.typeIndex)));
        });
    showFlux(text, gauss, stored, r);

    // The reactance does not depend on the range: the frequency is read afresh.
    reactanceCheck(in, r);

    if (stored.flux > 0) {
        step([&] {
            const std::size_t i = index(in.typeIndex);
            const Catalog& c = ironCatalog();
            const double pv = ironLossDensity(c.mu.at(index(in.materialIndex)), f, stored.flux);
            showLossAndTemperature(pv, ironVe().at(i), c.da.at(i), c.di.at(i), c.h.at(i), r);
        });
    } else {
        r.lossDensity.text = r.loss.text = r.temperature.text = invalid;
        r.temperature.red = false;
    }
}

} // namespace

double maxFluxExponent(double megahertz)
{
    const double f = megahertz;
    if (f >= 0.1 && f < 1)
        return 0.52287875;
    if (f >= 1 && f <= 7.1)
        return 0.49723983;
    if (f > 7.1 && f <= 14.1)
        return 0.48685;
    if (f > 14.1 && f <= 21.1)
        return 0.46874884;
    if (f > 21.1)
        return 0.48299494;
    return 0;
}

double maxFluxDensity(double megahertz)
{
    return finite(150 * std::pow(megahertz, -maxFluxExponent(megahertz)));
}

std::string fluxText(double gauss, int unitIndex)
{
    if (unitIndex == fluxUnitMillitesla)
        return numbers::formatMask(gauss / 10, "####0.0#");
    return numbers::formatMask(gauss, "####0");
}

double ferriteFluxDensity(double volts, double megahertz, std::int32_t turns, double aeCm2)
{
    if (aeCm2 == 0)
        return 0;
    return finite(volts * 100 / (4.44 * megahertz * turns * aeCm2));
}

double ironFluxDensity(double volts, double megahertz, std::int32_t turns, double aeCm2)
{
    return finite(volts * 100 / (4.442882919 * megahertz * turns * aeCm2));
}

int ferriteLossBand(double kilohertz)
{
    if (kilohertz < 10)
        return 0;
    if (kilohertz < 20)
        return 1;
    if (kilohertz < 100)
        return 2;
    if (kilohertz < 500)
        return 3;
    if (kilohertz < 1000)
        return 4;
    return 5;
}

double ferriteLossLawGauss(double k, double freqExp, double fluxExp, double kilohertz, double gauss)
{
    return finite(1e-10 * k * std::pow(kilohertz, freqExp) * std::pow(gauss, fluxExp));
}

double ferriteLossLawKilogauss(double k, double freqExp, double fluxExp, double kilohertz,
                               double gauss)
{
    return finite(k * std::pow(kilohertz, freqExp) * std::pow(gauss / 1000, fluxExp));
}

bool ferriteHasLossData(int materialIndex)
{
    return catalogs::ftLossCoeff()[0].at(index(materialIndex)) != 0;
}

double ferriteLossDensity(int materialIndex, double kilohertz, double gauss)
{
    using namespace catalogs;
    const std::size_t m = index(materialIndex);
    const auto band = static_cast<std::size_t>(ferriteLossBand(kilohertz));
    const double k = ftLossCoeff()[band].at(m);
    const double freqExp = ftLossFreqExp()[band].at(m);
    const double fluxExp = ftLossFluxExp()[band].at(m);
    // The materials from "F" on give their law for the flux density in kilogauss.
    constexpr std::size_t firstKilogaussMaterial = 8;
    if (m >= firstKilogaussMaterial)
        return ferriteLossLawKilogauss(k, freqExp, fluxExp, kilohertz, gauss);
    return ferriteLossLawGauss(k, freqExp, fluxExp, kilohertz, gauss);
}

double ironLossDensity(int mu, double megahertz, double gauss)
{
    const double a = pi * std::sqrt(static_cast<double>(mu)) - 1;
    const double b = mu / 2166.66 + 1.136;
    const double g = 2.1977 - mu / 1300.0;
    return finite(1e-10 * a * std::pow(1e6 * megahertz, b) * std::pow(gauss, g));
}

double coreLoss(double veCm3, double lossDensity)
{
    return finite(veCm3 * lossDensity / 1000);
}

double coolingSurface(double daMm, double diMm, double hMm)
{
    const double halfPi = pi / 2;
    return finite(1.5 * (halfPi * ((daMm * daMm - diMm * diMm) + (daMm + diMm) * 2 * hMm) / 100));
}

double temperatureRise(double watts, double surfaceCm2)
{
    return finite(std::pow(watts * 1000 / surfaceCm2, 0.833));
}

std::string lossDensityText(double lossDensity)
{
    return numbers::formatMask(lossDensity, "###0");
}

std::string lossText(double watts)
{
    return numbers::formatMask(watts, watts >= 0.01 ? "###0.00" : "###0.000#");
}

std::string temperatureText(double kelvin)
{
    return numbers::formatMask(kelvin, "##0");
}

FrequencyRange parseFrequencyRange(std::string_view text)
{
    const std::size_t first = text.find('.');
    const std::size_t last = text.rfind('.');
    if (first == std::string_view::npos)
        raiseTypeMismatch();
    FrequencyRange range;
    range.lower = numbers::toSingle(numbers::parseNumber(text.substr(0, first)));
    range.upper = numbers::toSingle(numbers::parseNumber(text.substr(last + 1)));
    return range;
}

CheckResult runApplicationCheck(int tab, const CheckInputs& inputs, StoredFlux& stored)
{
    CheckResult result;
    try {
        if (tab == 1)
            ferriteCheck(inputs, stored, result);
        else if (tab == 2)
            ironCheck(inputs, stored, result);
        else if (tab >= 3 && tab <= 6)
            reactanceCheck(inputs, result);
    } catch (...) {
        // Every step guards itself; nothing may leave the check.
    }
    return result;
}

} // namespace kovolo::toroid
