#include "navigation.h"

#include "scenetypes.h"

ViewNavigation &navigation()
{
    static ViewNavigation values;
    return values;
}

void handOverAngle(float &angle, int32_t &degrees)
{
    degrees = molvix::truncToInt32(angle);
    if (degrees > 359) {
        degrees = 0;
        angle = 0.0f;
    }
    if (degrees < 0) {
        degrees = 359;
        angle = 360.0f;
    }
}
