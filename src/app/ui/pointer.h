#pragma once
// The application-wide mouse pointer.

namespace kovolo {

// Back to the normal pointer, however many busy pointers were set.
void restoreNormalPointer();

} // namespace kovolo
