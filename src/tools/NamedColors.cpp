#include "NamedColors.h"

std::span<const TNamedColor> PickerColors()
{
    static const TNamedColor colors[] = {
        {"white", 0xFFFFFF},
        {"red", 0xFF0000},
        {"blue", 0x0000FF},
        {"black", 0x000000},
        {"green", 0x008000},
        {"yellow", 0xFFFF00},
        {"cyan", 0x00FFFF},
        {"magenta", 0xFF00FF},
        {"purple", 0x800080},
        {"navy", 0x000080},
        {"olive", 0x808000},
        {"lime", 0x00FF00},
        {"aqua", 0x00FFFF},
        {"teal", 0x008080},
        {"silver", 0xC0C0C0},
        {"maroon", 0x800000},
    };
    return colors;
}
