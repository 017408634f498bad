// SPDX-License-Identifier: MIT

#include "app/windowstate.h"

#include "home/hometimezone.h"
#include "settings/safefile.h"
#include "zones/cityplaces.h"
#include "zones/citytable.h"
#include "zones/countrytable.h"
#include "zones/places.h"
#include "zones/zonedatabase.h"
#include "zones/zonesearch.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include <cmath>
#include <limits>

namespace {

// Characters the tray's tip may take in all, its pinned places' lines included, and the length
// a tray shows of each line (the tray icon's own limit).
constexpr int TrayTipRoom = 400;
constexpr int TrayTipLineLength = 63;

// The entries' answers of the last run. A cache: when it is missing, damaged or of another
// database, the zones are read.
QString EntryStatesPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::CacheLocation) +
           QStringLiteral("/entry-states");
}

// The map's land as last built, kept like the entries' answers.
QString MapLandPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::CacheLocation) +
           QStringLiteral("/map-land");
}

// What a list of the zone filter selects when asked for select: the place it is listed as, when
// the list holds it. The list (countries/countrytree.h) lists by the same rule.
int ListedUnder(float filter, int select, bool useDatabase, TimeValue now)
{
    const int listed = ListedPlace(select, useDatabase);
    if (listed == -1 || filter == WindowState::NoFilter)
        return listed;
    const bool passes =
        useDatabase ? EntryListStateAt(listed, now).standardOffset == std::lround(filter * 3600.0f)
                    : PlaceAt(listed)->gmtOffset == filter;
    return passes ? listed : -1;
}

} // namespace

WindowState::WindowState(QObject *parent) : QObject(parent)
{
    setObjectName(QStringLiteral("windowState"));
}

void WindowState::RestoreEntryStates()
{
    QByteArray snapshot;
    if (ReadSmallFile(EntryStatesPath(), 256 * 1024, snapshot) == FileRead::Read)
        RestoreEntrySnapshot(snapshot);
}

void WindowState::SaveEntryStates()
{
    if (!EntrySnapshotOutdated())
        return;
    const QByteArray snapshot = EntrySnapshot();
    if (!snapshot.isEmpty() && QDir().mkpath(QFileInfo(EntryStatesPath()).path()))
        ReplaceFile(EntryStatesPath(), snapshot, LinkWrite::Replace);
}

SharedBytes WindowState::ReadKeptMapLand()
{
    // Land of a 4K screen's map fits well within it. Mapped, its pages are the file's: the map
    // reads them in place without a private copy (the file is only ever replaced whole).
    constexpr qint64 Limit = 64 << 20;
    if (SharedBytes mapped = SharedBytes::MapFile(MapLandPath(), Limit); !mapped.IsEmpty())
        return mapped;
    QByteArray land;
    return ReadSmallFile(MapLandPath(), Limit, land) == FileRead::Read ? SharedBytes(land)
                                                                       : SharedBytes();
}

bool WindowState::KeepMapLand(const QByteArray &land)
{
    return !land.isEmpty() && QDir().mkpath(QFileInfo(MapLandPath()).path()) &&
           ReplaceFile(MapLandPath(), land, LinkWrite::Replace);
}

float WindowState::StartZone() const
{
    return Knows(m_nSelectedIndex) ? ZoneOf(m_nSelectedIndex) : m_fHomeOffset;
}

float WindowState::ZoneOf(int index) const
{
    return EntryZone(index, m_bUseDatabase, CurrentTime());
}

bool WindowState::Knows(int index) const
{
    return IsValidIndexIn(index, m_bUseDatabase);
}

HomeZoneChoice WindowState::ZoneChoice() const
{
    return {m_nHomeIndex, m_nDaylightOption, m_bUseOwnDaylightDates,
            m_ownDates,   m_bUseDatabase,    m_bUseDatabase ? m_homeZone : QByteArray()};
}

ClockOffsetInputs WindowState::OffsetInputs() const
{
    ClockOffsetInputs in;
    in.homeIndex = m_nHomeIndex;
    in.selectedIndex = m_nSelectedIndex;
    in.daylightOption = m_nDaylightOption;
    in.useOwnDaylightDates = m_bUseOwnDaylightDates;
    in.ownDates = m_ownDates;
    in.showDaylightSaving = m_bShowDaylightSaving;
    in.mapZone = MapZone();
    in.useDatabase = m_bUseDatabase;
    // The built-in table knows no cities: its clocks and names keep the entries'.
    if (m_bUseDatabase) {
        in.selectedZone = m_selectedZone;
        in.selectedName = m_strSelectedName;
        in.selectedCaption = m_strSelectedCaption;
        in.homeZone = m_homeZone;
        in.homeName = m_strHomeName;
    }
    return in;
}

bool WindowState::IsHomeDaylightSavingNow() const
{
    return IsHomeDaylightSavingAt(OffsetInputs(), CurrentTime());
}

Captions WindowState::CurrentCaptions() const
{
    return MakeCaptionsAt(OffsetInputs(), m_fCaptionOffset, m_fHomeOffset, m_bListOnly,
                          CurrentTime());
}

QString WindowState::SelectedPlaceName() const
{
    return m_bUseDatabase && !m_strSelectedName.isEmpty() && Knows(m_nSelectedIndex)
               ? m_strSelectedName
               : QString::fromStdString(PlaceDisplayName(m_nSelectedIndex, m_bUseDatabase));
}

std::vector<float> WindowState::PlaceZones() const
{
    std::vector<float> zones;
    const TimeValue now = CurrentTime();
    for (int i : ListedPlaces(m_bUseDatabase))
        zones.push_back(m_bUseDatabase ? EntryListStateAt(i, now).standardOffset / 3600.0f
                                       : PlaceAt(i)->gmtOffset);
    return zones;
}

QString WindowState::TrayTip(const QString &selectedTimeText) const
{
    const ClockOffsetInputs in = OffsetInputs();
    QString tip =
        MakeTrayTip(m_nSelectedIndex, m_bUseDatabase, MapZone(), selectedTimeText, in.selectedName);
    if (!m_strNextChange.isEmpty())
        tip += QLatin1Char('\n') + m_strNextChange;
    if (m_bUseDatabase && IsZoneDatabaseMissing())
        tip += QLatin1Char('\n') + ZoneDatabaseMissingText();
    return tip +
           PinnedTipLines(m_pinRows, TrayTipRoom - static_cast<int>(tip.size()), TrayTipLineLength);
}

void WindowState::SetSelectedCityOrZone(int city, const QByteArray &zone)
{
    const int cityBefore = m_nSelectedCity;
    const QByteArray zoneBefore = m_selectedZone;
    // A city or zone the database does not know is left out: the entry's zone stays.
    const QByteArray id = city >= 0 ? Cities::ZoneId(city) : zone;
    if ((city < 0 && zone.isEmpty()) || !IsZoneKnown(id)) {
        m_nSelectedCity = -1;
        m_selectedZone.clear();
        m_strSelectedName.clear();
        m_strSelectedCaption.clear();
    } else {
        m_nSelectedCity = city;
        m_selectedZone = id;
        m_strSelectedName = city >= 0 ? CityDisplayName(city) : ZoneDisplayName(zone);
        // The clocks' caption has room for the city's or the zone's own name and the offset.
        m_strSelectedCaption = city >= 0 ? Cities::LocalName(city)
                                         : m_strSelectedName.left(m_strSelectedName.indexOf(u" ("));
    }
    if (m_nSelectedCity != cityBefore || m_selectedZone != zoneBefore)
        emit selectionChanged();
}

void WindowState::SetHomeCity(int city)
{
    // No city: the cities' index is not read.
    const QByteArray id = city >= 0 ? Cities::ZoneId(city) : QByteArray();
    if (city < 0 || !IsZoneKnown(id)) {
        m_nHomeCity = -1;
        m_homeZone.clear();
        m_strHomeName.clear();
        return;
    }
    m_nHomeCity = city;
    m_homeZone = id;
    m_strHomeName = CityDisplayName(city);
}

GeneralSettings WindowState::GetGeneralSettings() const
{
    GeneralSettings s;
    s.showAtStartup = m_bShowAtStartup;
    s.selectByListOnly = m_bListOnly;
    s.showDaylightSaving = m_bShowDaylightSaving;
    // A place this mode cannot show stays stored until another is chosen.
    s.currentSelection = m_nSelectedIndex != -1 ? m_nSelectedIndex : m_nKeptSelection;
    s.homeCountry = m_nHomeIndex;
    s.daylightOption = m_nDaylightOption;
    s.useUserDaylightDates = m_bUseOwnDaylightDates;
    s.ownDates = m_ownDates;
    s.useTimeZoneDatabase = m_bUseDatabase ? 1 : 0;
    // Kept whatever the mode, with the entry it lies in.
    s.currentCity =
        s.currentSelection != -1 && m_nSelectedCity >= 0 ? Cities::GeonameId(m_nSelectedCity) : -1;
    s.homeCity = m_nHomeIndex != -1 && m_nHomeCity >= 0 ? Cities::GeonameId(m_nHomeCity) : -1;
    return s;
}

void WindowState::SetGeneralSettings(const GeneralSettings &values)
{
    m_bShowAtStartup = values.showAtStartup != 0;
    m_bListOnly = values.selectByListOnly != 0;
    m_bShowDaylightSaving = values.showDaylightSaving != 0;
    m_bUseDatabase = values.useTimeZoneDatabase != 0;
    // The table knows none of today's places beyond it: its selection shows as none, yet is kept.
    // A duplicate the database hides is the place it is listed as.
    m_nSelectedIndex = ListedPlace(values.currentSelection, m_bUseDatabase);
    m_nKeptSelection = m_nSelectedIndex == -1 && IsValidPlaceIndex(values.currentSelection)
                           ? values.currentSelection
                           : -1;
    m_nHomeIndex = ListedPlace(values.homeCountry, m_bUseDatabase);
    m_nDaylightOption =
        IsValidDaylightOption(values.daylightOption) ? values.daylightOption : DaylightAuto;
    m_bUseOwnDaylightDates = values.useUserDaylightDates != 0;
    m_ownDates = values.ownDates;
    // The cities' index is read only for a store that names a city. An id no city has (the
    // data changed, or a damaged store) leaves the entry alone.
    SetSelectedCityOrZone(values.currentCity > 0 &&
                                  (m_nSelectedIndex != -1 || m_nKeptSelection != -1)
                              ? Cities::ByGeonameId(values.currentCity)
                              : -1,
                          {});
    SetHomeCity(values.homeCity > 0 && m_nHomeIndex != -1 ? Cities::ByGeonameId(values.homeCity)
                                                          : -1);
    m_fHomeOffset = ZoneOf(m_nHomeIndex);
}

int WindowState::FillList(float filter, int select)
{
    const int listed = ListedUnder(filter, select, m_bUseDatabase, CurrentTime());
    emit listChanged(filter, listed);
    return listed;
}

void WindowState::ShowList(float filter)
{
    m_nSelectedIndex = FillList(filter, m_nSelectedIndex);
}

void WindowState::SetMapZone(float zone)
{
    m_mapZone = zone;
    emit mapZoneChanged(zone);
}

void WindowState::SetCaptionZone(float zone)
{
    m_fCaptionOffset = zone;
    emit captionsChanged();
}

void WindowState::ChooseZone(float zone)
{
    m_mapZone = zone;
    if (m_bListOnly)
        return;
    // A zone chosen on the map is a new choice: the city goes.
    SetSelectedCityOrZone(-1, {});
    const int before = m_nSelectedIndex;
    m_nSelectedIndex = FillList(zone, m_nSelectedIndex);
    if (m_nSelectedIndex != before)
        emit selectionChanged();
    SetCaptionZone(zone);
    // When the zone does not list the selected entry nothing is selected in the list, so no
    // choice comes back from it: the selected clocks move to the map's zone here.
    if (m_nSelectedIndex == -1)
        RecomputeClockOffsets();
}

void WindowState::ChooseFromList(int index)
{
    const int before = m_nSelectedIndex;
    if (index < 0) {
        m_nSelectedIndex = -1;
    } else {
        m_nSelectedIndex = index;
        m_nKeptSelection = -1;
        if (!Knows(m_nSelectedIndex))
            m_nSelectedIndex = -1;
        else if (m_bListOnly)
            SetMapZone(ZoneOf(m_nSelectedIndex));
    }
    // Another entry chosen leaves the city; the list choosing the same again keeps it.
    if (m_nSelectedIndex != before) {
        SetSelectedCityOrZone(-1, {});
        emit selectionChanged();
    }
    RecomputeClockOffsets();
}

void WindowState::ChooseFound(const PlaceChoice &found)
{
    const bool sameCity =
        found.city == m_nSelectedCity && (found.city >= 0 || found.zone == m_selectedZone);
    if (!Knows(found.place) || (found.place == m_nSelectedIndex && sameCity))
        return;
    const float zone = ZoneOf(found.place);
    if (MapZone() != zone) {
        SetMapZone(zone);
        SetCaptionZone(zone);
    }
    FillList(m_bListOnly ? NoFilter : zone, found.place);
    m_nSelectedIndex = found.place;
    m_nKeptSelection = -1;
    // After the list's own choice, which leaves any city before.
    if (m_bUseDatabase)
        SetSelectedCityOrZone(found.city, found.zone);
    emit selectionChanged();
    RecomputeClockOffsets();
}

void WindowState::ChooseHome(const HomeChoice &home)
{
    m_nDaylightOption = home.daylightOption;
    m_bUseOwnDaylightDates = home.useOwnDaylightDates;
    const bool modeChanged = home.useDatabase != m_bUseDatabase;
    const bool cityChanged = home.homeCity != m_nHomeCity;
    if (cityChanged)
        SetHomeCity(home.homeCity);
    m_bUseDatabase = home.useDatabase;
    m_ownDates =
        HomeHasDaylightSaving(home.homeIndex, home.useDatabase, CurrentTime(), ZoneChoice().zoneId)
            ? home.ownDates
            : OwnDaylightDates{};
    if (home.homeIndex != m_nHomeIndex || modeChanged || cityChanged) {
        m_nHomeIndex = home.homeIndex;
        m_fHomeOffset = ZoneOf(m_nHomeIndex);
        emit homeChanged();
        SetCaptionZone(MapZone());
    }
    ApplyHomeZoneAndSwitch(m_nHomeIndex != -1);
    if (modeChanged)
        ApplyZoneMode();
}

void WindowState::ApplyZoneMode()
{
    // The list and the map list and light entries by the mode's standard offsets: an entry may
    // sit in another zone, so the map moves to the selection's and the list is refilled.
    emit modeChanged(m_bUseDatabase);
    if (!Knows(m_nSelectedIndex)) {
        m_nKeptSelection =
            IsValidPlaceIndex(m_nSelectedIndex) ? m_nSelectedIndex : m_nKeptSelection;
        m_nSelectedIndex = -1;
    }
    if (m_nSelectedIndex == -1 && Knows(m_nKeptSelection)) {
        m_nSelectedIndex = m_nKeptSelection;
        m_nKeptSelection = -1;
    }
    float zone = MapZone();
    if (Knows(m_nSelectedIndex)) {
        zone = ZoneOf(m_nSelectedIndex);
        SetMapZone(zone);
    }
    m_nSelectedIndex = FillList(m_bListOnly ? NoFilter : zone, m_nSelectedIndex);
    emit selectionChanged();
    SetCaptionZone(zone);
}

void WindowState::SetListOnly(bool on)
{
    m_bListOnly = on;
    emit listOnlyChanged(on);
    float filter = NoFilter;
    if (!on) {
        filter = MapZone();
        SetCaptionZone(filter);
    }
    m_nSelectedIndex = FillList(filter, m_nSelectedIndex);
    if (m_nSelectedIndex == -1)
        RecomputeClockOffsets();
}

void WindowState::SetShowDaylightSaving(bool on)
{
    m_bShowDaylightSaving = on;
    RecomputeClockOffsets();
}

void WindowState::ApplyHomeZoneAndSwitch(bool zone)
{
    if (zone)
        ApplyHomeTimeZone(ZoneChoice());
    ApplyDaylightSwitch(m_nDaylightOption);
}

void WindowState::FollowSystemTime()
{
    // The user may have chosen another zone in the system's settings: the home's comes back,
    // unless the one chosen has the home's offset and a name of ours.
    if (m_nHomeIndex != -1 && !IsHomeTimeZoneApplied(ZoneChoice()))
        ApplyHomeTimeZone(ZoneChoice());
    if (!IsDaylightSwitchApplied(m_nDaylightOption))
        ApplyDaylightSwitch(m_nDaylightOption);
    RecomputeClockOffsets();
}

void WindowState::RecomputeClockOffsets()
{
    emit selectedNameChanged(SelectedPlaceName());
    const ClockOffsetInputs in = OffsetInputs();
    ClockOffsets out;
    if (!ComputeClockOffsets(in, CurrentTime(), out))
        return;
    m_offsets = out;
    // Database mode: each clock asks its place's offset at every tick, so it turns with every
    // change of its zone without being told.
    m_rules = MakeClockRules(in);
    emit offsetsChanged();
    SetCaptionZone(out.target);
}

void WindowState::Tick(TimeValue now, bool inputsChanged)
{
    UpdatePinRows(now);
    const ClockOffsetInputs in = OffsetInputs();
    // The next change's text holds until that change comes: not looked up at every tick.
    if (inputsChanged || now >= m_tNextChangeDue) {
        QString change;
        m_tNextChangeDue = std::numeric_limits<TimeValue>::max();
        if (Knows(in.selectedIndex)) {
            const std::optional<ZoneChange> next = NextSelectedChange(in, now);
            change = next ? DescribeChange(*next) : NoChangeAheadText();
            if (next)
                m_tNextChangeDue = next->at;
        }
        if (change != m_strNextChange) {
            m_strNextChange = change;
            emit nextChangeChanged(change);
        }
    }
    // The clocks turn by themselves at a change of their zone; the captions naming their
    // offsets follow at the same tick.
    ClockOffsets shown;
    if (in.useDatabase && ComputeClockOffsets(in, now, shown) &&
        (shown.home != m_shownOffsets.home || shown.selected != m_shownOffsets.selected)) {
        m_shownOffsets = shown;
        emit captionsChanged();
    }
}

bool WindowState::RefillIfEntriesDisproved()
{
    if (!TakeEntrySnapshotDisproved())
        return false;
    ShowList(m_bListOnly ? NoFilter : MapZone());
    return true;
}
