#pragma once
// The small captionless labels that show a material's colour code by their background.

#include <cstdint>

class QLabel;
class QWidget;

namespace kovolo::catalogs {

// A swatch with a thin dark frame, so that a white code stays visible.
QLabel* makeSwatch(QWidget* parent, const char* name);
// Fills the swatch with 0xRRGGBB.
void showSwatchColour(QLabel* swatch, std::uint32_t rgb);
// Gives the swatch the normal background of its surroundings: no colour code.
void showNormalBackground(QLabel* swatch);

} // namespace kovolo::catalogs
