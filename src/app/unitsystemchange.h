#pragma once
// Windows that follow the unit system while they are open register here; the unit menu tells
// them after it has switched the main window.

#include <functional>

namespace kovolo {

using UnitSystemListener = std::function<void(bool imperial)>;

// Registers a listener; the handle removes it again.
int addUnitSystemListener(UnitSystemListener listener);
void removeUnitSystemListener(int handle);

// Calls every registered listener in the order of registration. A listener that fails does not
// keep the others from being told; a listener may remove itself (or others) while it runs.
void notifyUnitSystemChanged(bool imperial);

} // namespace kovolo
