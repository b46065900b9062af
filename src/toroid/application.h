#pragma once
// The application check of a winding on an FT ferrite or iron-powder core: recommended maximum
// flux density at the working frequency, the flux density at a given voltage, the core loss per
// volume and in total, and the core's temperature rise. Elsewhere only the reactance is checked.
//
// Units: frequency in MHz (Hz for the reactance and the iron-powder loss law, kHz for the
// ferrite loss law), flux densities in gauss, loss per volume in mW/cm³, loss in W, surface in
// cm², temperature rise in °C. Each formula throws RuntimeError(Overflow) when its result is not
// a finite number.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace kovolo::toroid {

// Exponent c of the maximum-flux law by frequency (0 below 0.1 MHz).
double maxFluxExponent(double megahertz);
// Bmax = 150 · f^(−c) gauss: 150 G at 1 MHz, 57 G at 7 MHz, 30 G at 28 MHz.
double maxFluxDensity(double megahertz);

// Index of "mT" in the flux unit lists; any other index shows gauss.
inline constexpr int fluxUnitMillitesla = 1;
// B / 10 with "####0.0#" in mT, else B with "####0".
std::string fluxText(double gauss, int unitIndex);

// Flux density of N turns at V volts r.m.s.: B = V · 100 / (k · f · N · Ae), with k = 4.44 for
// ferrite and 4.442882919 for iron powder (Ae in cm², f in MHz). Ferrite with Ae 0 gives 0.
double ferriteFluxDensity(double volts, double megahertz, std::int32_t turns, double aeCm2);
double ironFluxDensity(double volts, double megahertz, std::int32_t turns, double aeCm2);

// Loss band of the ferrite tables: 0 below 10 kHz, 1 to 20 kHz, 2 to 100 kHz, 3 to 500 kHz,
// 4 to 1000 kHz, 5 above.
int ferriteLossBand(double kilohertz);

// The two ferrite loss laws with the coefficient K, frequency exponent F and flux exponent E:
// materials 43 to 77 Pv = 10^−10 · K · fk^F · B^E; F, H, J, K and W take B in kilogauss,
// Pv = K · fk^F · (B / 1000)^E.
double ferriteLossLawGauss(double k, double freqExp, double fluxExp, double kilohertz,
                           double gauss);
double ferriteLossLawKilogauss(double k, double freqExp, double fluxExp, double kilohertz,
                               double gauss);
// Whether the catalog has loss data for the material.
bool ferriteHasLossData(int materialIndex);
// Pv of a catalog material at the frequency (kHz) and flux density (G), by its band's law.
double ferriteLossDensity(int materialIndex, double kilohertz, double gauss);

// The iron-powder loss law from the permeability µ: a = π·√µ − 1, b = µ/2166.66 + 1.136,
// g = 2.1977 − µ/1300, Pv = 10^−10 · a · (10^6 · f)^b · B^g (f in MHz).
double ironLossDensity(int mu, double megahertz, double gauss);

// Total loss P = Ve · Pv / 1000.
double coreLoss(double veCm3, double lossDensity);
// The bare ring's surface (both faces, outer and inner cylinder) times 1.5, in cm².
double coolingSurface(double daMm, double diMm, double hMm);
// ΔT = (P · 1000 / A)^0.833.
double temperatureRise(double watts, double surfaceCm2);
// A rise from this value on is shown in red.
inline constexpr double temperatureAlarm = 50.0;

std::string lossDensityText(double lossDensity); // "###0"
std::string lossText(double watts);              // "###0.00" from 0.01 W, "###0.000#" below
std::string temperatureText(double kelvin);      // "##0"

// An iron-powder mix's frequency range in MHz as the catalog shows it: lower bound, three
// points, upper bound ("0,5...5"), each read back in single precision. Throws
// RuntimeError(TypeMismatch) for a text without a point.
struct FrequencyRange {
    float lower = 0;
    float upper = 0;
};
FrequencyRange parseFrequencyRange(std::string_view text);

// --- The check as the application frame runs it ----------------------------------------------

// Everything the check reads, as the controls hold it.
struct CheckInputs {
    std::string frequency;  // Text7
    int frequencyUnit = 2;  // ComboFreq index: Hz, KHz, MHz, GHz
    std::string voltage;    // Text8
    std::string turns;      // the turns result of the turns calculation
    std::string inductance; // Text6
    int inductanceUnit = 1; // ComboL index: nH, µH, mH, H
    int maxFluxUnit = 1;    // Combo3 index: G, mT
    int fluxUnit = 1;       // Combo4 index
    int typeIndex = -1;     // tabs 1 and 2: the selected core
    int materialIndex = -1;
    std::string al;             // tabs 2 to 6: the AL the reactance depends on
    std::string frequencyRange; // tab 2: the mix's range as shown
};

// What a run writes into one result label: a text and/or a colour (red or the normal colour);
// an empty optional leaves that property as it was.
struct ResultUpdate {
    std::optional<std::string> text;
    std::optional<bool> red;
};

struct CheckResult {
    ResultUpdate reactance;   // Label65
    ResultUpdate maxFlux;     // Label70
    ResultUpdate flux;        // Label71
    ResultUpdate lossDensity; // Label73
    ResultUpdate loss;        // Label75
    ResultUpdate temperature; // Label78
    // Whether the run showed a number for the maximum flux and the flux (the unit lists may
    // then show the stored value in another unit).
    bool maxFluxShown = false;
    bool fluxShown = false;
};

// The last maximum flux density and flux density in gauss; they live as long as the window.
struct StoredFlux {
    double maxFlux = 0;
    double flux = 0;
};

// Runs the check for the selected tab (1 FT ferrite and 2 iron powder: the full check; 3 to 6:
// the reactance only; 7: nothing). Never throws: a step that fails is skipped, and a value it
// would have computed is not used further (its label keeps what it showed).
CheckResult runApplicationCheck(int tab, const CheckInputs& inputs, StoredFlux& stored);

} // namespace kovolo::toroid
