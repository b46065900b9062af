// Reactances with an engineering prefix: the number and its suffix give back the reactance
// within the mask's rounding, never "nan" or "inf". Input: the first eight bytes as the bits of
// a double.

#include "fuzzinput.h"
#include "numbers/format.h"

#include <cmath>

using namespace kovolo;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    fuzz::run(input, [&] {
        const double ohm = fuzz::rawDouble(data, size);
        const std::string text = numbers::formatReactance(ohm);
        if (!std::isfinite(ohm)) {
            if (text != "XXX")
                fuzz::fail("non-finite reactance shown as \"" + text + "\"", input);
            return;
        }
        struct Suffix {
            const char* text;
            double factor;
        };
        const Suffix suffixes[] = {{" G", 1e9}, {" M", 1e6}, {" K", 1e3}, {" m", 1e-3}};
        std::string number = text;
        double factor = 1;
        for (const Suffix& s : suffixes) {
            const std::string_view suffix(s.text);
            if (text.size() > suffix.size() &&
                text.compare(text.size() - suffix.size(), suffix.size(), suffix) == 0) {
                number = text.substr(0, text.size() - suffix.size());
                factor = s.factor;
            }
        }
        fuzz::expectReadsBack(number, ohm / factor, 3, input);
    });
    return 0;
}
