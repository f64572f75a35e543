#pragma once

#include <cstdint>

// A colour as 0x00BBGGRR: red in the low byte. 0 is black.
using TColor = int32_t;

namespace molvix {

// Float to int32 by truncation toward zero, saturating instead of
// overflowing: NaN gives 0, values beyond the int32 range its ends.
constexpr int32_t truncToInt32(float v)
{
    if (!(v == v)) {
        return 0;
    }
    if (v >= 2147483648.0f) {
        return INT32_MAX;
    }
    if (v <= -2147483648.0f) {
        return INT32_MIN;
    }
    return static_cast<int32_t>(v);
}

} // namespace molvix
