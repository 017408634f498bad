#include "map/nightshade.h"

#include "res/resources.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr double Radians = std::numbers::pi / 180.0;
// Sunset and the end of nautical twilight, as sines of the sun's elevation.
const double SinSunset = std::sin(CNightShade::SunsetElevation * Radians);
const double SinNight = std::sin(-12.0 * Radians);

int Wrap(int v, int n)
{
    return ((v % n) + n) % n;
}

QRgb Darken(QRgb p, unsigned keep)
{
    const unsigned rb = ((p & 0xff00ffu) * keep >> 8) & 0xff00ffu;
    const unsigned g = ((p & 0x00ff00u) * keep >> 8) & 0x00ff00u;
    return 0xff000000u | rb | g;
}

} // namespace

double CNightShade::LongitudeAt(double x, int width)
{
    const double lon = MapPictureWestLongitude + (x + 0.5) * 360.0 / width;
    return lon >= 180.0 ? lon - 360.0 : lon;
}

double CNightShade::LatitudeAt(double y, int height)
{
    const double span = MapPictureHeight * 360.0 / MapPictureWidth;
    return 90.0 - (y + 0.5) * span / height;
}

void CNightShade::Update(QSize size, const SunPoint &sun)
{
    m_size = size.isEmpty() ? QSize() : size;
    m_keep.assign(static_cast<std::size_t>(m_size.width()) * m_size.height(), DayKeep);
    if (m_keep.empty())
        return;
    // The sine of the sun's elevation is a + b cos(longitude difference): one cosine a column
    // and one pair a row.
    std::vector<double> cosines(static_cast<std::size_t>(m_size.width()));
    for (int x = 0; x < m_size.width(); ++x)
        cosines[static_cast<std::size_t>(x)] =
            std::cos((LongitudeAt(x, m_size.width()) - sun.longitude) * Radians);
    const double sinDelta = std::sin(sun.latitude * Radians);
    const double cosDelta = std::cos(sun.latitude * Radians);
    auto keep = m_keep.begin();
    for (int y = 0; y < m_size.height(); ++y) {
        const double phi = LatitudeAt(y, m_size.height()) * Radians;
        const double a = std::sin(phi) * sinDelta;
        const double b = std::cos(phi) * cosDelta;
        for (const double c : cosines) {
            const double t =
                std::clamp((SinSunset - (a + b * c)) / (SinSunset - SinNight), 0.0, 1.0);
            const double dark = t * t * (3.0 - 2.0 * t); // eases in and out of twilight
            *keep++ =
                static_cast<std::uint16_t>(std::lround(DayKeep - dark * (DayKeep - NightKeep)));
        }
    }
}

int CNightShade::KeepAt(int x, int y) const
{
    if (x < 0 || y < 0 || x >= m_size.width() || y >= m_size.height())
        return DayKeep;
    return m_keep[static_cast<std::size_t>(y) * m_size.width() + x];
}

void CNightShade::Apply(const QImage &day, QImage &out, QPoint origin) const
{
    out = day.convertToFormat(QImage::Format_RGB32);
    if (day.size() != m_size || m_keep.empty())
        return;
    const int w = m_size.width();
    const int shift = Wrap(origin.x(), w);
    for (int y = 0; y < m_size.height(); ++y) {
        const std::uint16_t *keep =
            m_keep.data() + static_cast<std::size_t>(Wrap(y - origin.y(), m_size.height())) * w;
        auto *row = reinterpret_cast<QRgb *>(out.scanLine(y));
        // Unturned column x shows at view column x + shift: two runs without a wrap each.
        auto darken = [&](int from, int to, int offset) {
            for (int x = from; x < to; ++x) {
                if (keep[x] < DayKeep)
                    row[x + offset] = Darken(row[x + offset], keep[x]);
            }
        };
        darken(0, w - shift, shift);
        darken(w - shift, w, shift - w);
    }
}
