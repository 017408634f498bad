// SPDX-License-Identifier: MIT

#include "countries/countrytree.h"

#include "map/colourtables.h"
#include "res/resources.h"
#include "zones/countrytable.h"
#include "zones/daylight.h"
#include "zones/places.h"
#include "zones/zonedatabase.h"

#include <QApplication>
#include <QHash>
#include <QIconEngine>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QStyle>
#include <QStyleOption>

#include <cmath>
#include <utility>

namespace {

constexpr int ImageWidth = 24;
constexpr int ImageHeight = 16;

// Picture i of a strip drawn at scale times the size, white made transparent.
QImage CutPicture(const QImage &strip, int i, int scale)
{
    QImage image = strip.copy(i * ImageWidth * scale, 0, ImageWidth * scale, ImageHeight * scale)
                       .convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if ((line[x] & 0x00ffffffu) == 0x00ffffffu)
                line[x] = 0;
        }
    }
    return image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

// Picture i of the strips, cut when it is drawn. Nineteen icons of pixmaps at one and two
// times the size held 145 KB at a pixel ratio of 2; the strips they share are read where the
// program's resources hold them.
class StripIconEngine final : public QIconEngine
{
public:
    StripIconEngine(QImage strip, QImage large, int index)
        : m_strip(std::move(strip)), m_large(std::move(large)), m_index(index)
    {}

    QIconEngine *clone() const override { return new StripIconEngine(*this); }
    bool isNull() override { return m_strip.isNull(); }

    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override
    {
        QList<QSize> sizes{QSize(ImageWidth, ImageHeight)};
        if (!m_large.isNull())
            sizes.append(QSize(ImageWidth, ImageHeight) * 2);
        return sizes;
    }

    // As for an icon of pixmaps at one and two times the size: the size of the first, scaled
    // down to fit the size asked for.
    QSize actualSize(const QSize &size, QIcon::Mode, QIcon::State) override
    {
        QSize actual(ImageWidth, ImageHeight);
        if (actual.width() > size.width() || actual.height() > size.height())
            actual.scale(size, Qt::KeepAspectRatio);
        return actual;
    }

    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return scaledPixmap(size, mode, state, 1.0);
    }

    // Again as for pixmaps: the picture of the nearer scale, the smaller at a tie, scaled down
    // to fit the size in device pixels and never up (at 1.5 the painter draws the small one
    // larger, as it always has).
    QPixmap scaledPixmap(const QSize &size, QIcon::Mode mode, QIcon::State, qreal scale) override
    {
        const int s = !m_large.isNull() && scale > 1.5 ? 2 : 1;
        QImage picture = CutPicture(s == 2 ? m_large : m_strip, m_index, s);
        QSize fit = picture.size();
        if (fit.width() > size.width() || fit.height() > size.height()) {
            fit.scale(size, Qt::KeepAspectRatio);
            if (fit.isEmpty())
                return {};
            picture = picture.scaled(fit, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        }
        QPixmap pixmap = QPixmap::fromImage(std::move(picture));
        // Selected and disabled pictures as the style makes them for any icon.
        if (mode != QIcon::Normal && qobject_cast<QApplication *>(QCoreApplication::instance())) {
            QStyleOption option;
            option.palette = QGuiApplication::palette();
            pixmap = QApplication::style()->generatedIconPixmap(mode, pixmap, &option);
        }
        return pixmap;
    }

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override
    {
        const qreal ratio = painter->device() ? painter->device()->devicePixelRatio() : 1.0;
        painter->drawPixmap(rect, scaledPixmap(rect.size() * ratio, mode, state, ratio));
    }

private:
    QImage m_strip;
    QImage m_large;
    int m_index;
};

// How one fill lists and pictures entries: by the table, or by the database at one instant.
struct FillRule
{
    bool useDatabase;
    TimeValue now;

    bool Passes(int index, float filter) const
    {
        if (filter == CCountryTree::NoFilter)
            return true;
        if (!useDatabase)
            return PlaceAt(index)->gmtOffset == filter;
        return EntryListStateAt(index, now).standardOffset == std::lround(filter * 3600.0f);
    }

    int LeafImage(int index) const
    {
        const bool has =
            useDatabase ? EntryListHasDaylightSaving(index, now) : HasDaylightSaving(index);
        if (!has)
            return CCountryTree::ImageNoDaylight;
        const bool inEffect =
            useDatabase ? EntryListStateAt(index, now).daylight : IsDaylightSavingAt(index, now);
        return inEffect ? CCountryTree::ImageDaylightNow : CCountryTree::ImageHasDaylight;
    }
};

} // namespace

CCountryTree::CCountryTree(QWidget *parent) : CTipTreeCtrl(parent)
{
    setObjectName(QStringLiteral("countryTree"));
    setAccessibleName(tr("Countries and regions"));
    setIconSize(QSize(ImageWidth, ImageHeight));
    connect(this, &QTreeWidget::itemExpanded, this,
            [this](QTreeWidgetItem *item) { OnRegionExpanded(item, true); });
    connect(this, &QTreeWidget::itemCollapsed, this,
            [this](QTreeWidgetItem *item) { OnRegionExpanded(item, false); });
}

QString CCountryTree::GetDisplayName(int index, bool useDatabase)
{
    return QString::fromStdString(PlaceDisplayName(index, useDatabase));
}

QList<QIcon> CCountryTree::LoadImageStrip(int landColour)
{
    if (!IsValidMapColour(landColour))
        landColour = 0;
    // The large strip only where some screen can show it: at a ratio of 1 it would be read for
    // nothing.
    const bool sharper = qGuiApp && qGuiApp->devicePixelRatio() > 1.0;
    return CutImageStrip(LoadTreeStrip(landColour),
                         sharper ? LoadTreeStrip(landColour, 2) : QImage());
}

QList<QIcon> CCountryTree::CutImageStrip(const QImage &strip, const QImage &large)
{
    const auto holds = [](const QImage &from, int i, int scale) {
        return !from.isNull() && from.width() >= (i + 1) * ImageWidth * scale &&
               from.height() >= ImageHeight * scale;
    };
    QList<QIcon> images;
    images.reserve(ImageCount);
    for (int i = 0; i < ImageCount; ++i) {
        images.append(holds(strip, i, 1) ? QIcon(new StripIconEngine(
                                               strip, holds(large, i, 2) ? large : QImage(), i))
                                         : QIcon());
    }
    return images;
}

void CCountryTree::SetImageList(const QList<QIcon> &images)
{
    m_images = images;
    for (QTreeWidgetItemIterator it(this); *it; ++it)
        SetItemImage(*it, ItemImage(*it));
}

void CCountryTree::SetLandColour(int landColour)
{
    SetImageList(LoadImageStrip(landColour));
}

int CCountryTree::ItemImage(const QTreeWidgetItem *item)
{
    bool ok = false;
    const int image = item ? item->data(0, ImageRole).toInt(&ok) : -1;
    return ok ? image : -1;
}

void CCountryTree::SetItemImage(QTreeWidgetItem *item, int image) const
{
    item->setData(0, ImageRole, image);
    item->setIcon(0, image >= 0 && image < m_images.size() ? m_images[image] : QIcon());
}

void CCountryTree::OnRegionExpanded(QTreeWidgetItem *item, bool expanded)
{
    if (item->parent())
        return;
    const int position = item->data(0, IndexRole).toInt();
    SetItemImage(item, position + (expanded ? ExpandedImageOffset : 0));
}

int CCountryTree::FillTree(float filter, int select)
{
    // The list shows empty once, then full: never a half-built tree.
    setUpdatesEnabled(false);
    clearSelection();
    setCurrentItem(nullptr);
    clear();
    setUpdatesEnabled(true);
    if (isVisible())
        viewport()->repaint();
    setUpdatesEnabled(false);

    const FillRule rule{m_bUseDatabase, CurrentTime()};
    // A duplicate the mode hides is shown as the place it is listed as.
    select = ListedPlace(select, m_bUseDatabase);
    const std::vector<int> &order = ListedPlaces(m_bUseDatabase);
    const int count = static_cast<int>(order.size());
    auto text = [](std::string_view name) {
        return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
    };
    QTreeWidgetItem *toSelect = nullptr;
    // Regions last to first, each inserted at the top, so they end up in table order. A
    // country's parts are gathered under the region of its highest passing entry without a
    // region test, which lists Russia whole under Asia and its European parts again under
    // Europe; a doubly listed entry is selected under the region handled last.
    for (int r = RegionCount - 1; r >= 0; --r) {
        const RegionEntry &region = RegionTable[static_cast<std::size_t>(r)];
        QTreeWidgetItem *regionItem = nullptr;
        // A zone may list a country's parts apart in the table (Canada's, by the database):
        // they all go under the country's one row.
        QHash<QString, QTreeWidgetItem *> countries;
        for (int k = count - 1; k >= 0; --k) {
            const int i = order[static_cast<std::size_t>(k)];
            if (!rule.Passes(i, filter) || PlaceAt(i)->regionId != region.id)
                continue;
            if (!regionItem) {
                regionItem = new QTreeWidgetItem;
                regionItem->setText(0, tr(region.name));
                regionItem->setData(0, IndexRole, r);
                SetItemImage(regionItem, r);
                insertTopLevelItem(0, regionItem);
            }
            const std::string_view name = LocalPlaceName(i, m_bUseDatabase);
            if (PlacePart(i, m_bUseDatabase).empty()) {
                QTreeWidgetItem *countryItem = InsertSorted(regionItem, text(name), i);
                SetItemImage(countryItem, rule.LeafImage(i));
                if (i == select)
                    toSelect = countryItem;
                continue;
            }
            QTreeWidgetItem *&countryItem = countries[text(name)];
            if (!countryItem)
                countryItem = InsertSorted(regionItem, text(name), i);
            int countryImage =
                ItemImage(countryItem) == ImageHasDaylight ? ImageHasDaylight : ImageNoDaylight;
            int last = k;
            for (int q = k; q >= 0; --q) {
                const int part = order[static_cast<std::size_t>(q)];
                const int before = order[static_cast<std::size_t>(q == k ? k : q + 1)];
                if (PlacePart(before, m_bUseDatabase).empty() ||
                    LocalPlaceName(part, m_bUseDatabase) != name || !rule.Passes(part, filter))
                    break;
                const int image = rule.LeafImage(part);
                if (image != ImageNoDaylight)
                    countryImage = ImageHasDaylight;
                QTreeWidgetItem *partItem =
                    InsertSorted(countryItem, text(LocalPlacePart(part, m_bUseDatabase)), part);
                SetItemImage(partItem, image);
                if (part == select)
                    toSelect = partItem;
                last = q;
            }
            SetItemImage(countryItem, countryImage);
            k = last; // the walk resumes below the last part
        }
    }

    setUpdatesEnabled(true);
    if (!toSelect)
        return -1;
    for (QTreeWidgetItem *p = toSelect->parent(); p; p = p->parent())
        p->setExpanded(true);
    setCurrentItem(toSelect);
    scrollToItem(toSelect);
    return select;
}
