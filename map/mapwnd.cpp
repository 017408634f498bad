// SPDX-License-Identifier: MIT

#include "map/mapwnd.h"

#include "map/gmtoffset.h"
#include "map/surface.h"
#include "map/zonekey.h"
#include "res/resources.h"
#include "zones/timesource.h"
#include "zones/zonedatabase.h"

#include <QHelpEvent>
#include <QHideEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QShowEvent>
#include <QTimer>
#include <QToolTip>

#include <algorithm>
#include <array>
#include <cmath>
#include <ctime>

namespace {

// The computer's standard offset in hours east, daylight saving not included.
float ComputerStandardOffset()
{
    tzset();
    return static_cast<float>(-timezone) / 3600.0f;
}

} // namespace

CMapWnd::CMapWnd(QWidget *parent)
    : CBitmapWnd(parent), m_fZone(ComputerStandardOffset()), m_nightTimer(new QTimer(this))
{
    setObjectName(QStringLiteral("map"));
    setAccessibleName(tr("World map"));
    SetCentreMode(true, false);
    SetAccelerate(true);
    SetMaxSpeed(600);
    // The terminator moves a pixel of the map in about four minutes.
    m_nightTimer->setInterval(NightInterval * 1000);
    connect(m_nightTimer, &QTimer::timeout, this, &CMapWnd::RefreshNight);
    m_landTimer = new QTimer(this);
    m_landTimer->setSingleShot(true);
    m_landTimer->setInterval(2000);
    connect(m_landTimer, &QTimer::timeout, this, &CMapWnd::LandBuilt);
}

CMapWnd::~CMapWnd() = default;

bool CMapWnd::Create(const QRect &rect, QWidget *parent, int id)
{
    if (!CreatePanel(rect, parent, id) || m_zoneMap.IsNull())
        return false;
    // The glide's speed is meant for the size the map is made at, shown at a pixel ratio of 1.
    SetSpeedReferenceWidth(GetBitmapSize().width() / PixelRatio());
    SelectZone(m_fZone);
    return true;
}

bool CMapWnd::BuildZoneMap(QSize size)
{
    const bool database = m_bDatabaseZones && !IsZoneDatabaseMissing();
    if (!database && m_tableZones.isNull())
        m_tableZones = LoadZonePicture();
    if (!database && m_tableZones.isNull())
        return false;
    const ZoneKey &key = ZoneKey::Builtin();
    const std::optional<BuiltLand> kept =
        UnpackLand(std::exchange(m_keptLand, {}), size, key.Identity());
    if (!m_zoneMap.Build(size, key, database ? QImage() : m_tableZones, kept ? &*kept : nullptr))
        return false;
    // Kept as built, before the view turns it; table mode draws its zones over the key's.
    if (!kept && database) {
        m_landToKeep = PackLand({m_zoneMap.Land(), m_zoneMap.Keys()}, key.Identity());
        m_landTimer->start();
    }
    return true;
}

bool CMapWnd::ShareKeptLand(const SharedBytes &bytes)
{
    const std::optional<BuiltLand> kept =
        UnpackLand(bytes, GetBitmapSize(), ZoneKey::Builtin().Identity());
    return kept && m_zoneMap.ShareLand(*kept);
}

void CMapWnd::BuildSurfaces(QSize size)
{
    // The view is drawn at each paint from the zone map: no picture of it is kept.
    DropView();
    m_night = CNightShade();
    m_litZone.reset();
    if (!BuildZoneMap(size))
        m_zoneMap = CZoneMap();
}

void CMapWnd::SurfacesTurned()
{
    // Lit once, where the new surfaces stand turned.
    if (!m_zoneMap.IsNull() && Light())
        ShowLit();
}

QPoint CMapWnd::KeptOrigin(QSize oldSize, QSize newSize) const
{
    // A zone in the middle stays exactly there; the first surfaces start with it there.
    const int w = oldSize.width();
    const int nw = newSize.width();
    const bool centred =
        oldSize.isEmpty() ||
        (CZoneMap::ZoneColumn(m_fZone, w) + GetOrigin().x()) % w == GetCentre().x();
    if (nw > 0 && centred)
        return {((nw / 2 - CZoneMap::ZoneColumn(m_fZone, nw)) % nw + nw) % nw, 0};
    return CBitmapWnd::KeptOrigin(oldSize, newSize);
}

void CMapWnd::SetUseDatabaseZones(bool bDatabase)
{
    if (bDatabase == m_bDatabaseZones)
        return;
    m_bDatabaseZones = bDatabase;
    if (m_zoneMap.IsNull())
        return;
    // The kept surfaces stand turned by the view's origin; the new ones must start there too.
    FinishGlide();
    if (!BuildZoneMap(GetBitmapSize()))
        return;
    if (!GetOrigin().isNull())
        m_zoneMap.Turn(GetOrigin().x(), GetOrigin().y());
    m_litZone.reset();
    Reselect();
}

void CMapWnd::SelectZone(float fOffset)
{
    FinishGlide();
    m_fZone = fOffset;
    UpdateAccessibleName();
    if (m_zoneMap.IsNull())
        return;
    const QPoint p = m_zoneMap.ZonePosition(fOffset, GetOrigin().x());
    if (Light())
        ShowLit();
    const QPoint centre = GetCentre();
    SmoothScroll(centre.x() - p.x(), centre.y() - p.y());
}

QPoint CMapWnd::ScrollView(int dx, int dy)
{
    // The key and the map turn with the view, so a point shows the same place on all three.
    const QPoint r = CBitmapWnd::ScrollView(dx, dy);
    if (!r.isNull())
        m_zoneMap.Turn(r.x(), r.y());
    return r;
}

void CMapWnd::mousePressEvent(QMouseEvent *event)
{
    // Only the panel's click bookkeeping: the map selects zones rather than dragging or
    // centring the clicked point.
    CPanelWnd::mousePressEvent(event);
    if (event->button() != Qt::LeftButton || !IsCentreMode())
        return;
    const int radius = int(std::lround(CZoneMap::LandRadius * PixelRatio()));
    const std::optional<float> zone = m_zoneMap.ZoneAt(SurfacePoint(event->position()), radius);
    if (zone && *zone != m_fZone)
        SelectZone(*zone);
}

std::vector<float> CMapWnd::Zones() const
{
    std::vector<float> zones = m_zoneMap.ZoneOffsets();
    if (m_placeZones) {
        const std::vector<float> places = m_placeZones();
        zones.insert(zones.end(), places.begin(), places.end());
        std::sort(zones.begin(), zones.end());
        zones.erase(std::unique(zones.begin(), zones.end()), zones.end());
    }
    return zones;
}

float CMapWnd::NeighbourZone(int step) const
{
    // Read from the picture each time (a millisecond), so it follows whichever zone picture the
    // map shows.
    const std::vector<float> zones = Zones();
    const int count = static_cast<int>(zones.size());
    if (count == 0)
        return m_fZone;
    // A zone the picture lacks (an offset from the table) counts from where it would lie.
    const auto at = std::lower_bound(zones.begin(), zones.end(), m_fZone);
    int i = static_cast<int>(at - zones.begin());
    if (at != zones.end() && *at == m_fZone)
        i += step;
    else
        i += step > 0 ? step - 1 : step;
    return zones[static_cast<std::size_t>(((i % count) + count) % count)];
}

void CMapWnd::keyPressEvent(QKeyEvent *event)
{
    float zone = 0.0f;
    if (event->modifiers() != Qt::NoModifier && event->modifiers() != Qt::KeypadModifier) {
        CBitmapWnd::keyPressEvent(event);
        return;
    }
    switch (event->key()) {
    case Qt::Key_Left:
        zone = NeighbourZone(-1);
        break;
    case Qt::Key_Right:
        zone = NeighbourZone(1);
        break;
    case Qt::Key_Home:
        zone = m_fHomeZone;
        break;
    default:
        CBitmapWnd::keyPressEvent(event);
        return;
    }
    event->accept();
    if (!IsCentreMode())
        return;
    if (zone != m_fZone)
        SelectZone(zone);
    Send(NM_KEYDOWN, WindowPoint(GetCentre()));
}

void CMapWnd::SetPlaceName(const QString &place)
{
    m_strPlace = place;
    UpdateAccessibleName();
}

void CMapWnd::UpdateAccessibleName()
{
    QString zone;
    FormatGmtOffset(m_fZone, zone);
    const QString name = m_strPlace.isEmpty()
                             ? tr("World map: %1 lit").arg(zone)
                             : tr("World map: %1 lit, %2 selected").arg(zone, m_strPlace);
    // Only a real change reaches a screen reader.
    if (name != accessibleName())
        setAccessibleName(name);
}

template <typename Change> bool CMapWnd::Recolour(Change change)
{
    const auto colours = [this] {
        return std::array{m_zoneMap.LandColour(), m_zoneMap.LandHighlight(), m_zoneMap.SeaColour(),
                          m_zoneMap.SeaHighlight()};
    };
    const auto before = colours();
    if (!change())
        return false;
    // The stored colours applied at a start are mostly the ones in use: nothing to draw then.
    if (colours() != before) {
        m_litZone.reset();
        Reselect();
    }
    return true;
}

bool CMapWnd::SetLandColour(int nPair)
{
    return Recolour([&] { return m_zoneMap.SetLandColour(nPair); });
}

bool CMapWnd::SetSeaColour(int nPair)
{
    return Recolour([&] { return m_zoneMap.SetSeaColour(nPair); });
}

bool CMapWnd::SetColours(int nLandPair, int nSeaPair)
{
    return Recolour([&] { return m_zoneMap.SetColours(nLandPair, nSeaPair); });
}

void CMapWnd::Relight()
{
    m_litZone.reset();
    if (!m_zoneMap.IsNull() && Light())
        ShowLit();
}

void CMapWnd::Reselect()
{
    // Rebuilds the lit composite in the new colours; the zone already stands in the middle
    // (once a running glide is done), so nothing moves.
    SelectZone(m_fZone);
}

void CMapWnd::SetShowNight(bool show)
{
    if (show == m_bShowNight)
        return;
    m_bShowNight = show;
    if (show && isVisible())
        m_nightTimer->start();
    else
        m_nightTimer->stop();
    RefreshNight();
}

void CMapWnd::showEvent(QShowEvent *event)
{
    CBitmapWnd::showEvent(event);
    // The night moved on while the map was out of sight.
    if (m_bShowNight && !m_nightTimer->isActive()) {
        if (CurrentTime() - m_tNightDrawn >= NightInterval)
            RefreshNight();
        m_nightTimer->start();
    }
}

void CMapWnd::hideEvent(QHideEvent *event)
{
    CBitmapWnd::hideEvent(event);
    // Hidden to the notification area or minimised, nobody sees the night move.
    m_nightTimer->stop();
}

void CMapWnd::RefreshNight()
{
    if (m_zoneMap.IsNull())
        return;
    if (m_bShowNight) {
        m_tNightDrawn = CurrentTime();
        m_night.Update(GetBitmapSize(), SunPositionAt(m_tNightDrawn));
    }
    Light();
    ShowLit();
}

bool CMapWnd::Light()
{
    if (m_litZone == m_fZone && m_zoneMap.IsLit())
        return false;
    m_zoneMap.LightZone(m_fZone, m_zoneMap.ZonePosition(m_fZone, GetOrigin().x()).x());
    m_litZone = m_fZone;
    return true;
}

void CMapWnd::ShowLit()
{
    if (m_bShowNight && m_night.IsNull())
        m_night.Update(GetBitmapSize(), SunPositionAt(CurrentTime()));
    Invalidate(false);
    UpdateWindow();
}

QImage CMapWnd::View() const
{
    QImage view = m_zoneMap.Composite();
    if (m_bShowNight && !view.isNull())
        m_night.Darken(view, QPoint(), GetOrigin());
    return view;
}

void CMapWnd::FormatGmtOffset(float fOffset, QString &strOut)
{
    strOut = ::FormatGmtOffset(fOffset);
}

void CMapWnd::SetMarkers(std::vector<Marker> markers)
{
    if (markers == m_markers)
        return;
    m_markers = std::move(markers);
    Invalidate(false);
    UpdateWindow();
}

QPoint CMapWnd::MarkerPoint(const Marker &marker) const
{
    const QSize size = GetBitmapSize();
    if (size.isEmpty())
        return {};
    // The inverse of the night's pixel to longitude and latitude, then turned as the view is.
    const double span = MapPictureHeight * 360.0 / MapPictureWidth;
    double lon = marker.longitude - MapPictureWestLongitude;
    lon -= 360.0 * std::floor(lon / 360.0);
    const int x = static_cast<int>(lon * size.width() / 360.0);
    const int y = static_cast<int>((90.0 - marker.latitude) * size.height() / span);
    const QPoint origin = GetOrigin();
    auto wrap = [](int v, int n) {
        return ((v % n) + n) % n;
    };
    return InnerRect().topLeft() + QPoint(wrap(x + origin.x(), size.width()),
                                          std::clamp(y + origin.y(), 0, size.height() - 1));
}

QString CMapWnd::MarkerLabelAt(const QPoint &point) const
{
    constexpr int Reach = 5;
    const Marker *best = nullptr;
    int nearest = Reach * Reach + 1;
    for (const Marker &m : m_markers) {
        const QPoint d = MarkerPoint(m) - point;
        const int distance = d.x() * d.x() + d.y() * d.y();
        if (distance < nearest) {
            nearest = distance;
            best = &m;
        }
    }
    return best ? best->label : QString();
}

void CMapWnd::PaintInside(QPainter &painter)
{
    // Drawn from the zone map for the part asked for, darkened where it is night; nothing of it
    // is kept once shown.
    const qreal dpr = PixelRatio();
    const QRect inner = InnerRect();
    const QSize size = GetBitmapSize();
    const QRectF asked = painter.hasClipping() ? painter.clipBoundingRect() : QRectF(inner);
    const QRect part =
        QRectF((asked.topLeft() - QPointF(inner.topLeft())) * dpr, asked.size() * dpr)
            .toAlignedRect() &
        QRect(QPoint(), size);
    if (!part.isEmpty() && m_zoneMap.IsLit()) {
        // Where the surfaces' pixels are the device's one to one, a few rows at a time, in a
        // buffer small enough to be reused rather than mapped afresh at each frame of a glide;
        // otherwise whole, drawn over the inside as a whole view would be.
        const bool exact = QSizeF(inner.size()) * dpr == QSizeF(size);
        constexpr int StripBytes = 96 * 1024;
        const int rows = exact ? std::max(1, StripBytes / (part.width() * 4)) : part.height();
        QImage pixels(part.width(), std::min(rows, part.height()), QImage::Format_RGB32);
        pixels.setDevicePixelRatio(exact ? dpr : 1.0);
        for (int top = part.top(); top <= part.bottom(); top += rows) {
            const QRect strip(part.left(), top, part.width(),
                              std::min(rows, part.bottom() + 1 - top));
            m_zoneMap.Render(pixels, strip);
            if (m_bShowNight)
                m_night.Darken(pixels, strip.topLeft(), GetOrigin(), strip.height());
            if (exact) {
                painter.drawImage(QPointF(inner.topLeft()) + QPointF(strip.topLeft()) / dpr, pixels,
                                  QRectF(QPointF(), QSizeF(strip.size())));
            } else {
                const QSizeF scale(qreal(inner.width()) / size.width(),
                                   qreal(inner.height()) / size.height());
                painter.drawImage(QRectF(inner.left() + strip.left() * scale.width(),
                                         inner.top() + strip.top() * scale.height(),
                                         strip.width() * scale.width(),
                                         strip.height() * scale.height()),
                                  pixels);
            }
        }
    }
    if (m_markers.empty())
        return;
    painter.save();
    painter.setClipRect(InnerRect());
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(Qt::white);
    for (const Marker &m : m_markers)
        painter.drawEllipse(QPointF(MarkerPoint(m)) + QPointF(0.5, 0.5), 2.5, 2.5);
    painter.restore();
}

bool CMapWnd::event(QEvent *event)
{
    if (event->type() == QEvent::ToolTip) {
        auto *help = static_cast<QHelpEvent *>(event);
        const QString label = MarkerLabelAt(help->pos());
        if (label.isEmpty())
            QToolTip::hideText();
        else
            QToolTip::showText(help->globalPos(), label, this);
        return true;
    }
    return CBitmapWnd::event(event);
}
