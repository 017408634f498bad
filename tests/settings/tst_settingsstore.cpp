#include "settings/settingsstore.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QScopeGuard>
#include <QSettings>
#include <QStandardPaths>
#include <QTest>

#include <array>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// Holds every stored value with the owners' defaults, as the main window, clocks and map will.
class FakeOwner final : public SettingsOwner
{
public:
    GeneralSettings general;
    std::array<std::uint32_t, 4> colours{0x000000, 0x000000, 0x0000FF, 0x0000FF};
    std::array<int, 4> seconds{1, 1, 1, 1};
    int land = 2;
    int sea = 1;
    int acceleration = 75;
    int colourCalls = 0;

    GeneralSettings GetGeneralSettings() const override { return general; }
    void SetGeneralSettings(const GeneralSettings &values) override { general = values; }
    std::uint32_t GetClockColour(SettingsClock clock) const override
    {
        return colours[static_cast<int>(clock)];
    }
    void SetClockColour(SettingsClock clock, std::uint32_t colour) override
    {
        colours[static_cast<int>(clock)] = colour;
    }
    int GetClockShowSeconds(SettingsClock clock) const override
    {
        return seconds[static_cast<int>(clock)];
    }
    void SetClockShowSeconds(SettingsClock clock, int show) override
    {
        seconds[static_cast<int>(clock)] = show;
    }
    int GetMapLandColour() const override { return land; }
    int GetMapSeaColour() const override { return sea; }
    void SetMapColours(int landPair, int seaPair) override
    {
        land = landPair;
        sea = seaPair;
        ++colourCalls;
    }
    int GetMapAcceleration() const override { return acceleration; }
    void SetMapAcceleration(int value) override { acceleration = value; }

    void Load()
    {
        LoadGeneralSettings(*this);
        LoadClockAndMapSettings(*this);
    }

    // Every value away from its default; the same seed gives the same values.
    static FakeOwner Distinct(int seed)
    {
        FakeOwner o;
        o.general = {1, 1, 0, 100 + seed, 200 + seed, 1 + seed % 3, 1, {4, 9, 6, 0, 2, 3}};
        o.colours = {0x123456u + seed, 0x00FFFFFFu, 0x00ABCDEFu, 0x000001u};
        o.seconds = {0, 1, 0, 1};
        o.land = seed % 8;
        o.sea = (seed + 3) % 8;
        o.acceleration = 600;
        return o;
    }

    bool SameValues(const FakeOwner &other) const
    {
        return general == other.general && colours == other.colours &&
               seconds[0] == other.seconds[0] && seconds[2] == other.seconds[2] &&
               land == other.land && sea == other.sea && acceleration == other.acceleration;
    }
};

QString StoreFile()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/Brambleway/Orbiclock.conf");
}

void WriteStore(const QByteArray &content)
{
    QDir().mkpath(QFileInfo(StoreFile()).path());
    QFile file(StoreFile());
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(content);
    // QSettings re-reads a file only when its size or time changed: rows of equal length
    // written within one millisecond must still look different.
    file.flush();
    static int written = 0;
    file.setFileTime(QDateTime::currentDateTime().addSecs(-1000 + ++written),
                     QFileDevice::FileModificationTime);
}

QByteArray ReadStore()
{
    QFile file(StoreFile());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The text stored for "Key/Value", read without the store's interpretation.
QString RawValue(const QString &key)
{
    QSettings settings(StoreFile(), QSettings::IniFormat);
    return settings.value(key).toString();
}

int Field(const FakeOwner &o, const QByteArray &field)
{
    const GeneralSettings &g = o.general;
    if (field == "showAtStartup")
        return g.showAtStartup;
    if (field == "currentSelection")
        return g.currentSelection;
    if (field == "homeCountry")
        return g.homeCountry;
    if (field == "option")
        return g.daylightOption;
    if (field == "useOwn")
        return g.useUserDaylightDates;
    if (field == "weekStart")
        return g.ownDates.weekStart;
    if (field == "monthEnd")
        return g.ownDates.monthEnd;
    if (field == "dayOfWeekEnd")
        return g.ownDates.dayOfWeekEnd;
    if (field == "homeTimeColour")
        return static_cast<int>(o.colours[0]);
    if (field == "selectedDateColour")
        return static_cast<int>(o.colours[3]);
    if (field == "homeSeconds")
        return o.seconds[0];
    if (field == "land")
        return o.land;
    if (field == "sea")
        return o.sea;
    if (field == "speed")
        return o.acceleration;
    qFatal("unknown field %s", field.constData());
}

} // namespace

class TestSettingsStore final : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void firstStart();
    void firstSaveWritesEveryValue();
    void versionPresentHomeMissing();
    void storedValues_data();
    void storedValues();
    void roundTrip();
    void saveTwiceChangesNothing();
    void mapColoursHandedTogether();
    void garbledFileKeepsWhatItCouldRead();
    void unwritableStoreIsLeftAlone();
    void unreadableStoreIsNeverReplaced();
    void concurrentSavesLeaveOneWritersValues();
};

void TestSettingsStore::init()
{
    QDir(QFileInfo(StoreFile()).path()).removeRecursively();
}

void TestSettingsStore::firstStart()
{
    QVERIFY(IsNewSettingsVersion());
    QVERIFY(IsNewSettingsVersion()); // the first check's deletion removed the key again
    QVERIFY(!QFile::exists(StoreFile()) ||
            QSettings(StoreFile(), QSettings::IniFormat).allKeys().isEmpty());

    FakeOwner owner;
    owner.Load();
    QVERIFY(owner.SameValues(FakeOwner()));
    QCOMPARE(owner.colourCalls, 0);
}

void TestSettingsStore::firstSaveWritesEveryValue()
{
    QVERIFY(IsNewSettingsVersion());
    QVERIFY(SaveSettings(FakeOwner()));
    QVERIFY(!IsNewSettingsVersion());

    const QList<std::pair<const char *, const char *>> expected = {
        {"Version/Version Number", "3"},
        {"General/Show At Startup", "0"},
        {"General/Select By List Only", "0"},
        {"General/Show Daylight Saving", "1"},
        {"Clocks/Home Time Colour", "0"},
        {"Clocks/Home Date Colour", "0"},
        {"Clocks/Selected Time Colour", "255"},
        {"Clocks/Selected Date Colour", "255"},
        {"Clocks/Home Time Show Seconds", "1"},
        {"Clocks/Selected Time Show Seconds", "1"},
        {"Map/Land Colour", "2"},
        {"Map/Sea Colour", "1"},
        {"Map/Scroll Speed", "75"},
        {"Current Selection/Current Selection", "-1"},
        {"Home Country/Home Country", "-1"},
        {"Home Country/Daylight Saving Option", "0"},
        {"Home Country/Use User Daylight Dates", "0"},
        {"Home Country/Daylight Week Start", "-1"},
        {"Home Country/Daylight Month Start", "-1"},
        {"Home Country/Daylight Day of Week Start", "-1"},
        {"Home Country/Daylight Week End", "-1"},
        {"Home Country/Daylight Month End", "-1"},
        {"Home Country/Daylight Day of Week End", "-1"},
    };
    QSettings raw(StoreFile(), QSettings::IniFormat);
    QCOMPARE(raw.allKeys().size(), expected.size());
    for (const auto &[key, value] : expected)
        QCOMPARE(raw.value(QLatin1StringView(key)).toString(), QLatin1StringView(value));
    // The group named General is kept apart from the file's own top level.
    QVERIFY(ReadStore().contains("[%General]"));
}

void TestSettingsStore::versionPresentHomeMissing()
{
    WriteStore("[Version]\nVersion%20Number=3\n[%General]\nShow%20At%20Startup=1\n"
               "Select%20By%20List%20Only=1\n[Current%20Selection]\nCurrent%20Selection=17\n");
    QVERIFY(!IsNewSettingsVersion());
    FakeOwner owner;
    owner.Load();
    QCOMPARE(owner.general.showAtStartup, 1);
    QCOMPARE(owner.general.selectByListOnly, 1);
    QCOMPARE(owner.general.showDaylightSaving, 1);
    QCOMPARE(owner.general.currentSelection, 17);
    QCOMPARE(owner.general.homeCountry, -1);
    QCOMPARE(owner.general.ownDates, OwnDaylightDates());
}

void TestSettingsStore::storedValues_data()
{
    QTest::addColumn<QByteArray>("group");
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<QByteArray>("field");
    QTest::addColumn<int>("expected");

    auto row = [](const char *name, const char *group, const char *line, const char *field,
                  int expected) {
        QTest::newRow(name) << QByteArray(group) << QByteArray(line) << QByteArray(field)
                            << expected;
    };
    row("home 344 kept", "Home%20Country", "Home%20Country=344", "homeCountry", 344);
    row("home 345 none", "Home%20Country", "Home%20Country=345", "homeCountry", -1);
    row("home -5 none", "Home%20Country", "Home%20Country=-5", "homeCountry", -1);
    row("home not a number", "Home%20Country", "Home%20Country=Paris", "homeCountry", -1);
    row("home 0xFFFFFFFF", "Home%20Country", "Home%20Country=4294967295", "homeCountry", -1);
    row("selection 99999999999", "Current%20Selection", "Current%20Selection=99999999999",
        "currentSelection", -1);
    row("selection four raw bytes", "Current%20Selection",
        "Current%20Selection=@ByteArray(\\x11\\0\\0\\0)", "currentSelection", 17);
    row("selection hexadecimal", "Current%20Selection", "Current%20Selection=0x11",
        "currentSelection", 17);
    row("option 3", "Home%20Country", "Daylight%20Saving%20Option=3", "option", 3);
    row("option 4 keeps auto", "Home%20Country", "Daylight%20Saving%20Option=4", "option", 0);
    row("option -1 keeps auto", "Home%20Country", "Daylight%20Saving%20Option=-1", "option", 0);
    row("flag 7 is set", "%General", "Show%20At%20Startup=7", "showAtStartup", 1);
    row("flag empty keeps", "%General", "Show%20At%20Startup=", "showAtStartup", 0);
    row("own flag list keeps", "Home%20Country", "Use%20User%20Daylight%20Dates=1, 2", "useOwn", 0);
    row("week last", "Home%20Country", "Daylight%20Week%20Start=4", "weekStart", 4);
    row("week 5 no date", "Home%20Country", "Daylight%20Week%20Start=5", "weekStart", -1);
    row("month 12 no date", "Home%20Country", "Daylight%20Month%20End=12", "monthEnd", -1);
    row("day -2 no date", "Home%20Country", "Daylight%20Day%20of%20Week%20End=-2", "dayOfWeekEnd",
        -1);
    row("day 6", "Home%20Country", "Daylight%20Day%20of%20Week%20End=6", "dayOfWeekEnd", 6);
    row("colour white", "Clocks", "Home%20Time%20Colour=16777215", "homeTimeColour", 0xFFFFFF);
    row("colour -1 keeps", "Clocks", "Home%20Time%20Colour=-1", "homeTimeColour", 0);
    row("colour high byte keeps", "Clocks", "Selected%20Date%20Colour=0x01000000",
        "selectedDateColour", 0xFF);
    row("seconds 0", "Clocks", "Home%20Time%20Show%20Seconds=0", "homeSeconds", 0);
    row("land 7", "Map", "Land%20Colour=7", "land", 7);
    row("land 8 keeps", "Map", "Land%20Colour=8", "land", 2);
    row("land -1 keeps", "Map", "Land%20Colour=-1", "land", 2);
    row("sea -3 keeps", "Map", "Sea%20Colour=-3", "sea", 1);
    row("speed 600", "Map", "Scroll%20Speed=600", "speed", 600);
    row("speed 333 as read", "Map", "Scroll%20Speed=333", "speed", 333);
    row("speed 0 keeps", "Map", "Scroll%20Speed=0", "speed", 75);
    row("speed text keeps", "Map", "Scroll%20Speed=fast", "speed", 75);
}

void TestSettingsStore::storedValues()
{
    QFETCH(QByteArray, group);
    QFETCH(QByteArray, line);
    QFETCH(QByteArray, field);
    QFETCH(int, expected);

    WriteStore("[Version]\nVersion%20Number=3\n[" + group + "]\n" + line + "\n");
    QVERIFY(!IsNewSettingsVersion());
    FakeOwner owner;
    owner.Load();
    QCOMPARE(Field(owner, field), expected);
}

void TestSettingsStore::roundTrip()
{
    for (int seed : {0, 5}) {
        const FakeOwner saved = FakeOwner::Distinct(seed);
        QVERIFY(SaveSettings(saved));
        QVERIFY(!IsNewSettingsVersion());
        FakeOwner loaded;
        loaded.Load();
        QVERIFY2(loaded.SameValues(saved), qPrintable(QString::number(seed)));
    }
    // -1 is written as -1, not as an unsigned number.
    FakeOwner none;
    QVERIFY(SaveSettings(none));
    QCOMPARE(RawValue(QStringLiteral("Home Country/Daylight Week End")), QStringLiteral("-1"));
}

void TestSettingsStore::saveTwiceChangesNothing()
{
    WriteStore("[Extra]\nForeign=5\n");
    const FakeOwner owner = FakeOwner::Distinct(3);
    QVERIFY(SaveSettings(owner));
    const QByteArray first = ReadStore();
    QVERIFY(SaveSettings(owner));
    QCOMPARE(ReadStore(), first);
    QCOMPARE(RawValue(QStringLiteral("Extra/Foreign")), QStringLiteral("5"));
}

void TestSettingsStore::mapColoursHandedTogether()
{
    WriteStore("[Version]\nVersion%20Number=3\n[Map]\nSea%20Colour=6\n");
    FakeOwner owner;
    owner.land = -1; // the map's colours match no pair
    owner.Load();
    QCOMPARE(owner.colourCalls, 1);
    QCOMPARE(owner.land, 2);
    QCOMPARE(owner.sea, 6);

    WriteStore("[Version]\nVersion%20Number=3\n[Map]\nScroll%20Speed=150\n");
    FakeOwner unchanged;
    unchanged.Load();
    QCOMPARE(unchanged.colourCalls, 0);
    QCOMPARE(unchanged.acceleration, 150);
}

void TestSettingsStore::garbledFileKeepsWhatItCouldRead()
{
    QByteArray content = "[Version]\nVersion%20Number=3\n[Home%20Country]\nHome%20Country=17\n";
    content += QByteArray("\0\xff\xfe\x01 junk \x80\n[Map\n=\n[Clocks]\nHome%20Time%20Col", 45);
    WriteStore(content);

    QVERIFY(!IsNewSettingsVersion());
    FakeOwner owner;
    owner.Load();
    QCOMPARE(owner.general.homeCountry, 17);
    QCOMPARE(owner.colours[0], 0u);

    QVERIFY(SaveSettings(owner));
    QSettings check(StoreFile(), QSettings::IniFormat);
    QCOMPARE(check.status(), QSettings::NoError);
    QCOMPARE(check.value(QStringLiteral("Home Country/Home Country")).toString(),
             QStringLiteral("17"));
    QCOMPARE(check.value(QStringLiteral("Clocks/Home Time Colour")).toString(),
             QStringLiteral("0"));
}

void TestSettingsStore::unwritableStoreIsLeftAlone()
{
    if (geteuid() == 0)
        QSKIP("root writes through any permission");
    QVERIFY(SaveSettings(FakeOwner::Distinct(1)));
    const QByteArray before = ReadStore();
    const QString folder = QFileInfo(StoreFile()).path();
    QVERIFY(QFile::setPermissions(StoreFile(), QFile::ReadOwner));
    QVERIFY(QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner));
    auto restore = qScopeGuard([&] {
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QFile::setPermissions(StoreFile(), QFile::ReadOwner | QFile::WriteOwner);
    });

    FakeOwner owner;
    owner.Load();
    QVERIFY(owner.SameValues(FakeOwner::Distinct(1)));
    owner.general.homeCountry = 3;
    QVERIFY(!SaveSettings(owner));
    QCOMPARE(ReadStore(), before);
}

void TestSettingsStore::unreadableStoreIsNeverReplaced()
{
    QVERIFY(QDir().mkpath(StoreFile())); // a folder cannot be read as the store's file
    QVERIFY(!IsNewSettingsVersion());
    QVERIFY(QFileInfo(StoreFile()).isDir());
    FakeOwner owner;
    owner.Load();
    QVERIFY(owner.SameValues(FakeOwner()));
    QVERIFY(!SaveSettings(FakeOwner::Distinct(2)));
    QVERIFY(QFileInfo(StoreFile()).isDir());
}

void TestSettingsStore::concurrentSavesLeaveOneWritersValues()
{
    // Two processes, as two running copies, each saving its own values over and over.
    std::array<pid_t, 2> children{};
    for (int i = 0; i < 2; ++i) {
        children[i] = fork();
        QVERIFY(children[i] >= 0);
        if (children[i] == 0) {
            const FakeOwner mine = FakeOwner::Distinct(10 + i);
            bool ok = true;
            for (int round = 0; round < 40; ++round)
                ok = SaveSettings(mine) && ok;
            _exit(ok ? 0 : 1);
        }
    }
    for (pid_t child : children) {
        int status = 0;
        QCOMPARE(waitpid(child, &status, 0), child);
        QVERIFY(WIFEXITED(status));
        QCOMPARE(WEXITSTATUS(status), 0);
    }
    QCOMPARE(QSettings(StoreFile(), QSettings::IniFormat).status(), QSettings::NoError);
    FakeOwner loaded;
    loaded.Load();
    QVERIFY(loaded.SameValues(FakeOwner::Distinct(10)) ||
            loaded.SameValues(FakeOwner::Distinct(11)));
}

QTEST_APPLESS_MAIN(TestSettingsStore)
#include "tst_settingsstore.moc"
