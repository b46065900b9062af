#include "numbers/keyrules.h"

namespace kovolo::numbers {

char16_t numericKeyFilter(char16_t c)
{
    if (c == 8) // Backspace
        return c;
    if (c < 44 || c > 57)
        c = 0;
    if (c == 45 || c == 47) // "-" and "/" lie between the separators and the digits
        c = 0;
    return c;
}

bool listOnlyKeyAllowed(int virtualKey)
{
    return virtualKey == virtualKeyUp || virtualKey == virtualKeyDown;
}

} // namespace kovolo::numbers
