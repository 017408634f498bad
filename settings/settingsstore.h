// SPDX-License-Identifier: MIT

#pragma once

#include "settings/settingsowner.h"

// The settings store: every option under "Software\Brambleway\Orbiclock" (the user's settings
// file), in eight keys of 32-bit values (and the pins' texts). Each operation opens what it needs
// and closes it; what was read and written is noted in the owner (settings/settingsowner.h) for
// the next save.
//
// Stored values that are not usable are never handed on:
// - a value that is missing, not a number or longer than 32 bits keeps the owner's value;
// - "Home Country" and "Current Selection" outside the places (0-351) become -1;
// - "City" and "Home City" (GeoNames ids) other than -1 or above 0 keep the owner's;
// - a flag other than 0 counts as 1;
// - "Daylight Saving Option" outside 0-3 keeps the owner's option;
// - a daylight week, month or day outside its list becomes -1 (no date);
// - a clock colour above 0x00FFFFFF keeps the clock's colour;
// - "Land Colour" or "Sea Colour" outside 0-7 (-1 included) keeps the map's pair (or, when the
//   map has none, the picture's own: land 2, sea 1);
// - "Scroll Speed" of 0 or less keeps the map's acceleration;
// - in "Pinned Places", a pin whose place is missing or outside the places is left out, as is
//   any beyond PinnedPlaces::MaxCount; a city id other than above 0, or a zone no database
//   spells so, is dropped from its pin; labels are cleaned (zones/pinnedplaces.h);
// - "Width" and "Height" outside 1-32767 keep the window's size, and "Left" and "Top" outside
//   -32768-32767 (or one of them missing) its place; whether the place is on a screen is for the
//   window to find out.

inline constexpr char ProductKeyPath[] = "Software\\Brambleway\\Orbiclock";
inline constexpr int SettingsLayoutVersion = 3;

// True when no "\Version" key exists: the whole product key is then deleted (a first start, or a
// store left by a layout without that key). A damaged file (registrykey.h), or one with a group
// no layout has, is not taken for an old layout: it is kept, copied aside as damaged, and read as
// far as it goes. Asked twice at start-up; both report true on a
// first start.
bool IsNewSettingsVersion();

// Reads \General, \Current Selection and \Home Country into the owner's general settings, and
// \Pinned Places into its pins.
void LoadGeneralSettings(SettingsOwner &owner);

// Reads \Clocks, \Map and \Window: each clock's colour and seconds, then the map's two colours
// together, then its acceleration, then the window's size and place.
void LoadClockAndMapSettings(SettingsOwner &owner);

// Writes, from its owner, the values it changed since this store last read or wrote them (all of
// them, "Version Number" 3 included, when it has done neither), merged under the file's lock with
// what is stored now: a value another copy stored meanwhile stays unless this owner changed it
// too. A value that was read unusable, or has gone from the file, is written unless another copy
// stored one meanwhile. Returns
// false when the file could not be read or written; it is then left as it was, and the next save
// tries the same values again. The pinned places are written as a whole, when the owner's differ
// from those this store last read or wrote.
bool SaveSettings(SettingsOwner &owner);
