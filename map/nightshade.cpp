// SPDX-License-Identifier: MIT

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

QRgb DarkenPixel(QRgb p, unsigned keep)
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
    m_dark.assign(static_cast<std::size_t>(m_size.width()) * m_size.height(), 0);
    if (m_dark.empty())
        return;
    // The sine of the sun's elevation is a + b cos(longitude difference): one cosine a column
    // and one pair a row. Single precision is ample for a share out of 106, and lets the
    // compiler work on several pixels at once.
    std::vector<float> cosines(static_cast<std::size_t>(m_size.width()));
    for (int x = 0; x < m_size.width(); ++x)
        cosines[static_cast<std::size_t>(x)] = static_cast<float>(
            std::cos((LongitudeAt(x, m_size.width()) - sun.longitude) * Radians));
    const double sinDelta = std::sin(sun.latitude * Radians);
    const double cosDelta = std::cos(sun.latitude * Radians);
    const double span = SinSunset - SinNight;
    constexpr float Depth = DayKeep - NightKeep;
    std::uint8_t *dark = m_dark.data();
    for (int y = 0; y < m_size.height(); ++y, dark += m_size.width()) {
        const double phi = LatitudeAt(y, m_size.height()) * Radians;
        const double a = std::sin(phi) * sinDelta;
        const double b = std::cos(phi) * cosDelta;
        // The share of the way from sunset to full night: k0 + k1 c.
        const auto k0 = static_cast<float>((SinSunset - a) / span);
        const auto k1 = static_cast<float>(-b / span);
        // A row all in daylight or all in full night needs no pixel worked out.
        if (k0 + std::abs(k1) <= 0.0f)
            continue;
        if (k0 - std::abs(k1) >= 1.0f) {
            std::fill(dark, dark + m_size.width(), static_cast<std::uint8_t>(Depth));
            continue;
        }
        const float *c = cosines.data();
        for (int x = 0; x < m_size.width(); ++x) {
            const float t = std::clamp(k0 + k1 * c[x], 0.0f, 1.0f);
            const float eased = t * t * (3.0f - 2.0f * t); // eases in and out of twilight
            dark[x] = static_cast<std::uint8_t>(eased * Depth + 0.5f);
        }
    }
}

int CNightShade::KeepAt(int x, int y) const
{
    if (x < 0 || y < 0 || x >= m_size.width() || y >= m_size.height())
        return DayKeep;
    return DayKeep - m_dark[static_cast<std::size_t>(y) * m_size.width() + x];
}

void CNightShade::Apply(const QImage &day, QImage &out, QPoint origin) const
{
    const QImage source = day.convertToFormat(QImage::Format_RGB32);
    if (day.size() != m_size || m_dark.empty()) {
        out = source;
        return;
    }
    // Written in one pass from the day, rather than copied and then darkened.
    if (out.size() != m_size || out.format() != QImage::Format_RGB32 || !out.isDetached())
        out = QImage(m_size, QImage::Format_RGB32);
    const int w = m_size.width();
    const int shift = Wrap(origin.x(), w);
    for (int y = 0; y < m_size.height(); ++y) {
        const std::uint8_t *dark =
            m_dark.data() + static_cast<std::size_t>(Wrap(y - origin.y(), m_size.height())) * w;
        const auto *from = reinterpret_cast<const QRgb *>(source.constScanLine(y));
        auto *row = reinterpret_cast<QRgb *>(out.scanLine(y));
        // Unturned column x shows at view column x + shift: two runs without a wrap each.
        auto darken = [&](int first, int last, int offset) {
            for (int x = first; x < last; ++x) {
                const QRgb p = from[x + offset];
                row[x + offset] = dark[x] != 0 ? DarkenPixel(p, DayKeep - dark[x]) : p;
            }
        };
        darken(0, w - shift, shift);
        darken(w - shift, w, shift - w);
    }
}

void CNightShade::Darken(QImage &pixels, QPoint at, QPoint origin, int rows) const
{
    if (rows < 0 || rows > pixels.height())
        rows = pixels.height();
    if (m_dark.empty() || pixels.format() != QImage::Format_RGB32 || at.x() < 0 || at.y() < 0 ||
        at.x() + pixels.width() > m_size.width() || at.y() + rows > m_size.height())
        return;
    const int w = m_size.width();
    // View column v shows unturned column v - origin.x: at most two runs without a wrap.
    const int first = Wrap(at.x() - origin.x(), w);
    const int before = std::min(pixels.width(), w - first);
    for (int y = 0; y < rows; ++y) {
        const std::uint8_t *dark =
            m_dark.data() +
            static_cast<std::size_t>(Wrap(at.y() + y - origin.y(), m_size.height())) * w;
        auto *row = reinterpret_cast<QRgb *>(pixels.scanLine(y));
        auto darken = [&](int from, int count, const std::uint8_t *shade) {
            for (int x = 0; x < count; ++x)
                if (shade[x] != 0)
                    row[from + x] = DarkenPixel(row[from + x], DayKeep - shade[x]);
        };
        darken(0, before, dark + first);
        darken(before, pixels.width() - before, dark);
    }
}
