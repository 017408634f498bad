// SPDX-License-Identifier: MIT

#include "app/aboutdialog.h"
#include "app/converttimedialog.h"
#include "app/language.h"
#include "app/maindialog.h"
#include "app/popupmenus.h"
#include "clock/clockctrl.h"
#include "countries/countrytree.h"
#include "countries/findcountrypage.h"
#include "countries/placesearch.h"
#include "home/sethomesheet.h"
#include "map/mapcolourwaitdialog.h"
#include "tests/app/mainwindowrun.h"
#include "zones/places.h"
#include "zones/timeformat.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCollator>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QTabBar>
#include <QTest>
#include <QTranslator>
#include <QTreeWidget>

#include <clocale>
#include <memory>

namespace {

constexpr int NewSouthWales = 17;
constexpr int Germany = 121;

// The program speaks language: Qt's and Orbiclock's translations, the locale's formats, and
// iso-codes' names (glibc reads LANGUAGE again once setlocale has run).
void UseLanguage(const QString &language)
{
    for (QTranslator *t : qApp->findChildren<QTranslator *>()) {
        QCoreApplication::removeTranslator(t);
        delete t;
    }
    QGuiApplication::setLayoutDirection(Qt::LeftToRight);
    const QLocale locale(language == u"pseudo" ? QStringLiteral("C") : language);
    QLocale::setDefault(locale);
    qputenv("LANGUAGE", language == u"pseudo" ? QByteArray() : language.toLatin1());
    std::setlocale(LC_ALL, "");
    InstallTranslations(*qApp, locale);
#ifdef ORBICLOCK_PSEUDO_QM
    if (language == u"pseudo") {
        auto *pseudo = new QTranslator(qApp);
        QVERIFY(pseudo->load(QStringLiteral(ORBICLOCK_PSEUDO_QM)));
        QCoreApplication::installTranslator(pseudo);
    }
#endif
}

// What a person reads that Orbiclock wrote: titles, labels, buttons, frames, tabs, headers and
// menu items. Places, times and Qt's own standard buttons are data, not checked here.
QStringList OwnTexts(QWidget *top)
{
    static const QStringList dataLabels{"offsetLabel", "aboutVersion", "aboutName", "aboutHomePage",
                                        "currentHomeName"};
    QStringList texts{top->windowTitle()};
    QList<QWidget *> widgets = top->findChildren<QWidget *>();
    widgets.prepend(top);
    for (QWidget *w : widgets) {
        if (!w->isVisibleTo(top) && w != top)
            continue;
        if (auto *label = qobject_cast<QLabel *>(w); label && !dataLabels.contains(w->objectName()))
            texts << label->text();
        if (auto *b = qobject_cast<QAbstractButton *>(w)) {
            auto *box = qobject_cast<QDialogButtonBox *>(w->parentWidget());
            if (!box || box->standardButton(b) == QDialogButtonBox::NoButton)
                texts << b->text();
        }
        if (auto *group = qobject_cast<QGroupBox *>(w))
            texts << group->title();
        if (auto *tabs = qobject_cast<QTabBar *>(w))
            for (int i = 0; i < tabs->count(); ++i)
                texts << tabs->tabText(i);
        if (auto *tree = qobject_cast<QTreeWidget *>(w); tree && !tree->isHeaderHidden())
            for (int i = 0; i < tree->columnCount(); ++i)
                texts << tree->headerItem()->text(i);
    }
    texts.removeAll(QString());
    texts.removeAll(QStringLiteral("Orbiclock"));
    return texts;
}

QStringList MenuTexts(const QMenu *menu)
{
    QStringList texts;
    for (const QAction *action : menu->actions()) {
        if (action->isSeparator())
            continue;
        texts << action->text();
        if (action->menu())
            texts << MenuTexts(action->menu());
    }
    return texts;
}

// The visible controls whose text does not fit the room they have.
QStringList Clipped(QWidget *top)
{
    QStringList clipped;
    for (QWidget *w : top->findChildren<QWidget *>()) {
        if (!w->isVisibleTo(top) || w->width() <= 0)
            continue;
        const QString name = w->objectName() + u' ' + w->metaObject()->className();
        if (auto *label = qobject_cast<QLabel *>(w)) {
            if (label->wordWrap() ? label->heightForWidth(label->width()) > label->height()
                                  : label->sizeHint().width() > label->width())
                clipped << name + QStringLiteral(": ") + label->text();
        } else if (qobject_cast<QAbstractButton *>(w) || qobject_cast<QComboBox *>(w) ||
                   qobject_cast<QGroupBox *>(w)) {
            const QSize need = qobject_cast<QGroupBox *>(w) ? w->minimumSizeHint() : w->sizeHint();
            if (need.width() > w->width())
                clipped << name + QStringLiteral(": %1 > %2").arg(need.width()).arg(w->width());
        }
    }
    return clipped;
}

// A clock is whole when the ink of its text lies inside it.
bool ClockWhole(CClockCtrl *clock)
{
    const QRect ink = QFontMetrics(clock->GetFont()).boundingRect(clock->GetText());
    return !clock->GetText().isEmpty() && ink.width() <= clock->width() &&
           ink.height() <= clock->height() + 2;
}

} // namespace

class TestLanguage : public QObject
{
    Q_OBJECT

private slots:
    // Under German, Qt's own and Orbiclock's texts, iso-codes' and CLDR's names are German; Find
    // matches them and the English ones; the tree sorts as German does.
    void german_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("found");
        QTest::newRow("own name") << "deutschland"
                                  << "Deutschland";
        QTest::newRow("words") << "vereinigte staaten"
                               << "Vereinigte Staaten";
        QTest::newRow("English") << "germany"
                                 << "Deutschland";
        QTest::newRow("umlaut") << "osterreich"
                                << "Österreich";
        QTest::newRow("city") << "kiew"
                              << "Kiew (Kyiv), Kyiv City, Ukraine";
    }

    void german()
    {
        QFETCH(QString, typed);
        QFETCH(QString, found);
        UseLanguage(QStringLiteral("de"));
        const SearchResults results = SearchPlaces(typed, true);
        QVERIFY(results.best >= 0);
        QCOMPARE(HitLabel(results.hits[std::size_t(results.best)], true), found);
        QCOMPARE(PlaceDisplayName(NewSouthWales, true), "New South Wales, Australien");
        QCOMPARE(CMainDialog::tr("&Hide"), "&Ausblenden");
        if (QFile::exists(QtTranslationsPath() + QStringLiteral("/qtbase_de.qm")))
            QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), "Abbrechen");

        CCountryTree tree;
        tree.SetUseDatabase(true);
        tree.FillTree(CCountryTree::NoFilter, Germany);
        const QList<QTreeWidgetItem *> europe =
            tree.findItems(QStringLiteral("Europa"), Qt::MatchExactly);
        QCOMPARE(europe.size(), 1);
        QCollator german{QLocale(QLocale::German)};
        for (int i = 1; i < europe.front()->childCount(); ++i)
            QVERIFY2(german.compare(europe.front()->child(i - 1)->text(0),
                                    europe.front()->child(i)->text(0)) <= 0,
                     qPrintable(europe.front()->child(i)->text(0)));
    }

    // Every window, sheet and menu, in the pseudo-translation (every text bracketed and 40 %
    // longer) and in each shipped language and Arabic, at the desktop's font and at 144 dpi:
    // no text is left unmarked, none is cut, and the clocks stay whole in 12-hour form.
    void everyWindow_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<qreal>("scale");
        for (const char *language : {"pseudo", "de_DE", "fr_FR", "es_ES", "ja_JP", "ar_EG"})
            for (const qreal scale : {1.0, 1.5})
                QTest::addRow("%s, %d dpi", language, int(96 * scale))
                    << QString::fromLatin1(language) << scale;
    }

    void everyWindow()
    {
        QFETCH(QString, language);
        QFETCH(qreal, scale);
        const bool pseudo = language == u"pseudo";
#ifndef ORBICLOCK_PSEUDO_QM
        if (pseudo)
            QSKIP("no pseudo-translation: lupdate or python3 missing at build time");
#endif
        UseLanguage(language);
        const QFont font = QApplication::font();
        QFont larger = font;
        larger.setPointSizeF(font.pointSizeF() * scale);
        QApplication::setFont(larger);
        SetUses24HourClock(language.startsWith(u"de") || language.startsWith(u"fr"));
        const auto restore = qScopeGuard([font] {
            QApplication::setFont(font);
            SetUses24HourClock(true);
        });
        const QString shots = qEnvironmentVariable("ORBICLOCK_SCREENSHOT_DIR");
        const auto check = [&](QWidget *top, QStringList texts = {}) {
            QCoreApplication::processEvents(); // layouts follow their texts
            if (!shots.isEmpty())
                top->grab().save(QDir(shots).filePath(QStringLiteral("%1-%2-%3.png")
                                                          .arg(language)
                                                          .arg(int(96 * scale))
                                                          .arg(top->objectName())));
            texts << OwnTexts(top);
            if (pseudo)
                for (const QString &text : std::as_const(texts))
                    QVERIFY2(text.startsWith(u'['),
                             qPrintable(top->objectName() + QStringLiteral(": ") + text));
            const QStringList clipped = Clipped(top);
            QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join(u'\n')));
        };

        CMainDialog dialog;
        dialog.SetSetHomeRun([](QWidget *, SetHomeValues &) { return false; });
        RunWith(dialog, [&] {
            GeneralSettings settings;
            settings.currentSelection = NewSouthWales;
            settings.homeCountry = Germany;
            dialog.SetGeneralSettings(settings);
            dialog.SetClock24Hour(Uses24HourClock());
            QCoreApplication::processEvents();
            check(&dialog, MenuTexts(dialog.SystemMenu()) + MenuTexts(dialog.TrayMenu()));
            for (CClockCtrl *clock : {dialog.HomeTimeClock(), dialog.HomeDateClock(),
                                      dialog.SelectedTimeClock(), dialog.SelectedDateClock()})
                QVERIFY2(ClockWhole(clock), qPrintable(clock->GetText()));
        });
        for (const bool timeClock : {true, false}) {
            const std::unique_ptr<QMenu> menu(CreateClockMenu(timeClock));
            check(menu.get(), MenuTexts(menu.get()));
        }
        const std::unique_ptr<QMenu> mapMenu(CreateMapMenu());
        check(mapMenu.get(), MenuTexts(mapMenu.get()));

        CSetHomeSheet home;
        SetHomeValues values;
        values.homeIndex = Germany;
        home.SetValues(values);
        home.show();
        for (int page = 0; page < home.GetPageCount(); ++page) {
            home.SetActivePage(page);
            home.setObjectName(QStringLiteral("setHome%1").arg(page));
            check(&home);
        }
        CPropertySheet find(CMainDialog::tr("Find Country/Region"));
        find.setObjectName(QStringLiteral("find"));
        find.AddPage(new CFindCountryPage(true));
        find.show();
        check(&find);
        CConvertTimeDialog convert;
        convert.SetInputs({.homeIndex = Germany,
                           .selectedIndex = NewSouthWales,
                           .ownDates = {},
                           .useDatabase = true});
        convert.show();
        check(&convert);
        CAboutDialog about(true);
        about.show();
        check(&about);
        CMapColourWaitDialog wait;
        wait.Create();
        wait.show();
        check(&wait);
    }
};

QTEST_MAIN(TestLanguage)
#include "tst_language.moc"
