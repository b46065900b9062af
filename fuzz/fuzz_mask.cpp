// Display masks: every finite value becomes a plain number that reads back within the mask's
// rounding, non-finite values become the invalid-result mark, never "nan" or "inf".
// Input: "mask|value|separator" (value as C text, "1e308", "inf"), and the first eight bytes as
// the bits of a double shown with the program's masks.

#include "fuzzinput.h"
#include "numbers/format.h"

#include <charconv>
#include <cmath>

using namespace kovolo;

namespace {

const char* const programMasks[] = {"###0.0#", "###0.0",   "##0.00#", "###0.0###", "####0.00#",
                                    "####0",   "####0.0#", "###0",    "###0.00",   "###0.000#",
                                    "##0",     "###0.0##", "##0.0#",  "#####0"};

void check(double value, const std::string& mask, const std::string& separator,
           std::string_view input)
{
    const std::string text = numbers::formatMask(value, mask, separator);
    if (!std::isfinite(value)) {
        if (text != "XXX")
            fuzz::fail("non-finite value shown as \"" + text + "\"", input);
        return;
    }
    // A mask without a "0" shows a value that rounds to zero as nothing at all.
    const std::string_view integerPart = std::string_view(mask).substr(0, mask.find('.'));
    if (text.empty() && integerPart.find('0') == std::string_view::npos && std::fabs(value) < 1)
        return;
    std::string withPoint = text;
    if (separator == ",")
        for (char& c : withPoint)
            if (c == ',')
                c = '.';
    fuzz::expectReadsBack(withPoint, value, fuzz::maskDecimals(mask), input);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const fuzz::Fields fields(data, size);
    fuzz::run(fields.whole(), [&] {
        // A mask as the program writes them: "#", "0" and at most one ".", at most 30 long.
        std::string mask;
        bool point = false;
        for (const char c : fields.text(0)) {
            if (mask.size() >= 30)
                break;
            if (c == '#' || c == '0' || (c == '.' && !point)) {
                point = point || c == '.';
                mask += c;
            }
        }
        const std::string valueText = fields.text(1);
        double value = 0;
        std::from_chars(valueText.data(), valueText.data() + valueText.size(), value);
        const std::string separator = fields.flag(2) ? "," : ".";
        check(value, mask, separator, fields.whole());

        const double raw = fuzz::rawDouble(data, size);
        for (const char* programMask : programMasks)
            check(raw, programMask, ".", fields.whole());
    });
    return 0;
}
