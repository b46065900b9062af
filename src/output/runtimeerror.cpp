#include "output/runtimeerror.h"

#include <exception>
#include <new>
#include <stdexcept>

namespace kovolo {

std::string errorDescription(ErrorNumber number)
{
    switch (number) {
    case ErrorNumber::InvalidArgument:
        return "Invalid argument: a value lies outside the range the calculation accepts.";
    case ErrorNumber::Overflow:
        return "Overflow: a number is too large for the calculation.";
    case ErrorNumber::OutOfMemory:
        return "Out of memory.";
    case ErrorNumber::SubscriptOutOfRange:
        return "Subscript out of range: no entry is selected.";
    case ErrorNumber::DivisionByZero:
        return "Division by zero.";
    case ErrorNumber::TypeMismatch:
        return "Type mismatch: a value cannot be converted.";
    case ErrorNumber::InternalError:
        return "Internal error: the step could not be carried out.";
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

RuntimeError currentFailure() noexcept
{
    try {
        throw;
    } catch (const RuntimeError& error) {
        return error;
    } catch (const std::out_of_range&) {
        return RuntimeError(ErrorNumber::SubscriptOutOfRange);
    } catch (const std::bad_alloc&) {
        return RuntimeError(ErrorNumber::OutOfMemory);
    } catch (const std::overflow_error&) {
        return RuntimeError(ErrorNumber::Overflow);
    } catch (const std::domain_error&) {
        return RuntimeError(ErrorNumber::InvalidArgument);
    } catch (const std::invalid_argument&) {
        return RuntimeError(ErrorNumber::InvalidArgument);
    } catch (...) {
        return RuntimeError(ErrorNumber::InternalError);
    }
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
