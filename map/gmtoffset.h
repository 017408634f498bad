// SPDX-License-Identifier: MIT

#pragma once

#include <QString>

// "GMT+5:30", "GMT-3:30", "GMT+0:00": the offset's text in captions, tips and the map label.
// The sign of a negative offset comes from the hour number.
QString FormatGmtOffset(float offset);
