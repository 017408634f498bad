#include "app/converttimedialog.h"

#include <QDateTimeEdit>
#include <QTest>

#include <ctime>

namespace {

struct Row
{
    const char *name;
    int home;
    int selected;
    const char *homeZone; // TZ of the C library for each place; ":zone" for database mode
    const char *selectedZone;
    bool fromHome; // which field is typed in
    const char *typed;
    int isdst; // for mktime: -1, or which of a skipped or repeated time is meant
    const char *note;
    const char *day;
};

// Germany 121, Iceland 142, Hawaiian Is. 137, New Zealand 219, Western Samoa 263, Tonga Is. 308,
// United States Eastern 328.
const Row Rows[] = {
    {"New York skips 02:30", 121, 328, ":Europe/Berlin", ":America/New_York", false,
     "2026-03-08T02:30", 0, "does not exist in Eastern Time", "Same day"},
    {"Berlin repeats 02:30", 121, 328, ":Europe/Berlin", ":America/New_York", true,
     "2026-10-25T02:30", 1, "happens twice", "Previous day"},
    {"Auckland repeats 02:30", 121, 219, ":Europe/Berlin", ":Pacific/Auckland", false,
     "2026-04-05T02:30", 1, "happens twice", "Next day"},
    {"Apia to Honolulu", 263, 137, ":Pacific/Apia", ":Pacific/Honolulu", true, "2026-07-06T08:00",
     -1, "", "Previous day"},
    {"Honolulu to Apia", 263, 137, ":Pacific/Apia", ":Pacific/Honolulu", false, "2026-07-05T09:00",
     -1, "", "Previous day"},
    {"date line west", 308, 137, "<+13>-13", "HST10", true, "2026-07-06T08:00", -1, "",
     "Previous day"},
    {"date line east", 308, 137, "<+13>-13", "HST10", false, "2026-07-05T13:00", -1, "",
     "Previous day"},
    {"home skips 02:30", 121, 142, "CET-1CEST,M3.5.0/2,M9.5.0/2", "GMT0", true, "2026-03-29T02:30",
     0, "does not exist", "Same day"},
    // Summer time ends at 02:00 of summer time: the hour from 01:00 comes twice.
    {"home repeats 01:30", 121, 142, "CET-1CEST,M3.5.0/2,M9.5.0/2", "GMT0", true,
     "2026-09-27T01:30", 1, "happens twice", "Previous day"},
    {"there skips 02:30", 142, 121, "GMT0", "CET-1CEST,M3.5.0/2,M9.5.0/2", false,
     "2026-03-29T02:30", 0, "does not exist in Germany", "Same day"},
    {"Iceland to Tonga", 142, 308, "GMT0", "<+13>-13", true, "2026-01-01T20:00", -1, "",
     "Next day"},
};

} // namespace

class TestConvertTime final : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { SetProcessTimeZone(""); }
    void convert_data();
    void convert();
};

void TestConvertTime::convert_data()
{
    QTest::addColumn<int>("row");
    for (int i = 0; i < int(std::size(Rows)); ++i)
        QTest::addRow("%s", Rows[i].name) << i;
}

void TestConvertTime::convert()
{
    QFETCH(int, row);
    const Row &r = Rows[row];
    QDateTime typed = QDateTime::fromString(QString::fromLatin1(r.typed), Qt::ISODate);
    typed.setTimeSpec(Qt::UTC);

    // The instant by the C library under the typed place's rule, shown under the other's.
    SetProcessTimeZone(r.fromHome ? r.homeZone : r.selectedZone);
    std::tm fields{};
    fields.tm_year = typed.date().year() - 1900;
    fields.tm_mon = typed.date().month() - 1;
    fields.tm_mday = typed.date().day();
    fields.tm_hour = typed.time().hour();
    fields.tm_min = typed.time().minute();
    fields.tm_isdst = r.isdst;
    const std::time_t t = std::mktime(&fields);
    SetProcessTimeZone(r.fromHome ? r.selectedZone : r.homeZone);
    std::tm there{};
    localtime_r(&t, &there);
    const QDateTime expected(QDate(there.tm_year + 1900, there.tm_mon + 1, there.tm_mday),
                             QTime(there.tm_hour, there.tm_min), Qt::UTC);

    SetProcessTimeZone(r.homeZone); // the program's own clock runs on home time
    ClockOffsetInputs in;
    in.homeIndex = r.home;
    in.selectedIndex = r.selected;
    in.useDatabase = *r.homeZone == ':';
    CConvertTimeDialog dialog;
    dialog.SetInputs(in);
    (r.fromHome ? dialog.HomeEdit() : dialog.SelectedEdit())->setDateTime(typed);
    QCOMPARE((r.fromHome ? dialog.SelectedEdit() : dialog.HomeEdit())->dateTime(), expected);
    QCOMPARE(dialog.NoteText().isEmpty(), !*r.note);
    QVERIFY2(dialog.NoteText().contains(QLatin1String(r.note)), qPrintable(dialog.NoteText()));
    QVERIFY2(dialog.DayText().startsWith(QLatin1String(r.day)), qPrintable(dialog.DayText()));
}

QTEST_MAIN(TestConvertTime)
#include "tst_converttime.moc"
