#include "settings/settingsstore.h"

#include "settings/registrykey.h"
#include "zones/countrytable.h"

#include <QString>
#include <QStringList>

#include <cstdint>

namespace {

// The map picture's own pairs, used when neither the store nor the map has a valid one.
constexpr int DefaultLandPair = 2;
constexpr int DefaultSeaPair = 1;
constexpr int MapPairCount = 8;
constexpr std::uint32_t LargestColour = 0x00FFFFFF;
// The keys an older layout without the Version key may hold.
const QStringList LayoutGroups = {"General", "Clocks", "Map", "Current Selection", "Home Country"};

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

void Write(CRegistryKey &key, const char *name, int value)
{
    key.SetDword(QLatin1StringView(name), static_cast<std::int32_t>(value));
}

void WriteColour(CRegistryKey &key, const char *name, std::uint32_t colour)
{
    // A colour nobody chose is not stored: the clock goes on following the desktop's.
    if (colour == UnchosenColour)
        return;
    key.SetDword(QLatin1StringView(name), colour);
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
    if (key.Open(HKEY_CURRENT_USER, SubKey("Current Selection")) == ERROR_SUCCESS)
        ReadIndex(key, "Current Selection", values.currentSelection);
    if (key.Open(HKEY_CURRENT_USER, SubKey("Home Country")) == ERROR_SUCCESS) {
        ReadIndex(key, "Home Country", values.homeCountry);
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
}

bool SaveSettings(const SettingsOwner &owner)
{
    CRegistryKey key;
    if (key.Open(HKEY_CURRENT_USER, QString::fromLatin1(ProductKeyPath)) != ERROR_SUCCESS)
        return false;

    if (key.Open(HKEY_CURRENT_USER, SubKey("Version")) == ERROR_SUCCESS)
        Write(key, "Version Number", SettingsLayoutVersion);

    const GeneralSettings general = owner.GetGeneralSettings();
    if (key.Open(HKEY_CURRENT_USER, SubKey("General")) == ERROR_SUCCESS) {
        Write(key, "Show At Startup", general.showAtStartup);
        Write(key, "Select By List Only", general.selectByListOnly);
        Write(key, "Show Daylight Saving", general.showDaylightSaving);
        Write(key, "Use Time Zone Database", general.useTimeZoneDatabase);
    }
    if (key.Open(HKEY_CURRENT_USER, SubKey("Clocks")) == ERROR_SUCCESS) {
        WriteColour(key, "Home Time Colour", owner.GetClockColour(SettingsClock::HomeTime));
        WriteColour(key, "Home Date Colour", owner.GetClockColour(SettingsClock::HomeDate));
        WriteColour(key, "Selected Time Colour", owner.GetClockColour(SettingsClock::SelectedTime));
        WriteColour(key, "Selected Date Colour", owner.GetClockColour(SettingsClock::SelectedDate));
        Write(key, "Home Time Show Seconds", owner.GetClockShowSeconds(SettingsClock::HomeTime));
        Write(key, "Selected Time Show Seconds",
              owner.GetClockShowSeconds(SettingsClock::SelectedTime));
    }
    if (key.Open(HKEY_CURRENT_USER, SubKey("Map")) == ERROR_SUCCESS) {
        Write(key, "Land Colour", owner.GetMapLandColour());
        Write(key, "Sea Colour", owner.GetMapSeaColour());
        Write(key, "Scroll Speed", owner.GetMapAcceleration());
        Write(key, "Show Night", owner.GetMapShowNight());
    }
    if (key.Open(HKEY_CURRENT_USER, SubKey("Current Selection")) == ERROR_SUCCESS)
        Write(key, "Current Selection", general.currentSelection);
    if (key.Open(HKEY_CURRENT_USER, SubKey("Home Country")) == ERROR_SUCCESS) {
        Write(key, "Home Country", general.homeCountry);
        Write(key, "Daylight Saving Option", general.daylightOption);
        Write(key, "Use User Daylight Dates", general.useUserDaylightDates);
        const OwnDaylightDates &dates = general.ownDates;
        Write(key, "Daylight Week Start", dates.weekStart);
        Write(key, "Daylight Month Start", dates.monthStart);
        Write(key, "Daylight Day of Week Start", dates.dayOfWeekStart);
        Write(key, "Daylight Week End", dates.weekEnd);
        Write(key, "Daylight Month End", dates.monthEnd);
        Write(key, "Daylight Day of Week End", dates.dayOfWeekEnd);
    }
    return key.Close() == ERROR_SUCCESS;
}
