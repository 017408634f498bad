// SPDX-License-Identifier: MIT

#pragma once

#include "countries/tiptreectrl.h"

#include <QIcon>
#include <QImage>
#include <QList>

// The regions of the region table, each with its countries in label order; a country with
// several entries is a node with one child per entry. The list can be narrowed to the entries
// of one GMT offset. Pictures mark each region (open while expanded) and tell per entry whether
// it has daylight saving and whether it is in effect at the moment of the fill.
class CCountryTree final : public CTipTreeCtrl
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CCountryTree)

public:
    // The filter that lists every entry.
    static constexpr float NoFilter = -99.0f;

    // Pictures of the image strip.
    static constexpr int ImageCount = 19;
    static constexpr int ExpandedImageOffset = 8; // a region's open picture
    static constexpr int ImageNoDaylight = 16;
    static constexpr int ImageHasDaylight = 17;
    static constexpr int ImageDaylightNow = 18;
    // An item's picture number lives in this role (the icon follows it).
    static constexpr int ImageRole = Qt::UserRole + 1;

    explicit CCountryTree(QWidget *parent = nullptr);

    // Rebuilds the tree with the places the mode lists whose offset equals filter (NoFilter:
    // all) and selects the item of select, or of the place a hidden duplicate is listed as.
    // Returns the index selected, otherwise -1 with nothing selected.
    int FillTree(float filter, int select);

    // "part, name", or name alone, in the names of the mode (zones/places.h); empty for -1 and
    // any index the mode does not know.
    static QString GetDisplayName(int index, bool useDatabase = false);

    // The 19 pictures of the strip drawn in land colour landColour (0-7; anything else gives
    // the grey strip), white made transparent. A strip that cannot be loaded gives null icons.
    static QList<QIcon> LoadImageStrip(int landColour);
    // The 19 pictures of a 456 x 16 strip, white made transparent; null icons for any picture
    // the strip is too small to hold. Each icon also gets its picture from large, the same strip
    // at twice the size, when large holds it, for a pixel ratio above 1.
    static QList<QIcon> CutImageStrip(const QImage &strip, const QImage &large = {});
    // Attaches pictures by number; every item shows its own at once. An empty list clears them.
    void SetImageList(const QList<QIcon> &images);
    // Loads and attaches the strip of a land colour; call it again when the land colour changes.
    void SetLandColour(int landColour);

    // Whether entries are listed and pictured by the computer's time-zone database (their
    // standard offset and daylight saving today) rather than by the table. Takes effect at the
    // next fill.
    void SetUseDatabase(bool use) { m_bUseDatabase = use; }
    bool IsUsingDatabase() const { return m_bUseDatabase; }

    // The picture number an item shows, or -1.
    static int ItemImage(const QTreeWidgetItem *item);

private:
    void SetItemImage(QTreeWidgetItem *item, int image) const;
    void OnRegionExpanded(QTreeWidgetItem *item, bool expanded);

    QList<QIcon> m_images;
    bool m_bUseDatabase = false;
};
