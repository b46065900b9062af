#include "app/globals.h"

namespace kovolo {

Globals& globals()
{
    static Globals instance;
    return instance;
}

void resetGlobals()
{
    globals() = Globals{};
}

} // namespace kovolo
