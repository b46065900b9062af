#pragma once
// The two AL tool windows as sources of the unknown-core tab's copy buttons: frmAL first, then
// frmALZ. A window that is not open offers nothing.

#include "catalogs/ui/coresource.h"

namespace kovolo::tools {

catalogs::CoreSources alToolCoreSources();

} // namespace kovolo::tools
