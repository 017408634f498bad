// SPDX-License-Identifier: MIT

#include "map/gmtoffset.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

QString FormatGmtOffset(float offset)
{
    const int hours = static_cast<int>(std::trunc(offset));
    const int minutes = std::abs(static_cast<int>(std::trunc((offset - hours) * 60.0f)));
    char text[32];
    std::snprintf(text, sizeof text, "GMT%s%d:%.2d", offset >= 0.0f ? "+" : "", hours, minutes);
    return QString::fromLatin1(text);
}
