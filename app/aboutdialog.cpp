// SPDX-License-Identifier: MIT

#include "app/aboutdialog.h"

#include "res/resources.h"
#include "zones/citytable.h"
#include "zones/places.h"
#include "zones/zonedatabase.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFile>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QStyle>
#include <QVBoxLayout>

#ifndef ORBICLOCK_VERSION
#define ORBICLOCK_VERSION "1.0.0"
#endif
#ifndef ORBICLOCK_HOMEPAGE
#define ORBICLOCK_HOMEPAGE "https://github.com/brambleway/orbiclock"
#endif

namespace {

QLabel *IconLabel(const QString &name, QWidget *parent)
{
    auto *label = new QLabel(parent);
    label->setObjectName(name);
    label->setAccessibleName(QCoreApplication::translate("CAboutDialog", "Orbiclock icon"));
    QIcon icon = AppIcon();
    if (icon.availableSizes().isEmpty())
        icon = QApplication::style()->standardIcon(QStyle::SP_ComputerIcon);
    label->setPixmap(icon.pixmap(48, 48));
    label->setAlignment(Qt::AlignTop | Qt::AlignHCenter);
    return label;
}

} // namespace

QString CAboutDialog::VersionText()
{
    return tr("Version %1").arg(QStringLiteral(ORBICLOCK_VERSION));
}

QString CAboutDialog::DatabaseVersion()
{
    QString dir = qEnvironmentVariable("TZDIR");
    if (dir.isEmpty())
        dir = QStringLiteral("/usr/share/zoneinfo");
    QFile file(dir + QStringLiteral("/tzdata.zi"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QString first = QString::fromLatin1(file.readLine(64)).trimmed();
    static const QRegularExpression version(QStringLiteral("^# version ([0-9]{4}[a-z]+)$"));
    const QRegularExpressionMatch m = version.match(first);
    return m.hasMatch() ? m.captured(1) : QString();
}

QString CAboutDialog::CreditsText(bool useDatabase)
{
    // Without the database the clocks follow the table whatever the choice.
    QString rules;
    if (!useDatabase || IsZoneDatabaseMissing()) {
        rules = tr("Orbiclock's own table of 345 countries, regions and parts of countries, with "
                   "the rules of the mid-1990s.");
    } else {
        const QString version = DatabaseVersion();
        rules = version.isEmpty()
                    ? tr("this computer's time-zone database (the IANA tz database), public "
                         "domain; each place of Orbiclock's table is tied to a zone of it.")
                    : tr("this computer's time-zone database (the IANA tz database, version %1), "
                         "public domain; each place of Orbiclock's table is tied to a zone of it.")
                          .arg(version);
    }
    const std::string_view isoCodes = IsoCodesVersion();
    return tr("Land and sea: Natural Earth 1:50m and 1:10m land, public domain "
              "(naturalearthdata.com).\n"
              "Time zones of the land: timezone-boundary-builder, Open Database License 1.0, "
              "© OpenStreetMap contributors.\n"
              "Cities of at least 15,000 people, their names, regions and time zones: GeoNames "
              "(geonames.org), Creative Commons Attribution 4.0.\n"
              "Offsets and daylight-saving rules: %1\n"
              "Today's names of countries and their parts: iso-codes %2 (Debian), "
              "LGPL 2.1 or later.")
               .arg(rules,
                    QString::fromLatin1(isoCodes.data(), static_cast<qsizetype>(isoCodes.size()))) +
           u'\n' +
           tr("City names in your language: Unicode CLDR %1 (the time zones' exemplar cities), "
              "Unicode License v3.")
               .arg(Cities::CldrVersion());
}

CAboutDialog::CAboutDialog(bool useDatabase, QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("aboutDialog"));
    setAccessibleName(tr("About Orbiclock"));
    setWindowTitle(tr("About Orbiclock"));

    auto *name = new QLabel(QStringLiteral("<b>Orbiclock</b>"), this);
    name->setObjectName(QStringLiteral("aboutName"));
    name->setAccessibleName(tr("Program name"));
    auto *version = new QLabel(VersionText(), this);
    version->setObjectName(QStringLiteral("aboutVersion"));
    version->setAccessibleName(tr("Version"));
    auto *credits = new QLabel(CreditsText(useDatabase), this);
    credits->setObjectName(QStringLiteral("aboutCredits"));
    credits->setAccessibleName(tr("Data credits"));
    credits->setWordWrap(true);
    auto *licence = new QLabel(tr("Copyright \u00a9 2026 Brambleway. Orbiclock is free software "
                                  "under the MIT licence; the data above keeps its own."),
                               this);
    licence->setObjectName(QStringLiteral("aboutLicence"));
    licence->setAccessibleName(tr("Licence"));
    licence->setWordWrap(true);
    const QString homePage = QStringLiteral(ORBICLOCK_HOMEPAGE);
    auto *home =
        new QLabel(QStringLiteral("<a href=\"%1\">%1</a>").arg(homePage.toHtmlEscaped()), this);
    home->setObjectName(QStringLiteral("aboutHomePage"));
    home->setAccessibleName(tr("Home page"));
    home->setTextFormat(Qt::RichText);
    home->setTextInteractionFlags(Qt::TextBrowserInteraction);
    home->setOpenExternalLinks(true);
    QLabel *missing = nullptr;
    if (IsZoneDatabaseMissing()) {
        missing = new QLabel(
            tr("%1 (install the tzdata package for today's rules).").arg(ZoneDatabaseMissingText()),
            this);
        missing->setObjectName(QStringLiteral("aboutNoZoneDatabase"));
        missing->setAccessibleName(tr("No time-zone database"));
        missing->setWordWrap(true);
    }

    auto *texts = new QVBoxLayout;
    texts->addWidget(name);
    texts->addWidget(version);
    texts->addSpacing(8);
    texts->addWidget(credits);
    if (missing)
        texts->addWidget(missing);
    texts->addSpacing(8);
    texts->addWidget(licence);
    texts->addWidget(home);
    texts->addStretch();

    auto *row = new QHBoxLayout;
    row->addWidget(IconLabel(QStringLiteral("aboutIconLeft"), this));
    row->addLayout(texts, 1);
    row->addWidget(IconLabel(QStringLiteral("aboutIconRight"), this));

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    buttons->setObjectName(QStringLiteral("aboutButtons"));
    buttons->setAccessibleName(tr("About buttons"));
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("aboutOk"));
    buttons->button(QDialogButtonBox::Ok)->setAccessibleName(tr("OK"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    QPushButton *aboutQt = buttons->addButton(tr("About &Qt"), QDialogButtonBox::ActionRole);
    aboutQt->setObjectName(QStringLiteral("aboutQt"));
    aboutQt->setAccessibleName(tr("About Qt"));
    connect(aboutQt, &QPushButton::clicked, this, [this] { QMessageBox::aboutQt(this); });

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(buttons);
    setMinimumWidth(380);
    // As tall as the credits need once wrapped, in any language.
    layout->setSizeConstraint(QLayout::SetFixedSize);
}
