#include "numbers/parse.h"

#include "output/runtimeerror.h"

#include <charconv>
#include <cmath>
#include <cstddef>
#include <string>
#include <system_error>

namespace kovolo::numbers {

namespace {

bool isSkipped(char c)
{
    return c == ' ' || c == '\t' || c == '\n';
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Reads the characters of the text one by one, passing over blanks, tabs and line feeds, and
// treating the first comma as the decimal point.
class Reader {
public:
    explicit Reader(std::string_view text) : text_(text), firstComma_(text.find(',')) {}

    // The next significant character, or '\0' at the end.
    char peek()
    {
        while (pos_ < text_.size() && isSkipped(text_[pos_]))
            ++pos_;
        if (pos_ >= text_.size())
            return '\0';
        if (pos_ == firstComma_)
            return '.';
        const char c = text_[pos_];
        return c == '\0' ? '\x01' : c; // an embedded NUL ends the number like any other stop
    }
    void advance() { ++pos_; }
    std::size_t position() const { return pos_; }
    void rewind(std::size_t pos) { pos_ = pos; }

private:
    std::string_view text_;
    std::size_t firstComma_;
    std::size_t pos_ = 0;
};

// Exponents beyond this cannot change whether a number overflows or underflows unless the
// mantissa has about as many digits, which no text typed or shown by the program has.
constexpr long maxExponentMagnitude = 1000000;

} // namespace

double parseNumber(std::string_view text)
{
    Reader in(text);
    std::string buffer; // the number in the plain form std::from_chars understands
    buffer.reserve(32);

    bool negative = false;
    if (const char c = in.peek(); c == '+' || c == '-') {
        negative = c == '-';
        in.advance();
    }

    // Mantissa: digits with at most one point. Leading zeros are dropped so that the decimal
    // exponent of the first significant digit can be told from the buffer.
    std::string intDigits;
    std::string fracDigits;
    bool seenPoint = false;
    bool anyDigit = false;
    for (char c = in.peek();; c = in.peek()) {
        if (isDigit(c)) {
            anyDigit = true;
            if (seenPoint)
                fracDigits += c;
            else if (!(intDigits.empty() && c == '0'))
                intDigits += c;
            in.advance();
        } else if (c == '.' && !seenPoint) {
            seenPoint = true;
            in.advance();
        } else {
            break;
        }
    }
    if (!anyDigit)
        return 0.0;

    // Exponent: E or e, optional sign, digits. Without digits the letter is not part of it.
    long exponent = 0;
    if (const char c = in.peek(); c == 'E' || c == 'e') {
        const std::size_t mark = in.position();
        in.advance();
        bool expNegative = false;
        if (const char s = in.peek(); s == '+' || s == '-') {
            expNegative = s == '-';
            in.advance();
        }
        bool expDigits = false;
        for (char d = in.peek(); isDigit(d); d = in.peek()) {
            expDigits = true;
            if (exponent < maxExponentMagnitude)
                exponent = exponent * 10 + (d - '0');
            in.advance();
        }
        if (!expDigits) {
            in.rewind(mark);
            exponent = 0;
        } else if (expNegative) {
            exponent = -exponent;
        }
    }

    // Position of the first significant digit relative to the point, for telling an overflow
    // from an underflow.
    const bool allZero =
        intDigits.empty() && fracDigits.find_first_not_of('0') == std::string::npos;
    if (allZero)
        return 0.0;
    long magnitude;
    if (!intDigits.empty())
        magnitude = static_cast<long>(intDigits.size()) - 1 + exponent;
    else
        magnitude = -static_cast<long>(fracDigits.find_first_not_of('0')) - 1 + exponent;

    if (negative)
        buffer += '-';
    buffer += intDigits.empty() ? std::string("0") : intDigits;
    if (!fracDigits.empty()) {
        buffer += '.';
        buffer += fracDigits;
    }
    if (exponent != 0) {
        char digits[24];
        const auto written = std::to_chars(digits, digits + sizeof digits, exponent);
        buffer += 'e';
        buffer.append(digits, written.ptr);
    }

    double value = 0.0;
    const auto result = std::from_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                        std::chars_format::general);
    if (result.ec == std::errc::result_out_of_range) {
        if (magnitude >= 0)
            raiseOverflow();
        return 0.0; // too small to be told from zero
    }
    if (result.ec != std::errc())
        return 0.0;
    if (std::isinf(value))
        raiseOverflow();
    return value;
}

} // namespace kovolo::numbers
