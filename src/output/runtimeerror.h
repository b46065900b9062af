#pragma once
// Run-time failures of the calculations. A failure has a number and a description; number 6 is
// an arithmetic overflow. The calculations of the main window catch these and report them in the
// message box; every other handler skips the failing step.

#include <stdexcept>
#include <string>

namespace kovolo {

enum class ErrorNumber : int {
    InvalidArgument = 5, // an argument outside a function's domain (square root of a negative)
    Overflow = 6,        // a result outside the range of its type
    OutOfMemory = 7,
    SubscriptOutOfRange = 9, // an index outside a table (a list without a selection)
    DivisionByZero = 11,
    TypeMismatch = 13,  // a conversion that cannot be made
    InternalError = 51, // any other failure
};

class RuntimeError : public std::runtime_error {
public:
    explicit RuntimeError(ErrorNumber number);
    int number() const { return static_cast<int>(number_); }
    ErrorNumber kind() const { return number_; }
    // The program's own plain description of the failure.
    std::string description() const { return what(); }

private:
    ErrorNumber number_;
};

std::string errorDescription(ErrorNumber number);

// Title of the turns calculation's report by language: "Fehler ", "Erreur ", "Errore ",
// "Error " (every other code).
std::string turnsErrorTitle(const std::string& languageCode);

// The failure being handled, as the program's own error: a RuntimeError as it is, any other
// exception mapped to its kind (an index out of range, memory, ...). Call it inside catch (...),
// so that every handler treats every exception by its own rule.
RuntimeError currentFailure() noexcept;

[[noreturn]] void raiseOverflow();
[[noreturn]] void raiseDivisionByZero();
[[noreturn]] void raiseInvalidArgument();
[[noreturn]] void raiseTypeMismatch();

} // namespace kovolo
