// SPDX-License-Identifier: MIT

#include "app/maindialog.h"
#include "app/pinnedlist.h"
#include "app/pinnedrows.h"
#include "app/trayicon.h"
#include "app/windowstate.h"
#include "home/zonerecord.h"
#include "tests/app/mainwindowrun.h"
#include "zones/cityplaces.h"
#include "zones/countrytable.h"
#include "zones/pinnedplaces.h"

#include <QLineEdit>
#include <QMenu>
#include <QTest>

#include <cstdlib>
#include <ctime>

// Pinned places: the list's edits, and each pin's row against the C library's local time.

namespace {

// A pin of a zone of the database, on the place of the tree it lies in.
PinnedPlace ZonePin(const char *zone, const char *label = "")
{
    const QByteArray id(zone);
    return {PlaceForZone(id, ZoneCountryCode(id).toStdString(), {}, true, 0), -1, id,
            QString::fromUtf8(label)};
}

// The table's rule of a place, as the program applies it for a home.
std::string TableRule(int place)
{
    const auto zone = BuildHomeTimeZone({place, DaylightAuto, false, {}});
    return PosixRule(*zone, DaylightSwitchFor(DaylightAuto));
}

// The C library's local time at t under a TZ value (":Asia/Tokyo", or a POSIX rule).
std::tm LocalIn(const QByteArray &tz, TimeValue t)
{
    setenv("TZ", tz.constData(), 1);
    tzset();
    std::tm tm{};
    const auto at = static_cast<std::time_t>(t);
    localtime_r(&at, &tm);
    unsetenv("TZ");
    tzset();
    return tm;
}

// The list after a script of edits: "pin <zone> [label]", "move <from> <to>",
// "rename <index> [label]", "unpin <index>"; each pin as zone or zone=label.
QString Run(const QString &script)
{
    PinnedPlaces list;
    for (const QString &step : script.split(u';', Qt::SkipEmptyParts)) {
        const QStringList w = step.trimmed().split(u' ');
        const QString rest = w.mid(2).join(u' ');
        if (w[0] == u"pin")
            list.Pin(ZonePin(w[1].toLatin1().constData(), rest.toUtf8().constData()));
        else if (w[0] == u"move")
            list.Move(w[1].toInt(), w[2].toInt());
        else if (w[0] == u"rename")
            list.Rename(w[1].toInt(), rest);
        else if (w[0] == u"unpin")
            list.Unpin(w[1].toInt());
    }
    QStringList out;
    for (const PinnedPlace &p : list.Items())
        out << QString::fromLatin1(p.zone) + (p.label.isEmpty() ? QString() : u'=' + p.label);
    return out.join(u',');
}

} // namespace

class TestPinnedPlaces final : public QObject
{
    Q_OBJECT

private slots:
    void edits_data()
    {
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("list");
        QTest::newRow("pin in order") << "pin Asia/Tokyo;pin America/Chicago Big client"
                                      << "Asia/Tokyo,America/Chicago=Big client";
        QTest::newRow("pinned twice keeps the first")
            << "pin Asia/Tokyo Office;pin Asia/Tokyo Other"
            << "Asia/Tokyo=Office";
        QTest::newRow("move down") << "pin Asia/Tokyo;pin UTC;pin Europe/Paris;move 0 2"
                                   << "UTC,Europe/Paris,Asia/Tokyo";
        QTest::newRow("move up") << "pin Asia/Tokyo;pin UTC;pin Europe/Paris;move 2 0"
                                 << "Europe/Paris,Asia/Tokyo,UTC";
        QTest::newRow("move outside") << "pin Asia/Tokyo;pin UTC;move 0 2;move -1 0"
                                      << "Asia/Tokyo,UTC";
        QTest::newRow("rename and clear") << "pin UTC;pin Asia/Tokyo;rename 1 Mum;rename 0"
                                          << "UTC,Asia/Tokyo=Mum";
        QTest::newRow("unpin") << "pin UTC;pin Asia/Tokyo;unpin 0;unpin 5"
                               << "Asia/Tokyo";
        QTest::newRow("label trimmed") << "pin UTC   Mum  "
                                       << "UTC=Mum";
        QTest::newRow("zone no database spells") << "pin Asia/To%kyo;pin UTC"
                                                 << "UTC";
    }

    void edits()
    {
        QFETCH(QString, script);
        QTEST(Run(script), "list");
    }

    void limits()
    {
        PinnedPlaces list;
        for (int i = 0; i < PinnedPlaces::MaxCount + 3; ++i)
            list.Pin({i, -1, {}, {}});
        QCOMPARE(list.Count(), PinnedPlaces::MaxCount);
        QCOMPARE(list.Pin({PinnedPlaces::MaxCount + 1, -1, {}, {}}), -1);
        QCOMPARE(list.Pin({3, -1, {}, {}}), 3); // pinned already: where it is
        QCOMPARE(list.Pin({-1, -1, {}, {}}), -1);

        // One line, bounded, never half a character.
        QCOMPARE(PinnedPlaces::CleanLabel(QStringLiteral("a\nb\tc\u2028d")), "a b c d");
        const QString face = QStringLiteral("\U0001F600");
        const QString cut = PinnedPlaces::CleanLabel(QString(39, u'x') + face);
        QCOMPARE(cut, QString(39, u'x'));
        QCOMPARE(PinnedPlaces::CleanLabel(QString(80, u'y')).size(), PinnedPlaces::MaxLabelLength);
    }

    // Each row against localtime_r under the zones' own TZ: the time, the day and the offset
    // between them, across the date line and either side of change days.
    void rows_data()
    {
        QTest::addColumn<QByteArray>("home");
        QTest::addColumn<QByteArray>("zone");
        QTest::addColumn<qint64>("utc");
        QTest::addColumn<QString>("difference");
        QTest::addColumn<QString>("day");
        QTest::addColumn<bool>("night");
        const struct
        {
            const char *name, *home, *zone;
            qint64 utc;
            const char *difference, *day;
            bool night;
        } rows[] = {
            {"Sydney in summer", "Europe/London", "Australia/Sydney", 1796676000, "+11 h",
             "tomorrow", false},
            {"London seen from Sydney", "Australia/Sydney", "Europe/London", 1796676000,
             "\u221211 h", "yesterday", true},
            {"across the date line", "Pacific/Kiritimati", "Pacific/Pago_Pago", 1796676000,
             "\u221225 h", "yesterday", false},
            {"same zone", "Asia/Tokyo", "Asia/Tokyo", 1796676000, "0 h", "", true},
            {"quarter hour", "UTC", "Asia/Kathmandu", 1796676000, "+5 h 45", "tomorrow", true},
            {"half hour behind", "Europe/London", "America/St_Johns", 1796676000, "\u22123 h 30",
             "", true},
            {"before New York springs", "America/New_York", "Europe/London", 1772953199, "+5 h", "",
             false},
            {"after New York springs", "America/New_York", "Europe/London", 1772953200, "+4 h", "",
             false},
            {"London falls, Chicago not yet", "America/Chicago", "Europe/London", 1792890000,
             "+5 h", "tomorrow", true},
        };
        for (const auto &r : rows)
            QTest::newRow(r.name) << QByteArray(r.home) << QByteArray(r.zone) << r.utc
                                  << QString::fromUtf8(r.difference) << QString::fromUtf8(r.day)
                                  << r.night;
    }

    void rows()
    {
        QFETCH(QByteArray, home);
        QFETCH(QByteArray, zone);
        QFETCH(qint64, utc);
        const PinnedPlace pin = ZonePin(zone.constData());
        ClockOffsetInputs in;
        in.useDatabase = true;
        in.homeIndex = ZonePin(home.constData()).place;
        in.homeZone = home;
        const PinnedRow row =
            MakePinnedRow(pin, ResolvePins({pin}).front(), in, utc, SunPositionAt(utc));

        const std::tm there = LocalIn(":" + zone, utc);
        const std::tm here = LocalIn(":" + home, utc);
        QVERIFY(row.known);
        QCOMPARE(row.time, QString::asprintf("%.2d:%.2d", there.tm_hour, there.tm_min));
        QCOMPARE(row.ahead, there.tm_gmtoff - here.tm_gmtoff);
        QCOMPARE(row.days, DaysFromCivil(there.tm_year, there.tm_mon + 1, there.tm_mday) -
                               DaysFromCivil(here.tm_year, here.tm_mon + 1, here.tm_mday));
        QTEST(row.difference, "difference");
        QTEST(row.day, "day");
        QTEST(row.night, "night");
    }

    // The built-in table: the computer's clock runs on home's table rule, and a pin follows its
    // place's table rule, as the selected clocks do, whatever the database says.
    void tableRows_data()
    {
        QTest::addColumn<int>("home");
        QTest::addColumn<int>("place");
        QTest::addColumn<qint64>("utc");
        QTest::addColumn<QString>("difference");
        // 2026-10-10 12:00 UTC: the table's Germany has left summer time (last Sunday of
        // September), its United Kingdom not (fourth Sunday of October), its New South Wales
        // not begun (last Sunday of October).
        QTest::newRow("Germany from the UK") << 319 << 121 << qint64(1791633600) << "0 h";
        QTest::newRow("New South Wales from the UK") << 319 << 17 << qint64(1791633600) << "+9 h";
        QTest::newRow("Japan from Germany in summer") << 121 << 154 << qint64(1782907200) << "+7 h";
    }

    void tableRows()
    {
        QFETCH(int, home);
        QFETCH(int, place);
        QFETCH(qint64, utc);
        const QByteArray homeRule = QByteArray::fromStdString(TableRule(home));
        const std::tm there = LocalIn(QByteArray::fromStdString(TableRule(place)), utc);
        const std::tm here = LocalIn(homeRule, utc);
        SetProcessTimeZone(homeRule.constData());
        ClockOffsetInputs in;
        in.homeIndex = home;
        const PinnedRow row = MakePinnedRow({place, -1, {}, {}}, {}, in, utc, SunPositionAt(utc));
        SetProcessTimeZone("UTC0");
        QCOMPARE(row.time, QString::asprintf("%.2d:%.2d", there.tm_hour, there.tm_min));
        QCOMPARE(row.ahead, there.tm_gmtoff - here.tm_gmtoff);
        QTEST(row.difference, "difference");
    }

    void sentenceAndTip()
    {
        const TimeValue t = 1796676000; // 2026-12-07 20:40 UTC
        const std::vector<PinnedPlace> pins = {ZonePin("Australia/Sydney", "Mum"),
                                               ZonePin("Asia/Kolkata")};
        ClockOffsetInputs in;
        in.useDatabase = true;
        in.homeIndex = ZonePin("Europe/London").place;
        const std::vector<PinWhere> where = ResolvePins(pins);
        std::vector<PinnedRow> rows;
        for (std::size_t i = 0; i < pins.size(); ++i)
            rows.push_back(MakePinnedRow(pins[i], where[i], in, t, SunPositionAt(t), i == 0));
        QCOMPARE(rows[0].sentence, "Mum, Sydney, 07:40 tomorrow, 11 hours ahead");
        QCOMPARE(rows[1].sentence, "Kolkata, 2:10 AM tomorrow, 5 hours 30 minutes ahead, night");
        QCOMPARE(PinnedTipLines(rows, 100, 63), "\nMum 07:40 tomorrow\nKolkata 2:10 AM tomorrow");
        QCOMPARE(PinnedTipLines(rows, 25, 63), "\nMum 07:40 tomorrow");
        QCOMPARE(PinnedTipLines(rows, 100, 17), "\nM\u2026 07:40 tomorrow"
                                                "\n\u2026 2:10 AM tomorrow");

        // The built-in table lists none of today's new places: the pin stays, without a time.
        in.useDatabase = false;
        const PinnedPlace kosovo{CountryCount + 3, -1, {}, QStringLiteral("Friend")};
        const PinnedRow unknown = MakePinnedRow(kosovo, {}, in, t, SunPositionAt(t));
        QVERIFY(!unknown.known);
        QVERIFY(unknown.time.isEmpty());
        QVERIFY(unknown.sentence.startsWith(u"Friend, "));
    }

    // The window: pinned from the selection and from Find's choices, moved, renamed and unpinned
    // with the list's keys, selected with Enter, listed in the tray's tip and menu, and found
    // again after a restart.
    void window()
    {
        CTrayIcon::SetAvailabilityForTesting(true);
        FixedTimeSource clock(1796676000); // 2026-12-07 20:40 UTC
        ScopedTimeSource scoped(&clock);
        GeneralSettings s;
        s.homeCountry = 319;      // United Kingdom
        s.currentSelection = 154; // Japan
        StoreGeneral(s);
        auto rows = [](const CMainDialog &d) {
            QStringList out;
            for (const PinnedRow &r : d.State().PinRows())
                out << r.name + u' ' + r.time + u' ' + r.day;
            return out.join(u'|');
        };
        {
            CMainDialog dialog;
            RunWith(dialog, [&] {
                QVERIFY(!dialog.PinnedList()); // made with the first pin
                QCOMPARE(dialog.State().PinSelection(), 0);
                QCOMPARE(dialog.State().Pin(PlaceChoice(17, -1, "Australia/Sydney")), 1);
                QCOMPARE(dialog.State().Pin(PlaceChoice(327, -1, "America/Chicago")), 2);
                CPinnedList *list = dialog.PinnedList();
                QVERIFY(list && list->isVisible());

                list->setFocus();
                list->setCurrentItem(list->topLevelItem(2));
                QTest::keyClick(list, Qt::Key_Up, Qt::ControlModifier);
                list->setCurrentItem(list->topLevelItem(2));
                QTest::keyClick(list, Qt::Key_F2);
                auto *editor = list->findChild<QLineEdit *>(QStringLiteral("pinLabelEditor"));
                QVERIFY(editor);
                editor->setText(QStringLiteral("Mum & \"Dad\""));
                QTest::keyClick(editor, Qt::Key_Return);
                QTRY_COMPARE(rows(dialog),
                             "Japan 05:40 tomorrow|Chicago 14:40 |Mum & \"Dad\" 07:40 tomorrow");
                QVERIFY(dialog.isVisible()); // Enter ended the edit, not the window
                QCOMPARE(list->topLevelItem(2)->data(1, Qt::AccessibleTextRole).toString(),
                         "Mum & \"Dad\", Sydney, 07:40 tomorrow, 11 hours ahead");

                list->setCurrentItem(list->topLevelItem(1));
                QTest::keyClick(list, Qt::Key_Return);
                QCOMPARE(dialog.SelectedIndex(), 327);
                QVERIFY(dialog.TrayIcon()->Tip().endsWith(
                    "\nJapan 05:40 tomorrow\nChicago 14:40\nMum & \"Dad\" 07:40 tomorrow"));
                emit dialog.TrayMenu()->aboutToShow();
                auto *mum =
                    dialog.TrayMenu()->findChild<QAction *>(QStringLiteral("trayPinAction2"));
                QCOMPARE(mum->text(), "Mum && \"Dad\"\t07:40 tomorrow");
                mum->trigger();
                QCOMPARE(dialog.SelectedIndex(), 17);

                list->setCurrentItem(list->topLevelItem(0));
                QTest::keyClick(list, Qt::Key_Delete);
                QCOMPARE(list->RowCount(), 2);
            });
        }
        CMainDialog again;
        RunWith(again, [&] {
            QCOMPARE(rows(again), "Chicago 14:40 |Mum & \"Dad\" 07:40 tomorrow");
            QCOMPARE(again.PinnedList()->RowCount(), 2);
        });
    }
};

QTEST_MAIN(TestPinnedPlaces)
#include "tst_pinnedplaces.moc"
