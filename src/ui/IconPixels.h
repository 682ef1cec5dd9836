#pragma once

#include <cstdint>
#include <span>

namespace skyvarre {

// One size of the program icon, decoded from its PNG file when the program
// was built (skyvarre_icon_pixels), so that no start has to decode it.
struct IconPixels
{
    int width;
    int height;
    // width x height premultiplied ARGB values, row after row.
    const std::uint32_t* argb;
};

// Every size of the program icon, smallest first.
std::span<const IconPixels> programIconPixels();

} // namespace skyvarre
