#include "platform/Colors.h"

#include <array>

namespace colors {

QColor qbColor(int index)
{
    static constexpr std::array<unsigned, 16> rgb = {0x000000, 0x000080, 0x008000, 0x008080, 0x800000, 0x800080,
                                                     0x808000, 0xC0C0C0, 0x808080, 0x0000FF, 0x00FF00, 0x00FFFF,
                                                     0xFF0000, 0xFF00FF, 0xFFFF00, 0xFFFFFF};
    if (index < 0 || index > 15)
        return {};
    return QColor::fromRgb(rgb[size_t(index)]);
}

QColor pastel(int number)
{
    static constexpr std::array<unsigned, 16> rgb = {0xFFC0C0, 0xFFE0C0, 0xFFFFC0, 0xC0FFC0, 0xC0FFFF, 0xC0C0FF,
                                                     0xFFC0FF, 0xE0E0E0, 0xFF8080, 0xFFC080, 0xFFFF80, 0x80FF80,
                                                     0x80FFFF, 0x8080FF, 0xFF80FF, 0xC0C0C0};
    if (number < 1 || number > 16)
        return {};
    return QColor::fromRgb(rgb[size_t(number - 1)]);
}

QColor fromBgr(unsigned int bgr) { return QColor(int(bgr & 0xFF), int((bgr >> 8) & 0xFF), int((bgr >> 16) & 0xFF)); }

int twipsToPixels(int twips) { return (twips * 96 + 720) / 1440; }

}  // namespace colors
