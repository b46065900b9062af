#pragma once
// What every fuzz target shares: reading the fuzzer's bytes as fields, and the invariants the
// program's texts must keep. A broken invariant prints what happened and aborts, which the
// fuzzer (or the corpus run of the tests) reports with the input that caused it.

#include "output/runtimeerror.h"

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <exception>
#include <string>
#include <string_view>
#include <vector>

namespace kovolo::fuzz {

// The input as text fields separated by '|' ("10|1|4.9"), so that seed files stay readable;
// a missing field is the empty text.
class Fields {
public:
    Fields(const std::uint8_t* data, std::size_t size)
        : whole_(reinterpret_cast<const char*>(data), size)
    {
        std::size_t start = 0;
        for (;;) {
            const std::size_t bar = whole_.find('|', start);
            fields_.push_back(
                whole_.substr(start, bar == std::string_view::npos ? bar : bar - start));
            if (bar == std::string_view::npos)
                break;
            start = bar + 1;
        }
    }
    std::string_view whole() const { return whole_; }
    std::string text(std::size_t i) const
    {
        return i < fields_.size() ? std::string(fields_[i]) : std::string();
    }
    // A small choice from the field's first character (digits give their value).
    int choice(std::size_t i, int count) const
    {
        const std::string t = text(i);
        if (t.empty() || count <= 0)
            return 0;
        const int c = static_cast<unsigned char>(t[0]);
        return (c >= '0' && c <= '9' ? c - '0' : c) % count;
    }
    bool flag(std::size_t i) const { return choice(i, 2) == 1; }

private:
    std::string_view whole_;
    std::vector<std::string_view> fields_;
};

// The bit pattern of the first bytes as a number: every double, infinities and NaN included.
inline double rawDouble(const std::uint8_t* data, std::size_t size)
{
    double value = 0;
    std::memcpy(&value, data, size < sizeof value ? size : sizeof value);
    return value;
}
inline float rawFloat(const std::uint8_t* data, std::size_t size)
{
    float value = 0;
    std::memcpy(&value, data, size < sizeof value ? size : sizeof value);
    return value;
}

[[noreturn]] void fail(const std::string& what, std::string_view input);

// No "nan" or "inf" in any case: a result text never shows them.
void expectNoNonFinite(const std::string& text, std::string_view input);
// A number as formatMask writes it ("-12.5", "0,25", ".50"), or the empty text when allowEmpty.
bool isPlainNumber(const std::string& text);
// What a result label may show: a plain number, an invalid-result mark ("XXX", "xxx") or
// nothing; anything else is a finding.
void expectResultText(const std::string& text, std::string_view input);
// The text of a formatted value reads back within the rounding of a mask with `decimals`
// decimals (and the 15 significant digits every mask keeps).
void expectReadsBack(const std::string& text, double value, int decimals, std::string_view input);
// Decimals a mask rounds to: the "0" and "#" after its point.
int maskDecimals(std::string_view mask);

// Runs one input: the program's own RuntimeError is an accepted outcome, any other exception a
// finding.
template <class Body> void run(std::string_view input, Body&& body)
{
    try {
        body();
    } catch (const RuntimeError&) {
        // the failure the calling handler reports or skips
    } catch (const std::exception& e) {
        fail(std::string("foreign exception: ") + e.what(), input);
    } catch (...) {
        fail("foreign exception of no standard type", input);
    }
}

} // namespace kovolo::fuzz
