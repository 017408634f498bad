// SPDX-License-Identifier: MIT

#pragma once

#include "app/clockoffsets.h"
#include "app/pinnedrows.h"
#include "countries/placesearch.h"
#include "home/zonerecord.h"
#include "map/landcache.h"
#include "settings/settingsowner.h"

#include <QObject>
#include <QString>

#include <optional>
#include <vector>

// A home as the Set Home sheet hands it back.
struct HomeChoice
{
    int homeIndex = -1;
    int daylightOption = DaylightAuto;
    bool useOwnDaylightDates = false;
    OwnDaylightDates ownDates;
    bool useDatabase = true;
    int homeCity = -1; // a city chosen as home, in homeIndex's place
};

// What the main window shows, without the window: the home, the selection, the mode and the
// options, and what follows from them (the clocks' offsets, the captions, the next change of
// the selected place, the tray tip's text). The window passes on what the user does and shows
// what the signals announce. "Now" is CurrentTime() (zones/timesource.h).
//
// The list (the country tree) and the map show parts of this state: listChanged asks the list
// to show the places of a zone with one selected, and its choice comes back through
// ChooseFromList, possibly while listChanged is being handled.
class WindowState final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(WindowState)

public:
    // The zone filter that lists every place.
    static constexpr float NoFilter = -99.0f;

    explicit WindowState(QObject *parent = nullptr);

    int HomeIndex() const { return m_nHomeIndex; }
    // The city chosen as home or selected (citytable.h), -1 for none; only the time-zone
    // database's mode follows them.
    int HomeCity() const { return m_nHomeCity; }
    int SelectedIndex() const { return m_nSelectedIndex; }
    int SelectedCity() const { return m_nSelectedCity; }
    float HomeOffset() const { return m_fHomeOffset; }
    int DaylightOption() const { return m_nDaylightOption; }
    bool IsUsingOwnDaylightDates() const { return m_bUseOwnDaylightDates; }
    const OwnDaylightDates &OwnDates() const { return m_ownDates; }
    bool IsShowDaylightSaving() const { return m_bShowDaylightSaving; }
    bool IsListOnly() const { return m_bListOnly; }
    bool IsShowAtStartup() const { return m_bShowAtStartup; }
    bool IsUsingTimeZoneDatabase() const { return m_bUseDatabase; }
    // The zone the map lights; the home's until the map is shown.
    float MapZone() const { return m_mapZone.value_or(m_fHomeOffset); }
    // The zone lit at the start: the selection's, else the home's.
    float StartZone() const;

    // The entry's zone in the current mode, in hours; 0 outside the table.
    float ZoneOf(int index) const;
    // The mode lists or resolves the index (zones/places.h).
    bool Knows(int index) const;
    HomeZoneChoice ZoneChoice() const;
    ClockOffsetInputs OffsetInputs() const;
    bool IsHomeDaylightSavingNow() const;
    // The offsets and rules the clocks were last given.
    const ClockOffsets &Offsets() const { return m_offsets; }
    const ClockRules &Rules() const { return m_rules; }
    Captions CurrentCaptions() const;
    // The selection's name, as the map's accessible name gives it.
    QString SelectedPlaceName() const;
    // The zones the places of the mode stand in, which the map's keys reach.
    std::vector<float> PlaceZones() const;
    // The selected place's next change, as last worked out (empty for none).
    const QString &NextChangeText() const { return m_strNextChange; }
    // The tray tip, given what the selected time clock shows.
    QString TrayTip(const QString &selectedTimeText) const;

    GeneralSettings GetGeneralSettings() const;
    void SetGeneralSettings(const GeneralSettings &values);

    // What the user does.
    void ChooseZone(float zone);    // a zone lit on the map, by a click or a key
    void ChooseFromList(int index); // a place of the list, -1 for a region or a country node
    void ChooseFound(const PlaceChoice &found);
    void ChooseHome(const HomeChoice &home);
    void SetListOnly(bool on);
    void SetShowDaylightSaving(bool on);
    void SetShowAtStartup(bool on) { m_bShowAtStartup = on; }
    // Lights a zone on the map without choosing it.
    void SetMapZone(float zone);
    // The zone the map label and tree caption name.
    void SetCaptionZone(float zone);
    // Shows the list of the zone (NoFilter: every place); the selection becomes what it lists.
    void ShowList(float filter);

    // Writes the home's zone (when zone is true) and the daylight switch to the system.
    void ApplyHomeZoneAndSwitch(bool zone);
    // The system's time or zone changed: the home's zone and switch come back where another
    // was chosen, and the offsets are worked out again.
    void FollowSystemTime();
    void RecomputeClockOffsets();
    // The clocks' tick (and any change of what the tip names, inputsChanged): the next change
    // is looked up again once it is due, and the captions follow a change of the offsets
    // the clocks show.
    void Tick(TimeValue now, bool inputsChanged);
    // The list filled again when answers it was filled from proved wrong once zones were read;
    // true then, for the map to be lit again too.
    bool RefillIfEntriesDisproved();

    // Pinned places (windowstatepins.cpp): the list, where each pin lies, and each pin's row as
    // of the last tick (Tick works them out).
    const PinnedPlaces &Pins() const { return m_pins; }
    const std::vector<PinnedRow> &PinRows() const { return m_pinRows; }
    const std::vector<PinWhere> &PinPlaces() const { return m_pinWhere; }
    void SetPinnedPlaces(const std::vector<PinnedPlace> &pins);
    // The selection can be pinned: the mode knows it and the list has room.
    bool CanPinSelection() const;
    // Pins a choice, or the selection with its city or zone (a city or zone only in the
    // database's mode); the pin's row, or -1 when the list is full or there is nothing to pin.
    int Pin(const PlaceChoice &choice);
    int PinSelection();
    // Selects the pin's place as Find's choice would.
    void ChoosePin(int row);
    // A label the same as the name it stands for is no label.
    void RenamePin(int row, const QString &label);
    void UnpinPin(int row);
    void MovePin(int from, int to);
    // Times in the rows: 24-hour (as the clocks show) or 12-hour.
    void SetPinTimes24Hour(bool on) { m_bPins24Hour = on; }
    void UpdatePinRows(TimeValue now);

    // The entries' answers of the last run (a cache), so a start lists the tree without
    // loading every zone.
    static void RestoreEntryStates();
    static void SaveEntryStates();
    // The map's land as last built (a cache), and keeping it; nothing when there is none.
    static SharedBytes ReadKeptMapLand();
    // True when it was written.
    static bool KeepMapLand(const QByteArray &land);

signals:
    void homeChanged();
    void selectionChanged();
    void modeChanged(bool useDatabase);
    void listOnlyChanged(bool on);
    void mapZoneChanged(float zone);
    void listChanged(float filter, int select);
    void offsetsChanged();
    void captionsChanged();
    void selectedNameChanged(const QString &name);
    void nextChangeChanged(const QString &text);
    // The pins changed (an edit; not the rows' times), and their rows were worked out again.
    void pinsChanged();
    void pinRowsChanged();

private:
    int FillList(float filter, int select);
    void ApplyZoneMode();
    // The selection's city or zone (from a search), or none; the name the captions give it.
    void SetSelectedCityOrZone(int city, const QByteArray &zone);
    void SetHomeCity(int city);
    void PinsEdited();

    int m_nHomeIndex = -1;
    int m_nHomeCity = -1;
    QByteArray m_homeZone;
    QString m_strHomeName;
    float m_fHomeOffset = 0.0f;
    int m_nSelectedIndex = -1;
    // A stored selection the mode cannot show (a place of today in table mode), written back
    // until another is chosen.
    int m_nKeptSelection = -1;
    // A city or zone the selected clocks follow instead of the entry's zone (database mode),
    // and its name; a city is kept by its index, -1 for none.
    int m_nSelectedCity = -1;
    QByteArray m_selectedZone;
    QString m_strSelectedName;
    QString m_strSelectedCaption;
    bool m_bUseDatabase = true;
    int m_nDaylightOption = DaylightAuto;
    bool m_bUseOwnDaylightDates = false;
    OwnDaylightDates m_ownDates;
    bool m_bShowDaylightSaving = true;
    bool m_bListOnly = false;
    bool m_bShowAtStartup = false;
    std::optional<float> m_mapZone;
    float m_fCaptionOffset = 0.0f; // the zone the captions last named
    ClockOffsets m_offsets;
    ClockRules m_rules;
    ClockOffsets m_shownOffsets;    // what the clocks showed at the last tick, in database mode
    QString m_strNextChange;        // the selected place's next change, as last shown
    TimeValue m_tNextChangeDue = 0; // when that text must be worked out again
    PinnedPlaces m_pins;
    std::vector<PinWhere> m_pinWhere; // by pin, resolved at each edit
    std::vector<PinnedRow> m_pinRows;
    bool m_bPins24Hour = true;
};
