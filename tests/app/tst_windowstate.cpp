// SPDX-License-Identifier: MIT

#include "app/windowlayout.h"
#include "app/windowstate.h"
#include "zones/cityplaces.h"
#include "zones/citytable.h"
#include "zones/textfold.h"

#include <QSignalSpy>
#include <QTest>

#include <cmath>
#include <functional>
#include <limits>

// The main window's state without a window: what each choice selects, lists and lights, what the
// clocks and captions then show, the next change, and the stored values.

namespace {

constexpr int SouthAustralia = 16;
constexpr int NewSouthWales = 17;
constexpr int Germany = 121;
constexpr int NewYork = 328;
constexpr int SouthSudan = 345;                      // a place the table lacks
constexpr TimeValue FifteenOctober2026 = 1791979200; // 12:00 UTC: Berlin +2, New York -4
constexpr TimeValue H = 3600;

int BrokenHill()
{
    return Cities::Find(FoldForSearch(QStringLiteral("broken hill")), 1).front().city;
}

GeneralSettings Start(bool database, bool listOnly, int selected)
{
    GeneralSettings s;
    s.homeCountry = Germany;
    s.currentSelection = selected;
    s.selectByListOnly = listOnly;
    s.useTimeZoneDatabase = database;
    return s;
}

struct Choice
{
    const char *name;
    GeneralSettings start;
    std::function<void(WindowState &)> act;
    int selected, city;
    float mapZone;
    float listFilter; // what the list was last asked to show; NaN for nothing
    int listSelect;
    TimeValue selectedOffset; // the selected clocks' offset (from UTC with the database)
    const char *selectedCaption, *treeCaption;
};

const float Unasked = std::numeric_limits<float>::quiet_NaN();
const float All = WindowState::NoFilter;

const Choice Choices[] = {
    {"zone without the selection", Start(true, false, Germany),
     [](WindowState &s) { s.ChooseZone(5.5f); }, -1, -1, 5.5f, 5.5f, -1, 5 * H + 1800,
     "Selected (GMT+5:30)", "Countries/Regions in GMT+5:30"},
    {"zone listing the selection", Start(true, false, NewSouthWales),
     [](WindowState &s) { s.ChooseZone(10.0f); }, NewSouthWales, -1, 10.0f, 10.0f, NewSouthWales,
     11 * H, "Selected (GMT+11:00)", "Countries/Regions in GMT+10:00"},
    {"zone, list only: nothing chosen", Start(true, true, Germany),
     [](WindowState &s) { s.ChooseZone(5.5f); }, Germany, -1, 5.5f, Unasked, 0, 2 * H,
     "Selected (GMT+2:00)", "Countries/Regions"},
    {"list, list only: the map follows", Start(true, true, Germany),
     [](WindowState &s) { s.ChooseFromList(NewSouthWales); }, NewSouthWales, -1, 10.0f, Unasked, 0,
     11 * H, "Selected (GMT+11:00)", "Countries/Regions"},
    {"a region: the map's zone", Start(false, false, Germany),
     [](WindowState &s) {
         s.SetMapZone(-5.0f);
         s.ChooseFromList(-1);
     },
     -1, -1, -5.0f, Unasked, 0, -6 * H, "Selected (GMT-5:00)", "Countries/Regions in GMT-5:00"},
    {"a city found", Start(true, false, Germany),
     [](WindowState &s) {
         const int city = BrokenHill();
         s.ChooseFound({PlaceForCity(city, true, FifteenOctober2026), city, Cities::ZoneId(city)});
     },
     SouthAustralia, 0, 9.5f, 9.5f, SouthAustralia, 10 * H + 1800, "Broken Hill (GMT+10:30)",
     "Countries/Regions in GMT+9:30"},
    {"then another place of the list", Start(true, false, Germany),
     [](WindowState &s) {
         const int city = BrokenHill();
         s.ChooseFound({SouthAustralia, city, Cities::ZoneId(city)});
         s.ChooseFromList(NewSouthWales);
     },
     NewSouthWales, -1, 9.5f, 9.5f, SouthAustralia, 11 * H, "Selected (GMT+11:00)",
     "Countries/Regions in GMT+10:00"},
    {"a city found in table mode", Start(false, true, Germany),
     [](WindowState &s) {
         s.ChooseFound({SouthAustralia, BrokenHill(), "Australia/Broken_Hill"});
     },
     SouthAustralia, -1, 9.5f, All, SouthAustralia, 8 * H + 1800, "Selected (GMT+9:30)",
     "Countries/Regions"},
    {"list only off: the map's zone listed", Start(true, true, NewYork),
     [](WindowState &s) { s.SetListOnly(false); }, NewYork, -1, -5.0f, -5.0f, NewYork, -4 * H,
     "Selected (GMT-4:00)", "Countries/Regions in GMT-5:00"},
    {"to the table: a place it lacks is kept", Start(true, false, SouthSudan),
     [](WindowState &s) {
         s.ChooseHome({Germany, DaylightAuto, false, {}, false, -1});
     },
     -1, -1, 2.0f, 2.0f, -1, H, "Selected (GMT+2:00)", "Countries/Regions in GMT+2:00"},
    {"and back", Start(true, false, SouthSudan),
     [](WindowState &s) {
         s.ChooseHome({Germany, DaylightAuto, false, {}, false, -1});
         s.ChooseHome({Germany, DaylightAuto, false, {}, true, -1});
     },
     SouthSudan, -1, 2.0f, 2.0f, SouthSudan, 2 * H, "Selected (GMT+2:00)",
     "Countries/Regions in GMT+2:00"},
};

} // namespace

Q_DECLARE_METATYPE(GeneralSettings)
Q_DECLARE_METATYPE(WindowPlacement)

class TestWindowState final : public QObject
{
    Q_OBJECT

private slots:
    void init() { SetProcessTimeZone("UTC0"); }

    void choices_data()
    {
        QTest::addColumn<int>("row");
        for (int i = 0; i < int(std::size(Choices)); ++i)
            QTest::newRow(Choices[i].name) << i;
    }

    // Every choice as the window passes it on; the list answers as the tree does, choosing
    // what it was asked to select.
    void choices()
    {
        QFETCH(int, row);
        const Choice &c = Choices[row];
        WindowState state;
        state.SetGeneralSettings(c.start);
        state.ApplyHomeZoneAndSwitch(true);
        state.SetMapZone(state.StartZone());
        QSignalSpy listed(&state, &WindowState::listChanged);
        connect(&state, &WindowState::listChanged, &state, [&state](float, int select) {
            if (select != -1)
                state.ChooseFromList(select);
        });
        c.act(state);
        QCOMPARE(state.SelectedIndex(), c.selected);
        QCOMPARE(state.SelectedCity(), c.city == 0 ? BrokenHill() : c.city);
        QCOMPARE(state.MapZone(), c.mapZone);
        QCOMPARE(listed.isEmpty(), std::isnan(c.listFilter));
        if (!listed.isEmpty()) {
            QCOMPARE(listed.last().at(0).toFloat(), c.listFilter);
            QCOMPARE(listed.last().at(1).toInt(), c.listSelect);
        }
        state.RecomputeClockOffsets();
        QCOMPARE(state.Offsets().selected, c.selectedOffset);
        const Captions captions = state.CurrentCaptions();
        QCOMPARE(captions.selectedGroup, QString::fromUtf8(c.selectedCaption));
        QCOMPARE(captions.treeGroup, QString::fromUtf8(c.treeCaption));
    }

    void settings_data()
    {
        QTest::addColumn<GeneralSettings>("stored");
        QTest::addColumn<GeneralSettings>("written"); // back, as the state holds it
        QTest::addColumn<int>("selected");
        GeneralSettings all;
        all.showAtStartup = 1;
        all.selectByListOnly = 1;
        all.showDaylightSaving = 0;
        all.currentSelection = 326;
        all.homeCountry = SouthAustralia;
        all.daylightOption = DaylightByHand;
        all.useUserDaylightDates = 1;
        all.ownDates = {0, 9, 0, 0, 2, 0};
        all.currentCity = Cities::GeonameId(BrokenHill()); // kept, whatever its place
        all.homeCity = all.currentCity;
        QTest::newRow("every value") << all << all << 326;
        auto changed = [](GeneralSettings s, auto change) {
            change(s);
            return s;
        };
        const GeneralSettings plain = Start(true, false, Germany);
        QTest::newRow("an option beyond the four")
            << changed(plain, [](auto &s) { s.daylightOption = 7; }) << plain << Germany;
        QTest::newRow("a city id nobody has, a city without a selection")
            << changed(plain,
                       [&](auto &s) {
                           s.currentCity = 999999999;
                           s.homeCity = all.currentCity;
                           s.homeCountry = -1;
                       })
            << changed(plain, [](auto &s) { s.homeCountry = -1; }) << Germany;
        QTest::newRow("beyond every place")
            << changed(plain, [](auto &s) { s.currentSelection = 100000; })
            << changed(plain, [](auto &s) { s.currentSelection = -1; }) << -1;
    }

    void settings()
    {
        QFETCH(GeneralSettings, stored);
        WindowState state;
        state.SetGeneralSettings(stored);
        QTEST(state.GetGeneralSettings(), "written");
        QTEST(state.SelectedIndex(), "selected");
    }

    void nextChange_data()
    {
        QTest::addColumn<int>("selected");
        QTest::addColumn<TimeValue>("now");
        QTest::addColumn<QString>("change");
        QTest::addColumn<QString>("homeCaption");
        const TimeValue berlinEnds = 1792890000; // 25 Oct 2026 01:00 UTC
        QTest::newRow("before home's change")
            << NewYork << berlinEnds - 1 << "Summer time ends Sun 1 Nov 2026, 02:00 → 01:00"
            << "Home (GMT+2:00)";
        QTest::newRow("after it") << NewYork << berlinEnds
                                  << "Summer time ends Sun 1 Nov 2026, 02:00 → 01:00"
                                  << "Home (GMT+1:00)";
        QTest::newRow("after New York's") << NewYork << TimeValue(1793512801)
                                          << "Summer time begins Sun 14 Mar 2027, 02:00 → 03:00"
                                          << "Home (GMT+1:00)";
        QTest::newRow("nothing selected") << -1 << berlinEnds << ""
                                          << "Home (GMT+1:00)";
    }

    // The clocks' tick: the next change is looked up once it is due, and the captions follow
    // the offsets the clocks show at a change of the home's zone.
    void nextChange()
    {
        QFETCH(int, selected);
        QFETCH(TimeValue, now);
        FixedTimeSource clock(FifteenOctober2026);
        ScopedTimeSource scoped(&clock);
        WindowState state;
        state.SetGeneralSettings(Start(true, false, selected));
        state.RecomputeClockOffsets();
        state.Tick(clock.Now(), true);
        QSignalSpy changes(&state, &WindowState::nextChangeChanged);
        QSignalSpy captions(&state, &WindowState::captionsChanged);
        clock.Set(now);
        state.Tick(now, false);
        QTEST(state.NextChangeText(), "change");
        QCOMPARE(changes.size(), state.NextChangeText().startsWith(u"Summer time begins") ? 1 : 0);
        QCOMPARE(captions.size(), now > 1792890000 - 1 ? 1 : 0);
        QTEST(state.CurrentCaptions().homeGroup, "homeCaption");
        const QString tip = state.TrayTip(QStringLiteral("12:00"));
        const QString change = state.NextChangeText();
        QVERIFY2(tip.endsWith(change.isEmpty() ? QStringLiteral("12:00") : "12:00\n" + change),
                 qPrintable(tip));
    }

    void placement_data()
    {
        QTest::addColumn<WindowPlacement>("stored");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<bool>("placed"); // at the stored place
        const QSize least(415, 466);
        QTest::newRow("none") << WindowPlacement{} << least << false;
        QTest::newRow("as stored")
            << WindowPlacement{900, 640, true, 100, 50} << QSize(900, 640) << true;
        QTest::newRow("smaller than the least")
            << WindowPlacement{100, 900, false, 0, 0} << QSize(415, 900) << false;
        QTest::newRow("larger than any screen")
            << WindowPlacement{32767, 32767, true, 0, 0} << QSize(1920, 1080) << true;
        QTest::newRow("on the second screen")
            << WindowPlacement{500, 500, true, 1950, 300} << QSize(500, 500) << true;
        QTest::newRow("off every screen")
            << WindowPlacement{500, 500, true, -32768, 300} << QSize(500, 500) << false;
        QTest::newRow("its top above the screen")
            << WindowPlacement{500, 500, true, 100, -20} << QSize(500, 500) << false;
        QTest::newRow("in the gap beside the second screen")
            << WindowPlacement{500, 500, true, 1700, 1100} << QSize(500, 500) << false;
    }

    // A stored size and place the screens (1920 x 1080, and 1280 x 1024 to its right) allow.
    void placement()
    {
        QFETCH(WindowPlacement, stored);
        const WindowPlace place = PlaceOnScreens(
            stored, QSize(415, 466), {QRect(0, 0, 1920, 1080), QRect(1920, 0, 1280, 1024)});
        QTEST(place.size, "size");
        QTEST(place.hasPosition, "placed");
        if (place.hasPosition)
            QCOMPARE(place.position, QPoint(stored.x, stored.y));
    }

private:
    FixedTimeSource m_clock{FifteenOctober2026};
    ScopedTimeSource m_scopedClock{&m_clock};
};

QTEST_MAIN(TestWindowState)
#include "tst_windowstate.moc"
