#include "output/runtimeerror.h"

namespace kovolo {

std::string errorDescription(ErrorNumber number)
{
    switch (number) {
    case ErrorNumber::InvalidArgument:
        return "Invalid argument: a value lies outside the range the calculation accepts.";
    case ErrorNumber::Overflow:
        return "Overflow: a number is too large for the calculation.";
    case ErrorNumber::DivisionByZero:
        return "Division by zero.";
    case ErrorNumber::TypeMismatch:
        return "Type mismatch: a value cannot be converted.";
    }
    return "Unknown error.";
}

RuntimeError::RuntimeError(ErrorNumber number)
    : std::runtime_error(errorDescription(number)), number_(number)
{
}

std::string turnsErrorTitle(const std::string& languageCode)
{
    if (languageCode == "deutsch")
        return "Fehler ";
    if (languageCode == "franz")
        return "Erreur ";
    if (languageCode == "ital")
        return "Errore ";
    return "Error ";
}

void raiseOverflow()
{
    throw RuntimeError(ErrorNumber::Overflow);
}
void raiseDivisionByZero()
{
    throw RuntimeError(ErrorNumber::DivisionByZero);
}
void raiseInvalidArgument()
{
    throw RuntimeError(ErrorNumber::InvalidArgument);
}
void raiseTypeMismatch()
{
    throw RuntimeError(ErrorNumber::TypeMismatch);
}

} // namespace kovolo
