// SPDX-License-Identifier: MIT

#pragma once

#include "zones/daylight.h"
#include "zones/pinnedplaces.h"

#include <QMap>
#include <QString>

#include <cstdint>
#include <optional>

// The main window's stored values, with their defaults. Daylight option: 0 DaylightAuto,
// 1 DaylightByHand, 2 DaylightNotAdjusted, 3 DaylightNone (home/daylightoption.h).
struct GeneralSettings
{
    int showAtStartup = 0;
    int selectByListOnly = 0;
    int showDaylightSaving = 1;
    int currentSelection = -1; // -1 or a country index
    int homeCountry = -1;      // -1 or a country index
    int daylightOption = 0;
    int useUserDaylightDates = 0;
    OwnDaylightDates ownDates; // each -1 or a position in its list
    // Times from the computer's time-zone database (1) or from the built-in table (0). A store
    // written before this value existed has none: it opens with the database.
    int useTimeZoneDatabase = 1;
    // The city chosen as the selection or as home, by its GeoNames id (zones/citytable.h), or
    // -1. Only the time-zone database's mode follows it; a store without it has none.
    int currentCity = -1;
    int homeCity = -1;

    friend bool operator==(const GeneralSettings &, const GeneralSettings &) = default;
};

// The main window's size and, where the desktop tells it (X11), the place of its inside on the
// desktop. A width or height of 0 is none; the place counts only with hasPosition.
struct WindowPlacement
{
    int width = 0;
    int height = 0;
    bool hasPosition = false;
    int x = 0;
    int y = 0;
    int maximised = 0; // the size and place are then those it has when not maximised

    friend bool operator==(const WindowPlacement &, const WindowPlacement &) = default;
};

// The four clocks, in the order their values are stored.
enum class SettingsClock
{
    HomeTime,
    HomeDate,
    SelectedTime,
    SelectedDate,
};

// The colour of a clock whose colour nobody chose (it follows the desktop's): never stored.
inline constexpr std::uint32_t UnchosenColour = 0xFF000000;

// What the store last read or wrote for one owner, so that a save writes only what the owner
// changed since: two running copies that change different values both keep theirs.
struct StoredRecord
{
    QMap<QString, std::int32_t> values; // "Group/Name" -> the owner's value then
    // Values read as something the owner could not take (or missing): their text then. A save
    // writes the owner's value in their place unless another writer has stored one meanwhile.
    QMap<QString, std::optional<QString>> unusable;
    // The pinned places as last read or written; nothing before either.
    std::optional<std::vector<PinnedPlace>> pins;
};

// Whoever holds the stored values between a load and a save: the main window, which hands each
// value on to the object owning it. A getter gives the value in use now (before a load: the
// default); the store calls a setter only with a value it read and found valid.
class SettingsOwner
{
public:
    virtual ~SettingsOwner() = default;

    // The main window's check boxes, show-at-startup flag, selection, home and daylight handling.
    virtual GeneralSettings GetGeneralSettings() const = 0;
    virtual void SetGeneralSettings(const GeneralSettings &values) = 0;

    // A clock's text colour, a COLORREF (0x00BBGGRR), or UnchosenColour.
    virtual std::uint32_t GetClockColour(SettingsClock clock) const = 0;
    virtual void SetClockColour(SettingsClock clock, std::uint32_t colour) = 0;

    // Whether a time clock shows seconds (0 or 1); only HomeTime and SelectedTime are asked.
    virtual int GetClockShowSeconds(SettingsClock clock) const = 0;
    virtual void SetClockShowSeconds(SettingsClock clock, int show) = 0;

    // Whether times of day read in 24 hours (1, the default) or in 12 with AM and PM (0).
    virtual int GetClock24Hour() const = 0;
    virtual void SetClock24Hour(int h24) = 0;

    // The map's land and sea pairs: 0-7, or -1 when its colours match no pair. Set together,
    // so the map recolours once; the store only ever passes 0-7.
    virtual int GetMapLandColour() const = 0;
    virtual int GetMapSeaColour() const = 0;
    virtual void SetMapColours(int landPair, int seaPair) = 0;

    // The map's scrolling acceleration, pixels per second squared (75, 150, 600 from the menu).
    virtual int GetMapAcceleration() const = 0;
    virtual void SetMapAcceleration(int acceleration) = 0;

    // Whether the map shows where it is night now (0 or 1).
    virtual int GetMapShowNight() const = 0;
    virtual void SetMapShowNight(int show) = 0;

    // The pinned places in their order (zones/pinnedplaces.h); the store hands on only pins of
    // a place, cleaned, and at most PinnedPlaces::MaxCount of them.
    virtual std::vector<PinnedPlace> GetPinnedPlaces() const { return {}; }
    virtual void SetPinnedPlaces(const std::vector<PinnedPlace> &) {}

    // The main window's size and place.
    virtual WindowPlacement GetWindowPlacement() const = 0;
    virtual void SetWindowPlacement(const WindowPlacement &placement) = 0;

    // Kept by the store (settings/settingsstore.h); nobody else reads or changes it.
    StoredRecord storedRecord;
};
