#pragma once
// What the metric/imperial switch changes on the main window: the captions of the unit labels
// and the gauge markers.

#include <array>

namespace kovolo {

struct UnitCaption {
    const char* label;
    const char* imperial;
    const char* metric;
};

inline constexpr std::array<UnitCaption, 26> unitCaptions{{
    // catalog tabs: Da, Di, h
    {"Label123", "in", "mm"},
    {"Label120", "in", "mm"},
    {"Label117", "in", "mm"},
    {"lbFer8", "in", "mm"},
    {"Label90", "in", "mm"},
    {"lbFer90", "in", "mm"},
    {"Label58", "in", "mm"},
    {"Label63", "in", "mm"},
    {"Label64", "in", "mm"},
    {"LabelE58", "in", "mm"},
    {"LabelE63", "in", "mm"},
    {"LabelE64", "in", "mm"},
    {"LabelFerroxcube1", "in", "mm"},
    {"Label112", "in", "mm"},
    {"Label115", "in", "mm"},
    // air coils
    {"Label10", "in", "mm"},
    {"Label11", "in", "mm"},
    {"Label16", "in", "mm"},
    {"Label18", "in", "mm"},
    {"Label23", "AWG", "mm"},
    {"Label25", "in", "mm"},
    {"Label12", "ft", "cm"},
    {"Label13", "AWG", "cm"},
    // turns and wire
    {"Label47", "in", "cm"},
    {"Label50", "AWG", "mm"},
    {"Label124", "AWG", "mm"},
}};

// The "#" markers before a gauge field or result, visible in imperial mode only.
inline constexpr std::array<const char*, 4> gaugeMarkers{
    {"Label92", "Label111", "Label118", "Label126"}};

} // namespace kovolo
