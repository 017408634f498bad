// SPDX-License-Identifier: MIT

#include "settings/inifile.h"
#include "settings/settingsstore.h"
#include "settings/userpaths.h"
#include "tests/filefaults.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QScopeGuard>
#include <QSettings>
#include <QStandardPaths>
#include <QTest>

#include <array>
#include <optional>
#include <pwd.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// Holds every stored value with the owners' defaults, as the main window, clocks and map do.
class FakeOwner final : public SettingsOwner
{
public:
    GeneralSettings general;
    std::array<std::uint32_t, 4> colours{0x000000, 0x000000, 0x0000FF, 0x0000FF};
    std::array<int, 4> seconds{1, 1, 1, 1};
    int land = 2;
    int sea = 1;
    int acceleration = 75;
    int night = 0;
    std::vector<PinnedPlace> pins;
    WindowPlacement window{415, 466, true, 10, 20, 0};
    int h24 = 1;
    int colourCalls = 0;

    GeneralSettings GetGeneralSettings() const override { return general; }
    void SetGeneralSettings(const GeneralSettings &values) override { general = values; }
    static int At(SettingsClock clock) { return static_cast<int>(clock); }
    std::uint32_t GetClockColour(SettingsClock c) const override { return colours[At(c)]; }
    void SetClockColour(SettingsClock c, std::uint32_t colour) override { colours[At(c)] = colour; }
    int GetClockShowSeconds(SettingsClock c) const override { return seconds[At(c)]; }
    void SetClockShowSeconds(SettingsClock c, int show) override { seconds[At(c)] = show; }
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
    int GetClock24Hour() const override { return h24; }
    void SetClock24Hour(int value) override { h24 = value; }
    int GetMapShowNight() const override { return night; }
    void SetMapShowNight(int show) override { night = show; }
    std::vector<PinnedPlace> GetPinnedPlaces() const override { return pins; }
    void SetPinnedPlaces(const std::vector<PinnedPlace> &values) override { pins = values; }
    WindowPlacement GetWindowPlacement() const override { return window; }
    void SetWindowPlacement(const WindowPlacement &placement) override { window = placement; }

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
        o.general.useTimeZoneDatabase = seed % 2;
        o.colours = {0x123456u + seed, 0x00FFFFFFu, 0x00ABCDEFu, 0x000001u};
        o.seconds = {0, 1, 0, 1};
        o.land = seed % 8;
        o.sea = (seed + 3) % 8;
        o.acceleration = 600;
        o.night = 1;
        // Labels with what the file's format escapes, and one as long as a label may be.
        o.pins = {
            {17, -1, {}, QStringLiteral("\"Mum\" = ;#[x] %20 \\ \\x41")},
            {351 - seed, 2147714, "Australia/Sydney", {}},
            {seed, -1, {}, QStringLiteral("Zo\u00EB \U0001F600 \u6771\u4EAC") + QString(30, u'l')}};
        o.window = {32767, 1 + seed, true, -32768, 32767 - seed, seed % 2};
        o.h24 = 0;
        return o;
    }

    bool SameValues(const FakeOwner &other) const
    {
        return general == other.general && colours == other.colours &&
               seconds[0] == other.seconds[0] && seconds[2] == other.seconds[2] &&
               land == other.land && sea == other.sea && acceleration == other.acceleration &&
               night == other.night && pins == other.pins && window == other.window &&
               h24 == other.h24;
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
}

// The store's file, or the one beside it with the suffix.
QByteArray ReadStore(const QString &suffix = {})
{
    QFile file(StoreFile() + suffix);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The text stored for "Key/Value", read without the store's interpretation.
QString RawValue(const QString &key)
{
    return QSettings(StoreFile(), QSettings::IniFormat).value(key).toString();
}

} // namespace

class TestSettings final : public QObject
{
    Q_OBJECT

private slots:
    void init() { QDir(QFileInfo(StoreFile()).path()).removeRecursively(); }
    void storeWithoutVersionStartsAfresh();
    void storedValues_data();
    void storedValues();
    void roundTripKeepsForeignValues();
    void mapColoursHandedTogether();
    void damagedFileIsKept_data();
    void damagedFileIsKept();
    void blockedStoreIsLeftAlone_data();
    void blockedStoreIsLeftAlone();
    void twoCopiesKeepEachOthersChanges();
    void iniTextReadsBackAsWritten();
    void userPathsSettled_data();
    void userPathsSettled();
    void newFileFollowsUmask_data();
    void newFileFollowsUmask();
    void pinnedGroup_data();
    void pinnedGroup();
};

void TestSettings::storeWithoutVersionStartsAfresh()
{
    WriteStore("[Map]\nLand%20Colour=7\n");
    QVERIFY(IsNewSettingsVersion());
    QVERIFY(IsNewSettingsVersion()); // the first check's deletion removed the key again
    FakeOwner owner;
    owner.Load();
    QVERIFY(owner.SameValues(FakeOwner()));
    QCOMPARE(owner.colourCalls, 0);

    QVERIFY(SaveSettings(owner));
    QVERIFY(!IsNewSettingsVersion());
    QCOMPARE(RawValue(QStringLiteral("Version/Version Number")), QStringLiteral("3"));
}

// One row per kind of stored value: what is read from the file, handed to the owner (whose
// values are the defaults) and saved again.
void TestSettings::storedValues_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<QString>("saved");
    auto row = [](const char *name, const char *key, const char *stored, const char *saved) {
        QTest::newRow(name) << QString::fromLatin1(key) << QByteArray(stored)
                            << QString::fromLatin1(saved);
    };
    // Values the store cannot read as 32 bits leave the owner's.
    row("half a number", "Map/Scroll Speed", "12abc", "75");
    row("hexadecimal 33 bits", "Map/Land Colour", "0x100000000", "2");
    row("five bytes", "General/Show At Startup", "@ByteArray(12345)", "0");
    row("flag 7 is set", "General/Show At Startup", "7", "1");
    row("flag empty keeps", "General/Select By List Only", "", "0");
    row("mode unreadable: database", "General/Use Time Zone Database", "", "1");
    row("colour hexadecimal", "Clocks/Home Date Colour", "0x00ABCDEF", "11259375");
    row("colour high byte keeps", "Clocks/Selected Date Colour", "0x01000000", "255");
    row("seconds list keeps", "Clocks/Selected Time Show Seconds", "0, 2", "1");
    row("land 8 keeps", "Map/Land Colour", "8", "2");
    row("speed 0 keeps", "Map/Scroll Speed", "0", "75");
    row("selection raw bytes", "Current Selection/Current Selection", "@ByteArray(\\x11\\0\\0\\0)",
        "17");
    // Today's places beyond the table: each mode decides what to show, the store keeps them.
    row("home 351 kept", "Home Country/Home Country", "351", "351");
    row("home 352 none", "Home Country/Home Country", "352", "-1");
    row("option 4 keeps auto", "Home Country/Daylight Saving Option", "4", "0");
    row("week 5 no date", "Home Country/Daylight Week End", "5", "-1");
    // X11's 16-bit sizes and places; a place is whole or none.
    row("width 0 keeps", "Window/Width", "0", "415");
    row("height 32768 keeps", "Window/Height", "32768", "466");
    row("left beyond X11 keeps", "Window/Left", "-32769", "10");
    row("top without left keeps", "Window/Top", "-32768", "20");
}

void TestSettings::storedValues()
{
    QFETCH(QString, key);
    QFETCH(QByteArray, stored);
    QFETCH(QString, saved);
    // "[Map]\nScroll%20Speed=", with the group General as QSettings names it.
    QByteArray entry = "[" + key.toUtf8().replace(' ', "%20").replace('/', "]\n") + "=";
    WriteStore("[Version]\nVersion%20Number=3\n" + entry.replace("[General]", "[%General]") +
               stored + "\n");
    QVERIFY(!IsNewSettingsVersion());
    FakeOwner owner;
    owner.Load();
    QCOMPARE(owner.colourCalls, 0); // no row stores a usable map colour: no recolouring
    QVERIFY(SaveSettings(owner));
    QCOMPARE(RawValue(key), saved);
}

void TestSettings::roundTripKeepsForeignValues()
{
    WriteStore("[Extra]\nForeign=5\n[Version]\nVersion%20Number=3\n");
    for (int seed : {0, 5}) {
        FakeOwner saved = FakeOwner::Distinct(seed);
        QVERIFY(SaveSettings(saved));
        const QByteArray first = ReadStore();
        QVERIFY(SaveSettings(saved));
        QCOMPARE(ReadStore(), first);
        QVERIFY(!IsNewSettingsVersion());
        FakeOwner loaded;
        loaded.Load();
        QVERIFY2(loaded.SameValues(saved), qPrintable(QString::number(seed)));
    }
    QCOMPARE(RawValue(QStringLiteral("Extra/Foreign")), QStringLiteral("5"));
}

void TestSettings::mapColoursHandedTogether()
{
    WriteStore("[Version]\nVersion%20Number=3\n[Map]\nSea%20Colour=6\n");
    FakeOwner owner;
    owner.land = -1; // the map's colours match no pair
    owner.Load();
    QCOMPARE(owner.colourCalls, 1);
    QCOMPARE(owner.land, 2);
    QCOMPARE(owner.sea, 6);
}

void TestSettings::damagedFileIsKept_data()
{
    // Whole, as QSettings orders it: the Version group last.
    const QByteArray whole =
        "[%General]\nShow%20At%20Startup=1\n\n[Clocks]\nHome%20Time%20Colour=255\n"
        "\n[Home%20Country]\nHome%20Country=17\n\n[Version]\nVersion%20Number=3\n";
    QTest::addColumn<QByteArray>("damaged");
    QTest::newRow("unclosed quote") << QByteArray(whole).replace("=255", "=\"255");
    QTest::newRow("unclosed section") << QByteArray(whole).replace("[Clocks]", "[Clocks");
    QTest::newRow("cut within the last line") << whole.chopped(5);
    QTest::newRow("mistyped Version group") << QByteArray(whole).replace("[Version]", "[Versoin]");
    QTest::newRow("binary junk") << whole + QByteArray("\0\xff\xfe\x01 junk \x80\n[Map\n=\n", 19);
}

void TestSettings::damagedFileIsKept()
{
    QFETCH(QByteArray, damaged);
    WriteStore(damaged);
    QVERIFY(!IsNewSettingsVersion());
    FakeOwner owner;
    owner.Load();
    QCOMPARE(owner.general.showAtStartup, 1);
    QCOMPARE(owner.general.homeCountry, 17);
    QCOMPARE(owner.colours[0], 255u);

    QVERIFY(SaveSettings(owner));
    QCOMPARE(ReadStore(QStringLiteral(".damaged")), damaged);
    QCOMPARE(RawValue(QStringLiteral("Clocks/Home Time Colour")), QStringLiteral("255"));
}

void TestSettings::blockedStoreIsLeftAlone_data()
{
    QTest::addColumn<QByteArray>("blocker");
    QTest::newRow("folder as the file") << QByteArray("folder");
    QTest::newRow("FIFO as the file") << QByteArray("fifo");
    QTest::newRow("folder as the lock") << QByteArray("lock");
    QTest::newRow("read-only folder") << QByteArray("read-only");
    QTest::newRow("full disk") << QByteArray("full");
}

void TestSettings::blockedStoreIsLeftAlone()
{
    QFETCH(QByteArray, blocker);
    const bool stored = blocker != "folder" && blocker != "fifo"; // the file itself is sound
    const QString folder = QFileInfo(StoreFile()).path();
    QVERIFY(QDir().mkpath(folder));
    FakeOwner saved = FakeOwner::Distinct(1);
    if (stored)
        QVERIFY(SaveSettings(saved));
    const QByteArray before = stored ? ReadStore() : QByteArray();
    if (blocker == "folder")
        QVERIFY(QDir().mkpath(StoreFile()));
    if (blocker == "fifo")
        QCOMPARE(::mkfifo(QFile::encodeName(StoreFile()).constData(), 0600), 0);
    if (blocker == "lock")
        QVERIFY(QDir().mkpath(StoreFile() + QStringLiteral(".lock")));
    if (blocker == "read-only" && geteuid() == 0)
        QSKIP("root writes through any permission");
    if (blocker == "read-only") {
        QVERIFY(QFile::setPermissions(StoreFile(), QFile::ReadOwner));
        QVERIFY(QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner));
    }
    // The next test's clean-up removes the folder's files.
    auto restore = qScopeGuard([&] {
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    });

    // Neither start nor save waits for ever, and nothing is lost.
    QVERIFY(!IsNewSettingsVersion());
    FakeOwner owner;
    owner.Load();
    QVERIFY(owner.SameValues(stored ? FakeOwner::Distinct(1) : FakeOwner()));
    {
        std::optional<FullDisk> full;
        if (blocker == "full")
            full.emplace(256); // room for the lock, not for the file
        FakeOwner changed = FakeOwner::Distinct(2);
        QVERIFY(!SaveSettings(changed));
    }
    QCOMPARE(QDir(folder).entryList(QDir::Files),
             stored ? QStringList{QStringLiteral("Orbiclock.conf")} : QStringList());
    if (stored)
        QCOMPARE(ReadStore(), before);
}

void TestSettings::twoCopiesKeepEachOthersChanges()
{
    // Two processes, as two running copies started from one file, each changing a value of its
    // own over and over: neither save may write back the other's value as it was at the start.
    FakeOwner first = FakeOwner::Distinct(1);
    QVERIFY(SaveSettings(first));
    std::array<pid_t, 2> children{};
    for (int i = 0; i < 2; ++i) {
        children[i] = fork();
        QVERIFY(children[i] >= 0);
        if (children[i] == 0) {
            FakeOwner mine;
            mine.Load();
            bool ok = true;
            for (int round = 1; round <= 40; ++round) {
                (i == 0 ? mine.acceleration : mine.general.currentSelection) = round;
                ok = SaveSettings(mine) && ok;
            }
            _exit(ok ? 0 : 1);
        }
    }
    for (pid_t child : children) {
        int status = 0;
        QCOMPARE(waitpid(child, &status, 0), child);
        QVERIFY(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    QCOMPARE(QSettings(StoreFile(), QSettings::IniFormat).status(), QSettings::NoError);
    FakeOwner loaded;
    loaded.Load();
    first.acceleration = first.general.currentSelection = 40;
    QVERIFY(loaded.SameValues(first));
}

// Generated keys and values, with every character the layout escapes or reads as its own.
void TestSettings::iniTextReadsBackAsWritten()
{
    static const QStringList pieces = {
        "/", "/",  "\\", "%", "%U", "%2F", "General",     "%General", "[", "]", "=", ";", "#",
        " ", "\t", "\"", "é", "€",  "😀",   "@ByteArray(", ")",        "a", "Z", "0", "x", ".."};
    QRandomGenerator random(17);
    auto text = [&](int most) {
        QString out;
        for (int n = random.bounded(1, most); n > 0; --n)
            out += pieces[random.bounded(int(pieces.size()))];
        return out;
    };
    for (int round = 0; round < 2000; ++round) {
        QMap<QString, QString> values;
        // Each value as the reader gives it: its quotes closed.
        for (int n = random.bounded(1, 6); n > 0; --n)
            values.insert(text(8), ParseIni("v=" + text(6).toUtf8() + '\n').values.value("v"));
        const QByteArray written = WriteIni(values, QStringLiteral("Version"));
        const IniText read = ParseIni(written);
        QVERIFY2(!read.damaged && read.values == values, written.constData());
    }
}

void TestSettings::userPathsSettled_data()
{
    const passwd *account = getpwuid(getuid());
    QVERIFY(account);
    const QByteArray home(account->pw_dir);
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<QByteArray>("value"); // null: unset
    QTest::addColumn<QByteArray>("settled");
    QTest::newRow("no HOME") << QByteArray("HOME") << QByteArray() << home;
    QTest::newRow("relative config")
        << QByteArray("XDG_CONFIG_HOME") << QByteArray("c") << QByteArray();
    QTest::newRow("absolute cache")
        << QByteArray("XDG_CACHE_HOME") << QByteArray("/c") << QByteArray("/c");
}

void TestSettings::userPathsSettled()
{
    QFETCH(QByteArray, name);
    QFETCH(QByteArray, value);
    QFETCH(QByteArray, settled);
    const QByteArray before = qgetenv(name.constData());
    auto restore = qScopeGuard([&] { qputenv(name.constData(), before); });
    if (value.isNull())
        qunsetenv(name.constData());
    else
        qputenv(name.constData(), value);
    SettleUserPaths();
    QCOMPARE(qEnvironmentVariableIsSet(name.constData()), !settled.isNull());
    QCOMPARE(qgetenv(name.constData()), settled);
}

void TestSettings::newFileFollowsUmask_data()
{
    QTest::addColumn<int>("mask");
    QTest::addColumn<int>("mode");
    QTest::newRow("077 private") << 077 << 0600;
    QTest::newRow("002 shared with the group") << 002 << 0664;
}

// A new file gets what the umask gives, and a save removes what a writer killed in the middle
// of one left beside the file, not what one is writing now.
void TestSettings::newFileFollowsUmask()
{
    QFETCH(int, mask);
    QFETCH(int, mode);
    QVERIFY(QDir().mkpath(QFileInfo(StoreFile()).path()));
    const QString stale = StoreFile() + QStringLiteral(".k1LLed");
    const QString busy = StoreFile() + QStringLiteral(".wr1tes");
    for (const QString &aside : {stale, busy}) {
        QFile file(aside);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QVERIFY(aside == busy || file.setFileTime(QDateTime::currentDateTime().addSecs(-3600),
                                                  QFileDevice::FileModificationTime));
    }

    const mode_t before = ::umask(mode_t(mask));
    FakeOwner owner;
    const bool saved = SaveSettings(owner);
    ::umask(before);
    QVERIFY(saved);
    struct stat st
    {
    };
    QCOMPARE(::stat(QFile::encodeName(StoreFile()).constData(), &st), 0);
    QCOMPARE(int(st.st_mode & 0777), mode);
    QVERIFY(!QFile::exists(stale));
    QVERIFY(QFile::exists(busy));
}

QTEST_APPLESS_MAIN(TestSettings)
#include "tst_settings.moc"

// A group as a person's editor or a damaged disk may leave it: what is usable is read, the rest
// of the file is untouched, and an unchanged list is not written back.
void TestSettings::pinnedGroup_data()
{
    QTest::addColumn<QByteArray>("group");
    QTest::addColumn<QString>("pins");
    QTest::newRow("whole") << QByteArray("Count=2\nPlace%201=17\nLabel%201=\"Mum\"\n"
                                         "Place%202=20\nZone%202=\"Asia/Tokyo\"\nCity%202=5\n")
                           << "17 -1  Mum|20 5 Asia/Tokyo ";
    QTest::newRow("count missing")
        << QByteArray("Place%201=17\nPlace%202=18\n") << "17 -1  |18 -1  ";
    QTest::newRow("count short") << QByteArray("Count=1\nPlace%201=17\nPlace%202=18\n")
                                 << "17 -1  ";
    QTest::newRow("place outside, city below 1, zone no zone")
        << QByteArray("Count=3\nPlace%201=999\nPlace%202=3\nCity%202=-4\nZone%202=\"../x\"\n"
                      "Place%203=hello\n")
        << "3 -1  ";
    QTest::newRow("label escapes")
        << QByteArray("Count=1\nPlace%201=4\nLabel%201=\"a\\nb\\\"\n") << "4 -1  a b\"";
    QTest::newRow("repeated") << QByteArray("Count=2\nPlace%201=4\nPlace%202=4\n") << "4 -1  ";
    QByteArray many = "Count=99\n";
    for (int i = 1; i <= 40; ++i)
        many += "Place%20" + QByteArray::number(i) + "=" + QByteArray::number(i) + "\n";
    QStringList first;
    for (int i = 1; i <= PinnedPlaces::MaxCount; ++i)
        first << QString::number(i) + QStringLiteral(" -1  ");
    QTest::newRow("too many") << many << first.join(u'|');
    QTest::newRow("unclosed quote")
        << QByteArray("Count=1\nPlace%201=5\nLabel%201=\"Mu\n") << "5 -1  Mu";
}

void TestSettings::pinnedGroup()
{
    QFETCH(QByteArray, group);
    const QByteArray text = "[Version]\nVersion%20Number=3\n[Pinned%20Places]\n" + group +
                            "[Home%20Country]\nHome%20Country=17\n";
    WriteStore(text);
    QVERIFY(!IsNewSettingsVersion());
    FakeOwner owner;
    owner.Load();
    QStringList pins;
    for (const PinnedPlace &p : owner.pins)
        pins << QStringLiteral("%1 %2 %3 %4")
                    .arg(p.place)
                    .arg(p.cityId)
                    .arg(QString::fromLatin1(p.zone), p.label);
    QTEST(pins.join(u'|'), "pins");
    QCOMPARE(owner.general.homeCountry, 17);
    QVERIFY(SaveSettings(owner));
    QVERIFY(ReadStore().contains(group.left(group.indexOf('\n'))));
}
