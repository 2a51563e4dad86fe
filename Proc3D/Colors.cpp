// HeightColor: the colours of the graph, 0x00BBGGRR.
#include "Proc3D/Proc3D.h"

#include <cstdint>

namespace Proc3D {

uint32_t HeightColor(uint32_t Index)
{
    if (Index > TopRampStep) return 0xFFFFFF;
    const uint32_t O = Index & 0xFF;  // step within the segment
    switch (Index >> 8) {
    case 0:
        return 0xFF00FF - O;  // magenta -> blue
    case 1:
        return 0xFF0000 + O * 0x100;  // blue -> cyan
    case 2:
        return 0x00FF00 + (255 - O) * 0x10000;  // cyan -> green
    case 3:
        return 0x00FF00 + O;  // green -> yellow
    case 4:
        return 0x0000FF + (255 - O) * 0x100;  // yellow -> red
    default:
        return 0x0000FF + O * 0x10100;  // red -> white
    }
}

}  // namespace Proc3D
