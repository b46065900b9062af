#include "fuzzinput.h"

#include "numbers/parse.h"

#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace kovolo::fuzz {

void fail(const std::string& what, std::string_view input)
{
    std::fprintf(stderr, "\n*** invariant broken: %s\n*** input (%zu bytes): ", what.c_str(),
                 input.size());
    for (const char c : input) {
        if (std::isprint(static_cast<unsigned char>(c)))
            std::fputc(c, stderr);
        else
            std::fprintf(stderr, "\\x%02x", static_cast<unsigned char>(c));
    }
    std::fputc('\n', stderr);
    std::abort();
}

void expectNoNonFinite(const std::string& text, std::string_view input)
{
    std::string lower;
    for (const char c : text)
        lower += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (lower.find("nan") != std::string::npos || lower.find("inf") != std::string::npos)
        fail("non-finite value shown: \"" + text + "\"", input);
}

bool isPlainNumber(const std::string& text)
{
    std::size_t i = 0;
    if (i < text.size() && text[i] == '-')
        ++i;
    bool digits = false;
    bool separator = false;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (c >= '0' && c <= '9')
            digits = true;
        else if ((c == '.' || c == ',') && !separator)
            separator = true;
        else
            return false;
    }
    return digits;
}

void expectResultText(const std::string& text, std::string_view input)
{
    expectNoNonFinite(text, input);
    if (!text.empty() && text != "XXX" && text != "xxx" && !isPlainNumber(text))
        fail("result text \"" + text + "\"", input);
}

int maskDecimals(std::string_view mask)
{
    const std::size_t point = mask.find('.');
    if (point == std::string_view::npos)
        return 0;
    int decimals = 0;
    for (std::size_t i = point + 1; i < mask.size(); ++i)
        if (mask[i] == '0' || mask[i] == '#')
            ++decimals;
    return decimals;
}

void expectReadsBack(const std::string& text, double value, int decimals, std::string_view input)
{
    expectNoNonFinite(text, input);
    if (!isPlainNumber(text))
        fail("not a number: \"" + text + "\"", input);
    double back = 0;
    try {
        back = numbers::parseNumber(text);
    } catch (const RuntimeError&) {
        fail("the program cannot read its own text \"" + text.substr(0, 40) + "\"", input);
    }
    const double tolerance =
        0.5 * std::pow(10.0, -decimals) * (1 + 1e-9) + 1e-14 * std::fabs(value) + 1e-300;
    if (!(std::fabs(back - value) <= tolerance))
        fail("\"" + text.substr(0, 40) + "\" does not read back as " + std::to_string(value),
             input);
    if (text[0] == '-' && back == 0)
        fail("negative zero shown: \"" + text + "\"", input);
}

} // namespace kovolo::fuzz
