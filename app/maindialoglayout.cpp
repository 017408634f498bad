// SPDX-License-Identifier: MIT

#include "app/clockoffsets.h"
#include "app/maindialog.h"
#include "clock/clockctrl.h"
#include "countries/countrytree.h"
#include "countries/itemtipwnd.h"
#include "home/dialogunits.h"
#include "map/groupframe.h"
#include "map/mapwnd.h"
#include "zones/countrytable.h"
#include "zones/places.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QResizeEvent>
#include <QScreen>
#include <QStyle>

#include <algorithm>

// The window's controls, their places at any size, and the window's own size and place.

namespace {

QString Plain(QString text)
{
    return text.remove(QLatin1Char('&'));
}

// The width at which the tree cuts no name of either mode's places, nor of their regions: a
// part of a country is listed three levels deep, under its region and its country.
int ListWidthWanted(const CCountryTree &tree)
{
    const QFontMetrics metrics(tree.font());
    auto width = [&metrics](std::string_view name) {
        return metrics.horizontalAdvance(
            QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())));
    };
    const int step = tree.indentation();
    int widest = 0;
    for (const RegionEntry &region : RegionTable)
        widest = std::max(widest, metrics.horizontalAdvance(CCountryTree::tr(region.name)) + step);
    for (const bool database : {false, true}) {
        for (const int i : ListedPlaces(database)) {
            widest = std::max(widest, 2 * step + width(LocalPlaceName(i, database)));
            widest = std::max(widest, 3 * step + width(LocalPlacePart(i, database)));
        }
    }
    // The picture, the label's margins, the frame and a scroll bar.
    const int scrollBar = tree.style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, &tree);
    return widest + tree.iconSize().width() + 4 * CItemTipWnd::TextMargin(&tree) +
           2 * tree.frameWidth() + scrollBar;
}

// Only X11 tells a window where it is; elsewhere the desktop places it.
bool KnowsPosition()
{
    return QGuiApplication::platformName() == QLatin1String("xcb");
}

} // namespace

void CMainDialog::CreateControls()
{
    // Rectangles are kept in dialog units, so the window grows with the desktop's font.
    const DialogUnits du(font());
    // The default size is the least: smaller, the controls would lie over each other.
    setMinimumSize(du.X(237), du.Y(266));
    resize(minimumSize());

    auto place = [&du](QWidget *w, int id, const char *name, const QString &accessible,
                       QRect rect) {
        w->setObjectName(QString::fromLatin1(name));
        w->setAccessibleName(accessible);
        if (id)
            w->setProperty("controlId", id);
        w->setGeometry(rect);
        return w;
    };
    auto button = [&](int id, const char *name, const QString &text, QRect rect) {
        auto *b = new QPushButton(text, this);
        place(b, id, name, Plain(text), rect);
        b->setAutoDefault(false);
        return b;
    };

    // Created in the order of the window's tab order; the frames come before what
    // they hold so the map and clocks lie above them.
    m_hideButton = button(IDC_HIDE, "hideButton", tr("&Hide"), du.Rect(183, 248, 50, 14));
    m_hideButton->setDefault(true);
    m_setHomeButton =
        button(IDC_SET_HOME, "setHomeButton", tr("&Set Home"), du.Rect(4, 248, 50, 14));
    m_adjustTimeButton =
        button(IDC_ADJUST_TIME, "adjustTimeButton", tr("&Adjust Time"), du.Rect(58, 248, 50, 14));
    m_findButton = button(IDC_FIND_COUNTRY, "findCountryButton", tr("&Find Country"),
                          du.Rect(112, 248, 50, 14));

    m_treeGroup = new QGroupBox(tr("Countries/Regions"), this);
    place(m_treeGroup, IDC_TREE_GROUP, "treeGroup", tr("Countries/Regions"),
          du.Rect(90, 138, 143, 106));
    m_tree = new CCountryTree(this);
    place(m_tree, IDC_TREE, "countryTree", tr("Countries and regions"), du.Rect(96, 148, 131, 91));

    m_listOnlyBox = new QCheckBox(tr("Select &time from list only"), this);
    place(m_listOnlyBox, IDC_LIST_ONLY, "listOnlyBox", tr("Select time from list only"),
          du.Rect(10, 121, 91, 10));
    m_showDaylightBox = new QCheckBox(tr("Show &daylight saving"), this);
    place(m_showDaylightBox, IDC_SHOW_DAYLIGHT, "showDaylightBox", tr("Show daylight saving"),
          du.Rect(143, 122, 83, 10));
    // A desktop font wider than the one the rectangles were made for would cut the labels:
    // each box may grow to its text as far as the frame around the map leaves room.
    auto widen = [](QCheckBox *box, int right) {
        QRect r = box->geometry();
        r.setWidth(qBound(r.width(), box->sizeHint().width(), right - r.left()));
        box->setGeometry(r);
    };
    widen(m_listOnlyBox, du.X(139));
    widen(m_showDaylightBox, du.X(231));

    m_mapFrame = new QGroupBox(this);
    auto *mapFrame = m_mapFrame;
    place(mapFrame, 0, "mapFrame", tr("World map"), du.Rect(4, 0, 229, 134));
    m_homeGroup = new QGroupBox(QStringLiteral("home "), this);
    place(m_homeGroup, IDC_HOME_GROUP, "homeGroup", tr("Home"), du.Rect(4, 138, 82, 52));
    m_selectedGroup = new QGroupBox(QStringLiteral("selected"), this);
    place(m_selectedGroup, IDC_SELECTED_GROUP, "selectedGroup", tr("Selected"),
          du.Rect(4, 192, 82, 51));
    m_selectedGroup->setAlignment(Qt::AlignLeft);
    for (QGroupBox *box : {m_treeGroup, mapFrame, m_homeGroup, m_selectedGroup})
        UseDrawnGroupFrame(box);
    // The map's frame reaches down round the two boxes: they must lie above it to get the mouse.
    m_listOnlyBox->raise();
    m_showDaylightBox->raise();
    m_offsetLabel = new QLabel(QStringLiteral("Static"), this);
    place(m_offsetLabel, IDC_OFFSET_LABEL, "offsetLabel", tr("Map offset"), du.Rect(93, 6, 50, 8));
    m_offsetLabel->setAlignment(Qt::AlignCenter);
    // The label sits on the frame's top edge; give it the window's background so
    // the line does not run through the text.
    m_offsetLabel->setAutoFillBackground(true);

    // Hidden placeholders whose rectangles the map and the clocks take.
    struct Placeholder
    {
        int id;
        const char *name;
        QRect rect;
    };
    const Placeholder placeholders[] = {
        {IDC_MAP, "mapPlaceholder", du.Rect(10, 15, 217, 103)},
        {IDC_HOME_DATE, "homeDatePlaceholder", du.Rect(9, 149, 71, 16)},
        {IDC_HOME_TIME, "homeTimePlaceholder", du.Rect(9, 169, 71, 16)},
        {IDC_SELECTED_DATE, "selectedDatePlaceholder", du.Rect(9, 203, 71, 16)},
        {IDC_SELECTED_TIME, "selectedTimePlaceholder", du.Rect(9, 223, 71, 16)},
    };
    for (const Placeholder &p : placeholders) {
        auto *w = new QWidget(this);
        place(w, 0, p.name, QString::fromLatin1(p.name), p.rect);
        w->setProperty("placeholderFor", p.id);
        w->hide();
        m_placeholders.append(w);
    }
    FitTexts(du);

    connect(m_hideButton, &QPushButton::clicked, this, &CMainDialog::HideOrMinimise);
    connect(m_setHomeButton, &QPushButton::clicked, this, &CMainDialog::OnSetHome);
    connect(m_adjustTimeButton, &QPushButton::clicked, this, &CMainDialog::OnAdjustTime);
    UpdateAdjustTimeButton();
    connect(m_findButton, &QPushButton::clicked, this, &CMainDialog::OnFindCountry);
    connect(m_listOnlyBox, &QCheckBox::clicked, this, [this](bool checked) {
        m_state->SetListOnly(checked);
        m_tree->setFocus();
    });
    connect(m_showDaylightBox, &QCheckBox::clicked, m_state, &WindowState::SetShowDaylightSaving);
    connect(m_tree, &QTreeWidget::itemSelectionChanged, this, &CMainDialog::OnTreeSelectionChanged);
}

void CMainDialog::FitTexts(const DialogUnits &du)
{
    // A language with longer words than the template's: the clocks' frames grow to their
    // widest caption, the list's frame moves beside them and grows to its own, ...
    // The widest offsets of either sign: a plus can be wider than a minus.
    const Captions west = MakeCaptions(-10.5f, 12.75f, false); // GMT-10:30, GMT+12:45
    const Captions east = MakeCaptions(12.75f, -10.5f, false);
    const auto need = [](QGroupBox *box, const QString &title, const QString &other) {
        const QString before = box->title();
        box->setTitle(title);
        int width = box->minimumSizeHint().width();
        box->setTitle(other);
        width = std::max(width, box->minimumSizeHint().width());
        box->setTitle(before);
        return width;
    };
    const int clocks =
        std::max({m_homeGroup->width(), need(m_homeGroup, west.homeGroup, east.homeGroup),
                  need(m_selectedGroup, west.selectedGroup, east.selectedGroup)});
    for (QGroupBox *box : {m_homeGroup, m_selectedGroup})
        box->resize(clocks, box->height());
    const int templateRight = du.X(233);
    QRect list = m_treeGroup->geometry();
    list.moveLeft(std::max(list.x(), m_homeGroup->x() + clocks + du.X(4)));
    list.setWidth(
        std::max(templateRight - list.x(), need(m_treeGroup, west.treeGroup, east.treeGroup)));
    m_treeGroup->setGeometry(list);
    m_tree->setGeometry(list.adjusted(du.X(6), du.Y(10), -du.X(6), -du.Y(5)));
    // ... the check boxes under the map take their texts' widths side by side, ...
    m_listOnlyBox->resize(std::max(m_listOnlyBox->width(), m_listOnlyBox->sizeHint().width()),
                          m_listOnlyBox->height());
    QRect daylight = m_showDaylightBox->geometry();
    daylight.moveLeft(
        std::max(daylight.x(), m_listOnlyBox->x() + m_listOnlyBox->width() + du.X(4)));
    daylight.setWidth(std::max(daylight.width(), m_showDaylightBox->sizeHint().width()));
    m_showDaylightBox->setGeometry(daylight);
    // ... each button takes its text's width, the three on the left side by side and Hide at
    // the right, and the window widens where they would meet.
    int left = du.X(4);
    for (QPushButton *b : {m_setHomeButton, m_adjustTimeButton, m_findButton}) {
        QRect r = b->geometry();
        r.moveLeft(left);
        r.setWidth(std::max(r.width(), b->sizeHint().width()));
        b->setGeometry(r);
        left = r.x() + r.width() + du.X(4);
    }
    QRect hide = m_hideButton->geometry();
    hide.setWidth(std::max(hide.width(), m_hideButton->sizeHint().width()));
    const int width =
        std::max({du.X(237), left + hide.width() + du.X(4), list.x() + list.width() + du.X(4),
                  daylight.x() + daylight.width() + du.X(7)});
    m_mapFrame->resize(width - du.X(8), m_mapFrame->height());
    hide.moveRight(width - du.X(4) - 1);
    m_hideButton->setGeometry(hide);
    setMinimumSize(width, du.Y(266));
    resize(minimumSize());
}

QWidget *CMainDialog::Control(int id) const
{
    const QList<QWidget *> children = findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
    for (QWidget *w : children)
        if (w->property("controlId").toInt() == id)
            return w;
    return nullptr;
}

void CMainDialog::CollectLayout()
{
    const QRect clocks(m_homeGroup->geometry().topLeft(),
                       QPoint(m_treeGroup->x() - 1, m_selectedGroup->geometry().bottom()));
    m_layout.emplace(minimumSize(), m_placeholders[0]->geometry(), CPanelWnd::BorderWidth, clocks);
    using enum LayoutRole;
    const std::pair<QWidget *, LayoutRole> roles[] = {
        {m_mapFrame, MapFrame},
        {m_map, Map},
        {m_offsetLabel, MapCaption},
        {m_listOnlyBox, UnderMapLeft},
        {m_showDaylightBox, UnderMapRight},
        {m_homeGroup, HomeGroup},
        {m_clockHomeDate, HomeClock},
        {m_clockHomeTime, HomeClock},
        {m_selectedGroup, SelectedGroup},
        {m_clockSelectedDate, SelectedClock},
        {m_clockSelectedTime, SelectedClock},
        {m_treeGroup, List},
        {m_tree, List},
        {m_setHomeButton, BottomLeft},
        {m_adjustTimeButton, BottomLeft},
        {m_findButton, BottomLeft},
        {m_hideButton, BottomRight},
    };
    for (const auto &[widget, role] : roles)
        m_placed.append({widget, role, widget->geometry()});
}

void CMainDialog::resizeEvent(QResizeEvent *event)
{
    CHideableDialog::resizeEvent(event);
    PlaceControls(event->size());
}

void CMainDialog::PlaceControls(QSize size)
{
    if (!m_layout)
        return;
    // Measured only once the window is larger than its default: a start at that size need not.
    if (!m_bListMeasured && size != m_layout->LeastSize()) {
        m_bListMeasured = true;
        const QRect tree =
            std::find_if(m_placed.cbegin(), m_placed.cend(), [this](const Placed &p) {
                return p.widget == m_tree;
            })->rect;
        m_layout->SetListWidthWanted(std::max(0, ListWidthWanted(*m_tree) - tree.width()));
    }
    ArrangeControls();
}

void CMainDialog::ArrangeControls()
{
    // Controls placed by hand are not mirrored by Qt: a right-to-left language reads the
    // window from the right, map and clocks included.
    const bool mirror = layoutDirection() == Qt::RightToLeft;
    for (const Placed &p : std::as_const(m_placed)) {
        const QRect r = m_layout->Place(p.role, p.rect, size());
        p.widget->setGeometry(
            mirror ? QRect(width() - r.x() - r.width(), r.y(), r.width(), r.height()) : r);
    }
}

void CMainDialog::SetBottomBand(QWidget *widget, const QRect &rect, int band)
{
    const int grown = band - m_layout->BottomBand();
    m_layout->SetBottomBand(band);
    const auto placed = std::find_if(m_placed.begin(), m_placed.end(),
                                     [widget](const Placed &p) { return p.widget == widget; });
    if (placed == m_placed.end())
        m_placed.append({widget, LayoutRole::BottomBand, rect});
    else
        placed->rect = rect;
    // The window grows or shrinks under its buttons: nothing it held before moves. Maximised,
    // the room is shared anew. (A new least size alone would grow the window to it.)
    const bool keepsSize = windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen);
    const QSize target = keepsSize ? size() : size() + QSize(0, grown);
    setMinimumSize(m_layout->LeastSize());
    resize(target.expandedTo(minimumSize()));
    ArrangeControls();
}

void CMainDialog::RestorePlacement()
{
    QList<QRect> screens;
    for (const QScreen *screen : QGuiApplication::screens())
        screens.append(screen->availableGeometry());
    const WindowPlace place = PlaceOnScreens(m_storedPlacement, m_layout->LeastSize(), screens);
    if (place.hasPosition && KnowsPosition())
        setGeometry(QRect(place.position, place.size));
    else
        resize(place.size);
    if (m_storedPlacement.maximised)
        setWindowState(windowState() | Qt::WindowMaximized);
}

WindowPlacement CMainDialog::GetWindowPlacement() const
{
    // Maximised, the window keeps the size and place it goes back to.
    const bool maximised = isMaximized();
    const QRect normal = maximised ? normalGeometry() : geometry();
    WindowPlacement p{normal.width(), normal.height(), false, 0, 0, maximised ? 1 : 0};
    if (!KnowsPosition())
        return p;
    if (m_bShownOnce) {
        p.hasPosition = true;
        p.x = normal.x();
        p.y = normal.y();
    } else {
        // Never shown (a start at login), it has no place of its own yet: the stored one stays.
        p.hasPosition = m_storedPlacement.hasPosition;
        p.x = m_storedPlacement.x;
        p.y = m_storedPlacement.y;
    }
    return p;
}

void CMainDialog::SetWindowPlacement(const WindowPlacement &placement)
{
    m_storedPlacement = placement;
}
