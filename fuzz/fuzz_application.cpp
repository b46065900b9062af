// The application check on typed text for every tab: each label it writes gets a number, a
// mark or nothing, never "nan" or "inf"; the check itself never throws. Input:
// "tab|frequency|frequency unit|voltage|turns|inductance|inductance unit|type|material|AL|
// frequency range|flux units".

#include "catalogs/ftcatalog.h"
#include "catalogs/ironcatalog.h"
#include "fuzzinput.h"
#include "toroid/application.h"

using namespace kovolo;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const fuzz::Fields fields(data, size);
    const std::string_view input = fields.whole();
    const int tab = 1 + fields.choice(0, 7);
    toroid::CheckInputs in;
    in.frequency = fields.text(1);
    in.frequencyUnit = fields.choice(2, 4);
    in.voltage = fields.text(3);
    in.turns = fields.text(4);
    in.inductance = fields.text(5);
    in.inductanceUnit = fields.choice(6, 4);
    const catalogs::Catalog& catalog = tab == 1 ? catalogs::ftCatalog() : catalogs::ironCatalog();
    // The lists always hold a selection; a few inputs try none.
    in.typeIndex = fields.choice(7, 100) - 1;
    in.materialIndex = fields.choice(8, 30) - 1;
    if (in.typeIndex >= static_cast<int>(catalog.types.size()))
        in.typeIndex %= static_cast<int>(catalog.types.size());
    if (in.materialIndex >= static_cast<int>(catalog.materials.size()))
        in.materialIndex %= static_cast<int>(catalog.materials.size());
    in.al = fields.text(9);
    in.frequencyRange = fields.text(10);
    in.maxFluxUnit = fields.choice(11, 2);
    in.fluxUnit = fields.flag(11) ? 0 : 1;

    toroid::StoredFlux stored;
    toroid::CheckResult result;
    try {
        result = toroid::runApplicationCheck(tab, in, stored);
    } catch (...) {
        fuzz::fail("the application check threw", input);
    }
    for (const toroid::ResultUpdate* update :
         {&result.reactance, &result.maxFlux, &result.flux, &result.lossDensity, &result.loss,
          &result.temperature}) {
        if (!update->text)
            continue;
        // The reactance carries its prefix ("1.50 K"); the number before it must be sound.
        std::string text = *update->text;
        for (const char* suffix : {" G", " M", " K", " m"})
            if (text.size() > 2 && text.compare(text.size() - 2, 2, suffix) == 0)
                text.resize(text.size() - 2);
        fuzz::expectResultText(text, input);
    }
    return 0;
}
