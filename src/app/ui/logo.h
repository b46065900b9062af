#pragma once
// The program's pictures: the logo (ring core with winding) and the window icon.

#include <QIcon>
#include <QPixmap>

namespace kovolo {

// The logo, size x size logical pixels, rendered at the screen's device pixel ratio.
QPixmap logoPixmap(int size);
// The small picture for icon sizes (reads at 16 px), rendered like logoPixmap.
QPixmap iconPixmap(int size);
// The window icon: the small picture up to 32 px, the full logo above.
QIcon programIcon();

} // namespace kovolo
