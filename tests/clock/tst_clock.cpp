// SPDX-License-Identifier: MIT

#include "clock/clockctrl.h"
#include "clock/clockticker.h"

#include <QApplication>
#include <QBitmap>
#include <QDate>
#include <QFontMetrics>
#include <QGlyphRun>
#include <QLocale>
#include <QPainter>
#include <QRawFont>
#include <QRegion>
#include <QScopeGuard>
#include <QSet>
#include <QTest>
#include <QTextLayout>

#include <memory>

namespace {

QString ShortDate(int year, int month, int day)
{
    return QLocale::system().toString(QDate(year, month, day), QLocale::ShortFormat);
}

constexpr COLORREF Black = MakeColourRef(0, 0, 0);
constexpr COLORREF Face = MakeColourRef(0xd4, 0xd0, 0xc8);
const QRect Geometry(0, 0, 120, 34);

std::unique_ptr<CClockCtrl> MakeClock(int mode = CClockCtrl::ModeTime)
{
    auto clock = std::make_unique<CClockCtrl>(Black, Face);
    clock->Create(QRect(0, 0, 120, 30), nullptr, 1013);
    clock->SetMode(mode);
    return clock;
}

QImage Shot(QWidget &w)
{
    return w.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

} // namespace

class TestClock final : public QObject
{
    Q_OBJECT

private slots:
    // Ten hours east, so a clock that ignored local time would show other hours.
    void initTestCase() { SetProcessTimeZone("<GMT+10>-10"); }
    void init() { m_clock.Set(MakeLocalTime(2026, 3, 14, 9, 5, 3)); }

    void formatText_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("flags"); // 24: 24-hour, s: seconds, d: days, a locale
        // Time and date: local time of day in seconds on 2026-03-14; elapsed: seconds counted.
        QTest::addColumn<qint64>("value");
        QTest::addColumn<qint64>("offset");
        QTest::addColumn<QString>("expected");
        const int Time = CClockCtrl::ModeTime;
        const int Date = CClockCtrl::ModeDate;
        const int Elapsed = CClockCtrl::ModeElapsed;
        const qint64 t090503 = 9 * 3600 + 5 * 60 + 3;
        const qint64 span = 86400 + 3600 + 60 + 1;
        QTest::newRow("24-hour with seconds") << Time << "24 s" << t090503 << 0ll << "09:05:03";
        QTest::newRow("24-hour without seconds") << Time << "24" << t090503 << 0ll << "09:05";
        QTest::newRow("date") << Date << "24 s" << t090503 << 0ll << ShortDate(2026, 3, 14);
        QTest::newRow("east, tomorrow") << Date << "" << 86370ll << 60ll << ShortDate(2026, 3, 15);
        QTest::newRow("west, into yesterday") << Time << "24 s" << 20ll << -60ll << "23:59:20";
        QTest::newRow("west, yesterday") << Date << "" << 20ll << -60ll << ShortDate(2026, 3, 13);
        QTest::newRow("elapsed with days") << Elapsed << "s d" << span << 0ll << "1:1:01:01";
        const qint64 t130503 = t090503 + 4 * 3600;
        QTest::newRow("12-hour, afternoon") << Time << "s" << t130503 << 0ll << "1:05:03 PM";
        QTest::newRow("12-hour, after midnight") << Time << "" << 1800ll << 0ll << "12:30 AM";
        QTest::newRow("12-hour, Arabic") << Time << "ar_EG" << t130503 << 0ll << "١:٠٥ م";
        QTest::newRow("24-hour, Arabic") << Time << "24 s ar_EG" << t130503 << 0ll << "١٣:٠٥:٠٣";
    }

    void formatText()
    {
        QFETCH(int, mode);
        QFETCH(QString, flags);
        QFETCH(qint64, value);
        QFETCH(qint64, offset);
        QFETCH(QString, expected);
        const QLocale before;
        const auto restore = qScopeGuard([&] { QLocale::setDefault(before); });
        for (const QString &flag : flags.split(u' '))
            if (flag.contains(u'_'))
                QLocale::setDefault(QLocale(flag));
        m_clock.Set(MakeLocalTime(2026, 3, 14) + value);
        const auto clock = MakeClock(mode);
        if (mode == CClockCtrl::ModeElapsed)
            clock->SetElapsed(value);
        clock->Set24Hour(flags.contains(u"24"));
        clock->SetShowSeconds(flags.contains(u's'));
        clock->SetShowDays(flags.contains(u'd'));
        clock->SetOffset(offset);

        QString text = QStringLiteral("left over");
        clock->FormatText(text);
        QCOMPARE(text, expected);
        QCOMPARE(clock->GetText(), expected);
    }

    // The tick every clock shares: a date turns at midnight, a paused clock catches up as it
    // resumes, and the tick slows to a minute once no clock shows seconds.
    void sharedTick()
    {
        m_clock.Set(MakeLocalTime(2026, 3, 14, 23, 59, 55));
        const auto clock = MakeClock();
        auto dateClock = MakeClock(CClockCtrl::ModeDate);
        clock->SetOffset(2 * 3600); // the tray tip reads a selected clock, hours from home
        QCOMPARE(CClockTicker::Instance().Period(), 1000);
        m_clock.Advance(10);
        clock->SetPaused(true);
        CClockTicker::Instance().TickNow();
        QCOMPARE(dateClock->GetText(), ShortDate(2026, 3, 15));
        QCOMPARE(clock->GetText(), QStringLiteral("01:59:55"));
        QCOMPARE(clock->TextAt(CurrentTime()), QStringLiteral("02:00:05"));
        clock->SetPaused(false);
        QCOMPARE(clock->GetText(), QStringLiteral("02:00:05"));
        dateClock.reset();
        clock->SetShowSeconds(false);
        QCOMPARE(CClockTicker::Instance().Period(), 60000);
    }

    void newOffsetRedrawsAtOnce()
    {
        const auto clock = MakeClock();
        QVERIFY(QTest::qWaitForWindowExposed(clock.get()));
        clock->SetOffset(0, 1, 30, 0);
        // Painted before SetOffset returned, not at the next tick or event loop pass.
        QCOMPARE(clock->GetPaintedText(), QStringLiteral("10:35:03"));
    }

    void textFitsItsPanel_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QSize>("panel");
        QTest::addColumn<QSize>("created"); // the panel's size before a resize, if any
        // The main window's date panels with the desktop's font at 96 and 144 dpi, and a time panel
        // as narrow for its height as a Japanese desktop font's lines make it.
        QTest::newRow("date, 96 dpi") << CClockCtrl::ModeDate << QSize(124, 28) << QSize();
        QTest::newRow("date, 144 dpi") << CClockCtrl::ModeDate << QSize(186, 42) << QSize();
        QTest::newRow("time, narrow") << CClockCtrl::ModeTime << QSize(90, 34) << QSize();
        // A larger window: the font as for a panel made at the new size.
        QTest::newRow("date, resized") << CClockCtrl::ModeDate << QSize(186, 42) << QSize(124, 28);
    }

    // Every locale's date, in every month, and its times show all their ink: as wide as drawn
    // without a panel. Times are written in the digits of the locale's dates.
    void textFitsItsPanel()
    {
        QFETCH(int, mode);
        QFETCH(QSize, panel);
        auto inkSpan = [](const QImage &image) {
            const QImage ink = image.createMaskFromColor(qRgb(255, 255, 255), Qt::MaskInColor);
            return QRegion(QBitmap::fromImage(ink)).boundingRect().width();
        };
        QSet<QString> seen;
        QFETCH(QSize, created);
        CClockCtrl clock(MakeColourRef(0, 0, 0), MakeColourRef(255, 255, 255));
        clock.Create(QRect(QPoint(), created.isValid() ? created : panel), nullptr, 1010);
        clock.SetMode(mode);
        const int before = clock.GetFont().pixelSize(); // the font made at the first size
        clock.resize(panel);
        if (created.isValid()) {
            CClockCtrl made(MakeColourRef(0, 0, 0), MakeColourRef(255, 255, 255));
            made.Create(QRect(QPoint(), panel), nullptr, 1010);
            made.SetMode(mode);
            QCOMPARE(clock.GetFont().pixelSize(), made.GetFont().pixelSize());
            QVERIFY(before < made.GetFont().pixelSize());
        }
        const auto locales = QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript,
                                                      QLocale::AnyTerritory);
        for (const QLocale &locale : locales) {
            QLocale::setDefault(locale);
            QStringList texts;
            if (mode == CClockCtrl::ModeDate) {
                for (int month = 1; month <= 12; ++month)
                    texts << locale.toString(QDate(2026, month, 28), QLocale::ShortFormat);
            } else {
                clock.SetMode(CClockCtrl::ModeDate);
                clock.SetMode(CClockCtrl::ModeTime);
                for (int digit = 0; digit <= 9; ++digit) {
                    // 00:00:00, 11:11:11, 22:22:22, 23:33:33, 04:44:44 ... 09:59:59
                    const int hour = digit < 3 ? digit * 11 : digit == 3 ? 23 : digit;
                    const int rest = digit < 3 ? digit * 11 : 10 * std::min(digit, 5) + digit;
                    m_clock.Set(MakeLocalTime(2026, 3, 14, hour, rest, rest));
                    clock.Refresh();
                    texts << clock.GetText();
                    const uint zero = locale.zeroDigit().toUcs4().value(0);
                    for (uint c : clock.GetText().toUcs4())
                        QVERIFY2(c == u':' || (c >= zero && c <= zero + 9),
                                 qPrintable(texts.back()));
                }
            }
            // Glyphs of a fallback font stand taller than the panel's own and lose their tops.
            const QRawFont font = QRawFont::fromFont(clock.GetFont());
            const QString all = texts.join(QString());
            if (seen.contains(all) || !std::all_of(all.begin(), all.end(), [&](QChar c) {
                    return font.supportsCharacter(c) || c.category() == QChar::Other_Format;
                }))
                continue;
            seen.insert(all);
            // The font is fitted as the mode changes.
            clock.SetMode(mode == CClockCtrl::ModeDate ? CClockCtrl::ModeTime
                                                       : CClockCtrl::ModeDate);
            clock.SetMode(mode);
            for (const QString &text : std::as_const(texts)) {
                clock.SetText(text);
                const QImage shown = clock.grab(clock.InnerRect()).toImage();
                QImage free(shown.width() * 3, shown.height() * 2, QImage::Format_RGB32);
                free.fill(Qt::white);
                QPainter painter(&free);
                painter.setFont(clock.GetFont());
                painter.drawText(shown.width(), shown.height(), text);
                painter.end();
                QVERIFY2(inkSpan(shown) == inkSpan(free), qPrintable(locale.name() + u' ' + text));
            }
        }
        QLocale::setDefault(QLocale::system());
    }

    void writesEveryCharacter_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("beforePaint");
        QTest::newRow("Japanese date") << QStringLiteral("2026/12/07(\u6708)") << false;
        QTest::newRow("Arabic-Indic time") << QStringLiteral("\u0661\u0662:\u0663\u0664") << false;
        QTest::newRow("Japanese, first") << QStringLiteral("12\u6708") << true;
    }

    // A character the clock's face lacks is drawn from another font, not as a box, whether the
    // text came before the font was made or after.
    void writesEveryCharacter()
    {
        QFETCH(QString, text);
        QFETCH(bool, beforePaint);
        CClockCtrl clock(MakeColourRef(0, 0, 0), MakeColourRef(255, 255, 255));
        clock.Create(QRect(0, 0, 124, 28), nullptr, 1010);
        clock.SetMode(CClockCtrl::ModeElapsed);
        if (!beforePaint)
            clock.grab();
        clock.SetText(text);
        clock.grab();
        QTextLayout layout(text, clock.GetFont());
        layout.beginLayout();
        layout.createLine();
        layout.endLayout();
        for (const QGlyphRun &run : layout.glyphRuns()) {
            for (const quint32 glyph : run.glyphIndexes())
                QVERIFY2(glyph != 0, qPrintable(run.rawFont().familyName()));
        }
    }

    // Whatever was shown before, the window ends up as if it had shown the last text from the
    // start.
    void changesLeaveNoTrace_data()
    {
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<COLORREF>("colour"); // given after the texts
        QTest::newRow("seconds ticking")
            << QStringList{"12:00:08", "12:00:09", "12:00:10", "12:00:11"} << Black;
        QTest::newRow("shorter") << QStringList{"12:00:00", "9:59"} << Black;
        QTest::newRow("narrower, same length") << QStringList{"WWWW:1", "iiii:1"} << Black;
        QTest::newRow("red") << QStringList{"12:00:00"} << MakeColourRef(255, 0, 0);
    }

    void changesLeaveNoTrace()
    {
        QFETCH(QStringList, texts);
        QFETCH(COLORREF, colour);
        CTextWnd w(Black, Face);
        w.Create(Geometry, nullptr, 1013);
        for (const QString &text : texts)
            w.SetText(text);
        w.SetTextColour(colour);
        CTextWnd fresh(colour, Face);
        fresh.Create(Geometry, nullptr, 1013);
        fresh.SetText(texts.last());
        QCOMPARE(Shot(w), Shot(fresh));
    }

    void paintsOnlyWhatShows_data()
    {
        QTest::addColumn<int>("state"); // 0 shown, 1 minimised, 2 hidden
        QTest::newRow("one digit changes") << 0;
        QTest::newRow("minimised") << 1;
        QTest::newRow("hidden") << 2;
    }

    // A tick repaints only the digit that changed, and nothing while the window does not show;
    // its clocks then need no seconds.
    void paintsOnlyWhatShows()
    {
        QFETCH(int, state);
        QWidget top;
        CClockCtrl w(Black, Face);
        w.Create(Geometry, &top, 1013);
        top.show();
        QVERIFY(QTest::qWaitForWindowExposed(&top));
        if (state == 1)
            top.showMinimized();
        else if (state == 2)
            top.hide();
        QCOMPARE(CClockTicker::Instance().Period(), state == 0 ? 1000 : 60000);
        w.SetText(QStringLiteral("12:00:00"));
        QList<QRect> painted;
        CPanelWnd::SetPaintHook([&](const CPanelWnd *, const QRect &r) { painted << r; });
        w.SetText(QStringLiteral("12:00:01"));
        CPanelWnd::SetPaintHook(nullptr);
        QCOMPARE(painted.size(), state == 0 ? 1 : 0);
        const QFontMetrics metrics(w.GetFont());
        if (state == 0) {
            QVERIFY(w.InnerRect().contains(painted[0]));
            QVERIFY(painted[0].width() < metrics.horizontalAdvance(QStringLiteral("00")));
        }
    }

private:
    FixedTimeSource m_clock;
    ScopedTimeSource m_scope{&m_clock};
};

QTEST_MAIN(TestClock)
#include "tst_clock.moc"
