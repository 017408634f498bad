#include "clock/textwnd.h"

#include <QApplication>
#include <QTest>

namespace {

constexpr COLORREF Black = MakeColourRef(0, 0, 0);
constexpr COLORREF Face = MakeColourRef(0xd4, 0xd0, 0xc8);
const QRect Geometry(0, 0, 120, 34);

class CountingTextWnd final : public CTextWnd
{
public:
    explicit CountingTextWnd(COLORREF crText = Black, COLORREF crBack = Face)
        : CTextWnd(crText, crBack)
    {
        Create(Geometry, nullptr, 1013);
    }
    int erases = 0;
    int paints = 0;

protected:
    void EraseBackground(QPainter &painter) override
    {
        ++erases;
        CTextWnd::EraseBackground(painter);
    }
    void PaintInside(QPainter &painter) override
    {
        ++paints;
        CTextWnd::PaintInside(painter);
    }
};

QImage Shot(QWidget &w)
{
    return w.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// What a window that shows text from the start looks like.
QImage FreshShot(const QString &text, COLORREF crText = Black)
{
    CountingTextWnd w(crText);
    w.SetText(text);
    return Shot(w);
}

} // namespace

class TestTextWnd final : public QObject
{
    Q_OBJECT

private slots:
    void paintsOnlyWhatChanged_data();
    void paintsOnlyWhatChanged();
    void changesLeaveNoTrace_data();
    void changesLeaveNoTrace();
    void textColourChange();
    void tailWiderThanWindowIsCutAtLeft();
};

void TestTextWnd::paintsOnlyWhatChanged_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("after");
    QTest::addColumn<int>("paints");
    QTest::addColumn<int>("erases");
    QTest::newRow("equal") << "12:00:00"
                           << "12:00:00" << 0 << 0;
    QTest::newRow("last digit") << "12:00:00"
                                << "12:00:01" << 1 << 0;
    QTest::newRow("longer") << "9:59:59"
                            << "10:00:00" << 1 << 0;
    QTest::newRow("shorter") << "10:00:00"
                             << "10:00" << 1 << 1;
    QTest::newRow("emptied") << "10:00"
                             << "" << 1 << 1;
}

void TestTextWnd::paintsOnlyWhatChanged()
{
    QFETCH(QString, before);
    QFETCH(QString, after);
    QFETCH(int, paints);
    QFETCH(int, erases);
    CountingTextWnd w;
    w.SetText(before);
    w.paints = w.erases = 0;
    w.SetText(after);
    // Painted before SetText returned.
    QCOMPARE(w.paints, paints);
    QCOMPARE(w.erases, erases);
    QCOMPARE(w.GetPaintedText(), after);
}

// Whatever was shown before, the window ends up as if it had shown the last text from the start.
void TestTextWnd::changesLeaveNoTrace_data()
{
    QTest::addColumn<QStringList>("texts");
    QStringList ticks;
    for (int s = 0; s < 12; ++s)
        ticks << QStringLiteral("12:00:%1").arg(s, 2, 10, QLatin1Char('0'));
    QTest::newRow("seconds ticking") << ticks;
    QTest::newRow("all digits change") << QStringList{"19:59:59", "20:00:00"};
    QTest::newRow("shorter") << QStringList{"12:00:00", "9:59"};
    QTest::newRow("narrower, same length") << QStringList{"WWWW:1", "iiii:1"};
    QTest::newRow("wider, same length") << QStringList{"iiii:1", "WWWW:2"};
}

void TestTextWnd::changesLeaveNoTrace()
{
    QFETCH(QStringList, texts);
    CountingTextWnd w;
    for (const QString &text : texts)
        w.SetText(text);
    QCOMPARE(Shot(w), FreshShot(texts.last()));
}

void TestTextWnd::textColourChange()
{
    CountingTextWnd w;
    w.SetText(QStringLiteral("12:00:00"));
    w.SetTextColour(MakeColourRef(255, 0, 0));
    QCOMPARE(Shot(w), FreshShot(QStringLiteral("12:00:00"), MakeColourRef(255, 0, 0)));
}

void TestTextWnd::tailWiderThanWindowIsCutAtLeft()
{
    CountingTextWnd w;
    const QFontMetrics metrics(w.GetFont());
    const int h = metrics.descent() / 2;
    QVERIFY(h > 0);
    const QString wide(24, QLatin1Char('8'));
    QVERIFY(metrics.horizontalAdvance(wide) > Geometry.width());
    w.SetText(wide);
    w.SetText(QString(24, QLatin1Char('0')));

    const QImage image = Shot(w);
    const QRgb back = ToRgb(Face);
    auto columnIsBackground = [&](int x) {
        for (int y = 2; y < image.height() - 2; ++y) {
            if (image.pixel(x, y) != back)
                return false;
        }
        return true;
    };
    // The strip between the frame and the cut is left alone; the text starts right after it.
    for (int x = 2; x < 2 + h; ++x)
        QVERIFY2(columnIsBackground(x), qPrintable(QString::number(x)));
    bool inked = false;
    for (int x = 2 + h; x < 2 + h + metrics.horizontalAdvance(QLatin1Char('0')); ++x)
        inked = inked || !columnIsBackground(x);
    QVERIFY(inked);
}

QTEST_MAIN(TestTextWnd)
#include "tst_textwnd.moc"
