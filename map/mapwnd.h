// SPDX-License-Identifier: MIT

#pragma once

#include "map/bitmapwnd.h"
#include "map/nightshade.h"
#include "map/zonemap.h"

#include <QByteArray>
#include <QString>

#include <functional>
#include <optional>
#include <utility>
#include <vector>

// The world map: land and sea in the chosen colours, the selected time zone lit in brighter
// shades and turned like a cylinder into the middle. A click on a zone lights it and glides it to
// the middle; the owner learns of the click through the panel's NM_CLICK and reads GetZone().
// It takes whatever size its owner gives it and draws itself at that size in device pixels.
class CMapWnd final : public CBitmapWnd
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CMapWnd)

public:
    static constexpr int ControlId = 1000;

    // Starts on the computer's standard offset, selecting zones by click, gliding at 600 px/s.
    explicit CMapWnd(QWidget *parent = nullptr);
    ~CMapWnd() override;

    // Creates the window at rect and its surfaces from the program's zone keys, and selects the
    // current zone. False when the window exists already or the keys cannot be read.
    bool Create(const QRect &rect, QWidget *parent, int id = ControlId);

    // Lights and looks up zones on the key by zone name, their offsets from the time-zone
    // database (true; the table's key where the machine has no database), or on the country
    // table's key (false), before or after Create. The selected zone stays selected and is lit
    // again on the new key.
    void SetUseDatabaseZones(bool bDatabase);
    bool IsUsingDatabaseZones() const { return m_bDatabaseZones; }

    // Lights the zone of fOffset and glides it to the middle; it is the selected zone from now
    // on. A glide still running is first brought to its end. An offset the key lacks lights
    // nothing but still turns the map to its place.
    void SelectZone(float fOffset);
    float GetZone() const { return m_fZone; }
    // The zones' offsets were answered anew: lights the selected zone again by them, in place.
    void Relight();

    // The keyboard: Left and Right select the neighbouring zone west or east (round the date
    // line), Home the home zone; each sends NM_KEYDOWN as a click sends NM_CLICK. Like clicks,
    // keys select nothing while the map does not centre its zones.
    void SetHomeZone(float fOffset) { m_fHomeZone = fOffset; }
    // The zones the keys reach, west to east: those a click can light, and those the owner's
    // places stand in (a zone of a few small islands may have no pixel of its own).
    std::vector<float> Zones() const;
    void SetPlaceZones(std::function<std::vector<float>()> source)
    {
        m_placeZones = std::move(source);
    }
    // The zone step places west (negative) or east of the selected one.
    float NeighbourZone(int step) const;
    // The place selected in the lit zone, told by the owner; the accessible name then says
    // both.
    void SetPlaceName(const QString &place);

    // Colour pair numbers 0..7 of the map colour table; other numbers are refused (false) and
    // change nothing. SetColours applies whichever of the two is valid, in one pass.
    bool SetLandColour(int nPair);
    bool SetSeaColour(int nPair);
    bool SetColours(int nLandPair, int nSeaPair);
    int GetLandColour() const { return m_zoneMap.GetLandColour(); }
    int GetSeaColour() const { return m_zoneMap.GetSeaColour(); }

    static void FormatGmtOffset(float fOffset, QString &strOut);

    // Darkens the map where the sun is down at the current instant, redrawn every half minute
    // while on. Off at first.
    void SetShowNight(bool show);
    bool GetShowNight() const { return m_bShowNight; }
    // Redraws the night for the current instant; the half-minute timer calls it.
    void RefreshNight();
    const CNightShade &NightShade() const { return m_night; }

    // Small marks of places (the pinned ones), turning with the map; the mouse resting on one
    // shows its label.
    struct Marker
    {
        double latitude = 0.0;
        double longitude = 0.0;
        QString label;
        friend bool operator==(const Marker &, const Marker &) = default;
    };
    void SetMarkers(std::vector<Marker> markers);

    // Land kept from an earlier run (PackLand's bytes): taken by the next build, which uses it
    // instead of building when it is of that build's size and key.
    void SetKeptLand(SharedBytes bytes) { m_keptLand = std::move(bytes); }
    // The land last built anew, packed to be kept, or empty; handed over once.
    QByteArray TakeLandToKeep() { return std::exchange(m_landToKeep, {}); }
    // The land just kept, read back: taken in place of the land in use when it is the same, so
    // the map reads the file's pages rather than a copy of its own. False when it is not.
    bool ShareKeptLand(const SharedBytes &bytes);

    const std::vector<Marker> &Markers() const { return m_markers; }
    // Where the marker shows in the window now.
    QPoint MarkerPoint(const Marker &marker) const;
    // The label of the marker nearest a point of the window, within a few pixels; empty for none.
    QString MarkerLabelAt(const QPoint &point) const;

    // The kept surfaces, for the owner's checks and for tests.
    const CZoneMap &ZoneMap() const { return m_zoneMap; }
    // The view as it shows now, drawn for the asking.
    QImage View() const override;

signals:
    // Land was built anew, and a moment has passed without another build (a resize dragged).
    void LandBuilt();

protected:
    void BuildSurfaces(QSize size) override;
    void SurfacesTurned() override;
    QPoint KeptOrigin(QSize oldSize, QSize newSize) const override;
    QPoint ScrollView(int dx, int dy) override;
    void mousePressEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void PaintInside(QPainter &painter) override;
    bool CoversInside() const override { return m_zoneMap.IsLit(); }
    bool event(QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    void Reselect();
    // Applies a change of colours made by change (false when refused), lighting the map again
    // only when a colour differs.
    template <typename Change> bool Recolour(Change change);
    // Lights the selected zone where the surfaces stand turned; false, doing nothing, when it is
    // lit already (the lit columns turn with the surfaces).
    bool Light();
    // Shows the lit map, with the night over it when that is on.
    void ShowLit();
    // Builds the zone map at size for the key in use, not turned.
    bool BuildZoneMap(QSize size);
    void UpdateAccessibleName();

    CZoneMap m_zoneMap;
    float m_fZone = 0.0f;
    std::optional<float> m_litZone; // the zone lit; none when it must be lit again
    bool m_bShowNight = false;
    std::vector<Marker> m_markers;
    CNightShade m_night;
    QTimer *m_nightTimer = nullptr;
    static constexpr TimeValue NightInterval = 30; // seconds between redraws of the night
    TimeValue m_tNightDrawn = 0;                   // the instant the night was drawn for
    SharedBytes m_keptLand;
    QByteArray m_landToKeep;
    QTimer *m_landTimer = nullptr;
    QImage m_tableZones; // the table's key, loaded when first used
    bool m_bDatabaseZones = false;
    float m_fHomeZone = 0.0f;
    QString m_strPlace;
    std::function<std::vector<float>()> m_placeZones;
};
