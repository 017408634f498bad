// SPDX-License-Identifier: MIT

#include "settings/settingsstore.h"

#include "settings/registrykey.h"
#include "zones/countrytable.h"

#include <QString>
#include <QStringList>

#include <algorithm>
#include <cstdint>
#include <optional>
#include <vector>

namespace {

// The map picture's own pairs, used when neither the store nor the map has a valid one.
constexpr int DefaultLandPair = 2;
constexpr int DefaultSeaPair = 1;
constexpr int MapPairCount = 8;
constexpr std::uint32_t LargestColour = 0x00FFFFFF;
// The keys an older layout without the Version key may hold.
const QStringList LayoutGroups = {"General",      "Clocks",        "Map",   "Current Selection",
                                  "Home Country", "Pinned Places", "Window"};
constexpr char PinsGroup[] = "Pinned Places";
// Sizes and places as X11 carries them: 16-bit numbers.
constexpr int LargestWindowSide = 32767;
constexpr int SmallestWindowCoordinate = -32768;

QString PinValue(const char *what, std::size_t i)
{
    return QLatin1StringView(what) + u' ' + QString::number(i + 1);
}

QString SubKey(const char *name)
{
    return QString::fromLatin1(ProductKeyPath) + u'\\' + QLatin1StringView(name);
}

// Reads name into value when it is stored and accepted by valid; otherwise value is unchanged.
template <typename Valid>
bool ReadInt(const CRegistryKey &key, const char *name, int &value, Valid valid)
{
    std::int32_t read = 0;
    if (key.GetDword(QLatin1StringView(name), read) != ERROR_SUCCESS || !valid(read))
        return false;
    value = read;
    return true;
}

void ReadFlag(const CRegistryKey &key, const char *name, int &value)
{
    std::int32_t read = 0;
    if (key.GetDword(QLatin1StringView(name), read) == ERROR_SUCCESS)
        value = read != 0 ? 1 : 0;
}

void ReadIndex(const CRegistryKey &key, const char *name, int &value)
{
    std::int32_t read = 0;
    if (key.GetDword(QLatin1StringView(name), read) == ERROR_SUCCESS)
        value = IsValidPlaceIndex(read) ? read : -1; // each mode decides what it shows
}

// A position in a list of count entries, or -1 for no date.
void ReadPosition(const CRegistryKey &key, const char *name, int count, int &value)
{
    std::int32_t read = 0;
    if (key.GetDword(QLatin1StringView(name), read) == ERROR_SUCCESS)
        value = read >= 0 && read < count ? read : -1;
}

bool IsPair(int pair)
{
    return pair >= 0 && pair < MapPairCount;
}

// One stored value as its owner holds it now; nothing for a colour nobody chose, which is not
// stored: that clock goes on following the desktop's.
struct OwnedValue
{
    const char *group;
    const char *name;
    std::optional<std::int32_t> value;
};

std::vector<OwnedValue> OwnedValues(const SettingsOwner &owner)
{
    const GeneralSettings general = owner.GetGeneralSettings();
    const OwnDaylightDates &dates = general.ownDates;
    const WindowPlacement window = owner.GetWindowPlacement();
    const std::optional<std::int32_t> none;
    auto colour = [&owner](SettingsClock clock) -> std::optional<std::int32_t> {
        const std::uint32_t c = owner.GetClockColour(clock);
        if (c == UnchosenColour)
            return std::nullopt;
        return static_cast<std::int32_t>(c);
    };
    return {
        {"Version", "Version Number", SettingsLayoutVersion},
        {"General", "Show At Startup", general.showAtStartup},
        {"General", "Select By List Only", general.selectByListOnly},
        {"General", "Show Daylight Saving", general.showDaylightSaving},
        {"General", "Use Time Zone Database", general.useTimeZoneDatabase},
        {"Clocks", "Home Time Colour", colour(SettingsClock::HomeTime)},
        {"Clocks", "Home Date Colour", colour(SettingsClock::HomeDate)},
        {"Clocks", "Selected Time Colour", colour(SettingsClock::SelectedTime)},
        {"Clocks", "Selected Date Colour", colour(SettingsClock::SelectedDate)},
        {"Clocks", "Home Time Show Seconds", owner.GetClockShowSeconds(SettingsClock::HomeTime)},
        {"Clocks", "Selected Time Show Seconds",
         owner.GetClockShowSeconds(SettingsClock::SelectedTime)},
        {"Clocks", "24 Hour Clock", owner.GetClock24Hour()},
        {"Map", "Land Colour", owner.GetMapLandColour()},
        {"Map", "Sea Colour", owner.GetMapSeaColour()},
        {"Map", "Scroll Speed", owner.GetMapAcceleration()},
        {"Map", "Show Night", owner.GetMapShowNight()},
        {"Window", "Width", window.width > 0 ? std::optional<std::int32_t>(window.width) : none},
        {"Window", "Height", window.height > 0 ? std::optional<std::int32_t>(window.height) : none},
        {"Window", "Left", window.hasPosition ? std::optional<std::int32_t>(window.x) : none},
        {"Window", "Top", window.hasPosition ? std::optional<std::int32_t>(window.y) : none},
        {"Window", "Maximised", window.maximised},
        {"Current Selection", "Current Selection", general.currentSelection},
        {"Current Selection", "City", general.currentCity},
        {"Home Country", "Home Country", general.homeCountry},
        {"Home Country", "Home City", general.homeCity},
        {"Home Country", "Daylight Saving Option", general.daylightOption},
        {"Home Country", "Use User Daylight Dates", general.useUserDaylightDates},
        {"Home Country", "Daylight Week Start", dates.weekStart},
        {"Home Country", "Daylight Month Start", dates.monthStart},
        {"Home Country", "Daylight Day of Week Start", dates.dayOfWeekStart},
        {"Home Country", "Daylight Week End", dates.weekEnd},
        {"Home Country", "Daylight Month End", dates.monthEnd},
        {"Home Country", "Daylight Day of Week End", dates.dayOfWeekEnd},
    };
}

QString RecordKey(const OwnedValue &v)
{
    return QLatin1StringView(v.group) + u'/' + QLatin1StringView(v.name);
}

// Notes what the owner took from the groups just read, and which stored texts it could not
// take as they are.
void Remember(CRegistryKey &key, SettingsOwner &owner, const QStringList &groups)
{
    StoredRecord &record = owner.storedRecord;
    for (const OwnedValue &v : OwnedValues(owner)) {
        const QString name = QLatin1StringView(v.group);
        if (!groups.contains(name) || key.Open(HKEY_CURRENT_USER, SubKey(v.group)) != ERROR_SUCCESS)
            continue;
        const QString recordKey = RecordKey(v);
        record.unusable.remove(recordKey);
        if (!v.value) {
            record.values.remove(recordKey);
            continue;
        }
        record.values.insert(recordKey, *v.value);
        const std::optional<QString> text = key.StoredText(QLatin1StringView(v.name));
        if (text != QString::number(*v.value))
            record.unusable.insert(recordKey, text);
    }
}

void ReadClock(const CRegistryKey &key, SettingsOwner &owner, SettingsClock clock, const char *name)
{
    std::uint32_t colour = 0;
    if (key.GetDword(QLatin1StringView(name), colour) == ERROR_SUCCESS && colour <= LargestColour)
        owner.SetClockColour(clock, colour);
}

void ReadSeconds(const CRegistryKey &key, SettingsOwner &owner, SettingsClock clock,
                 const char *name)
{
    std::int32_t read = 0;
    if (key.GetDword(QLatin1StringView(name), read) == ERROR_SUCCESS)
        owner.SetClockShowSeconds(clock, read != 0 ? 1 : 0);
}

// Reads the pins as far as they are usable; the owner gets them only when the group exists.
void ReadPins(CRegistryKey &key, SettingsOwner &owner)
{
    int created = 0;
    if (key.Open(HKEY_CURRENT_USER, SubKey(PinsGroup), &created) != ERROR_SUCCESS || created) {
        owner.storedRecord.pins = std::vector<PinnedPlace>{};
        return;
    }
    // A count that cannot be read (or too large a one) reads no further than the list may take.
    int count = PinnedPlaces::MaxCount * 4;
    ReadInt(key, "Count", count, [](int n) { return n >= 0; });
    std::vector<PinnedPlace> pins;
    for (std::size_t i = 0; i < std::size_t(std::min(count, PinnedPlaces::MaxCount * 4)); ++i) {
        PinnedPlace pin;
        if (!ReadInt(key, PinValue("Place", i).toLatin1().constData(), pin.place,
                     IsValidPlaceIndex))
            continue;
        ReadInt(key, PinValue("City", i).toLatin1().constData(), pin.cityId,
                [](int id) { return id > 0; });
        QString zone;
        if (key.GetString(PinValue("Zone", i), zone) == ERROR_SUCCESS &&
            PinnedPlaces::IsZoneName(zone.toLatin1()) && zone.size() == zone.toLatin1().size())
            pin.zone = zone.toLatin1();
        key.GetString(PinValue("Label", i), pin.label);
        pins.push_back(std::move(pin));
    }
    PinnedPlaces list;
    list.Assign(pins);
    owner.SetPinnedPlaces(list.Items());
    owner.storedRecord.pins = list.Items();
}

// Rewrites the group from the owner's pins when they changed since last read or written.
void WritePins(CRegistryKey &key, const std::vector<PinnedPlace> &pins,
               const std::optional<std::vector<PinnedPlace>> &stored)
{
    if (stored == pins)
        return;
    key.DeleteKey(HKEY_CURRENT_USER, SubKey(PinsGroup));
    if (pins.empty() || key.Open(HKEY_CURRENT_USER, SubKey(PinsGroup)) != ERROR_SUCCESS)
        return;
    key.SetDword(QStringLiteral("Count"), static_cast<std::int32_t>(pins.size()));
    for (std::size_t i = 0; i < pins.size(); ++i) {
        const PinnedPlace &pin = pins[i];
        key.SetDword(PinValue("Place", i), pin.place);
        if (pin.cityId > 0)
            key.SetDword(PinValue("City", i), pin.cityId);
        if (!pin.zone.isEmpty())
            key.SetString(PinValue("Zone", i), QString::fromLatin1(pin.zone));
        if (!pin.label.isEmpty())
            key.SetString(PinValue("Label", i), pin.label);
    }
}

} // namespace

bool IsNewSettingsVersion()
{
    CRegistryKey key;
    int created = 0;
    if (key.Open(HKEY_CURRENT_USER, SubKey("Version"), &created) != ERROR_SUCCESS)
        return false; // a store that cannot be read is not a new one: keep it
    // A damaged file lacks what it lost, not a version: it is read as far as it goes.
    if (!created || key.IsStoreDamaged())
        return false;
    // So does a file with a group no layout has (a mistyped "[Versoin]"): it is kept too.
    key.Open(HKEY_CURRENT_USER, QString::fromLatin1(ProductKeyPath));
    const QStringList groups = key.SubKeyNames();
    for (const QString &group : groups) {
        if (!LayoutGroups.contains(group)) {
            key.KeepDamagedCopy();
            return false;
        }
    }
    key.DeleteKey(HKEY_CURRENT_USER, QString::fromLatin1(ProductKeyPath));
    return true;
}

void LoadGeneralSettings(SettingsOwner &owner)
{
    CRegistryKey key;
    if (key.Open(HKEY_CURRENT_USER, QString::fromLatin1(ProductKeyPath)) != ERROR_SUCCESS)
        return;
    GeneralSettings values = owner.GetGeneralSettings();

    if (key.Open(HKEY_CURRENT_USER, SubKey("General")) == ERROR_SUCCESS) {
        ReadFlag(key, "Show At Startup", values.showAtStartup);
        ReadFlag(key, "Select By List Only", values.selectByListOnly);
        ReadFlag(key, "Show Daylight Saving", values.showDaylightSaving);
        ReadFlag(key, "Use Time Zone Database", values.useTimeZoneDatabase);
    }
    // A city is a GeoNames id; whether a city has it is for the owner to find out.
    const auto cityId = [](int id) {
        return id > 0 || id == -1;
    };
    if (key.Open(HKEY_CURRENT_USER, SubKey("Current Selection")) == ERROR_SUCCESS) {
        ReadIndex(key, "Current Selection", values.currentSelection);
        ReadInt(key, "City", values.currentCity, cityId);
    }
    if (key.Open(HKEY_CURRENT_USER, SubKey("Home Country")) == ERROR_SUCCESS) {
        ReadIndex(key, "Home Country", values.homeCountry);
        ReadInt(key, "Home City", values.homeCity, cityId);
        ReadInt(key, "Daylight Saving Option", values.daylightOption,
                [](int option) { return option >= 0 && option <= 3; });
        ReadFlag(key, "Use User Daylight Dates", values.useUserDaylightDates);
        OwnDaylightDates &dates = values.ownDates;
        ReadPosition(key, "Daylight Week Start", 5, dates.weekStart);
        ReadPosition(key, "Daylight Month Start", 12, dates.monthStart);
        ReadPosition(key, "Daylight Day of Week Start", 7, dates.dayOfWeekStart);
        ReadPosition(key, "Daylight Week End", 5, dates.weekEnd);
        ReadPosition(key, "Daylight Month End", 12, dates.monthEnd);
        ReadPosition(key, "Daylight Day of Week End", 7, dates.dayOfWeekEnd);
    }
    owner.SetGeneralSettings(values);
    Remember(key, owner, {"Version", "General", "Current Selection", "Home Country"});
    ReadPins(key, owner);
}

void LoadClockAndMapSettings(SettingsOwner &owner)
{
    CRegistryKey key;
    if (key.Open(HKEY_CURRENT_USER, QString::fromLatin1(ProductKeyPath)) != ERROR_SUCCESS)
        return;

    if (key.Open(HKEY_CURRENT_USER, SubKey("Clocks")) == ERROR_SUCCESS) {
        ReadClock(key, owner, SettingsClock::HomeTime, "Home Time Colour");
        ReadClock(key, owner, SettingsClock::HomeDate, "Home Date Colour");
        ReadClock(key, owner, SettingsClock::SelectedTime, "Selected Time Colour");
        ReadClock(key, owner, SettingsClock::SelectedDate, "Selected Date Colour");
        ReadSeconds(key, owner, SettingsClock::HomeTime, "Home Time Show Seconds");
        ReadSeconds(key, owner, SettingsClock::SelectedTime, "Selected Time Show Seconds");
        int h24 = owner.GetClock24Hour();
        ReadFlag(key, "24 Hour Clock", h24);
        owner.SetClock24Hour(h24);
    }
    if (key.Open(HKEY_CURRENT_USER, SubKey("Map")) == ERROR_SUCCESS) {
        int land = owner.GetMapLandColour();
        int sea = owner.GetMapSeaColour();
        if (!IsPair(land))
            land = DefaultLandPair;
        if (!IsPair(sea))
            sea = DefaultSeaPair;
        const bool landRead = ReadInt(key, "Land Colour", land, IsPair);
        const bool seaRead = ReadInt(key, "Sea Colour", sea, IsPair);
        // Recolouring is slow: only when the store holds a colour.
        if (landRead || seaRead)
            owner.SetMapColours(land, sea);
        int acceleration = owner.GetMapAcceleration();
        if (ReadInt(key, "Scroll Speed", acceleration, [](int a) { return a > 0; }))
            owner.SetMapAcceleration(acceleration);
        int night = owner.GetMapShowNight();
        ReadFlag(key, "Show Night", night);
        if (night != owner.GetMapShowNight())
            owner.SetMapShowNight(night);
    }
    if (key.Open(HKEY_CURRENT_USER, SubKey("Window")) == ERROR_SUCCESS) {
        WindowPlacement window = owner.GetWindowPlacement();
        const auto side = [](int n) {
            return n > 0 && n <= LargestWindowSide;
        };
        const auto coordinate = [](int n) {
            return n >= SmallestWindowCoordinate && n <= LargestWindowSide;
        };
        ReadInt(key, "Width", window.width, side);
        ReadInt(key, "Height", window.height, side);
        // A place is whole or none.
        int x = window.x;
        int y = window.y;
        if (ReadInt(key, "Left", x, coordinate) && ReadInt(key, "Top", y, coordinate))
            window = {window.width, window.height, true, x, y, window.maximised};
        ReadFlag(key, "Maximised", window.maximised);
        owner.SetWindowPlacement(window);
    }
    Remember(key, owner, {"Clocks", "Map", "Window"});
}

bool SaveSettings(SettingsOwner &owner)
{
    CRegistryKey key;
    if (key.Open(HKEY_CURRENT_USER, QString::fromLatin1(ProductKeyPath)) != ERROR_SUCCESS)
        return false;

    StoredRecord &record = owner.storedRecord;
    const std::vector<OwnedValue> values = OwnedValues(owner);
    for (const OwnedValue &v : values) {
        const QString recordKey = RecordKey(v);
        const auto known = record.values.constFind(recordKey);
        const bool changed = known == record.values.cend() || *known != v.value;
        if (!v.value || key.Open(HKEY_CURRENT_USER, SubKey(v.group)) != ERROR_SUCCESS)
            continue;
        const QLatin1StringView name(v.name);
        // Unchanged, it is written only where the file has lost it (removed by hand, say) or
        // still holds what could not be used.
        const auto unusable = record.unusable.constFind(recordKey);
        if (changed)
            key.SetDword(name, *v.value);
        else
            key.SetDwordIfStored(name, *v.value,
                                 unusable == record.unusable.cend() ? std::nullopt : *unusable);
    }
    const std::vector<PinnedPlace> pins = owner.GetPinnedPlaces();
    WritePins(key, pins, record.pins);
    if (key.Close() != ERROR_SUCCESS)
        return false;
    record = {};
    record.pins = pins;
    for (const OwnedValue &v : values)
        if (v.value)
            record.values.insert(RecordKey(v), *v.value);
    return true;
}
