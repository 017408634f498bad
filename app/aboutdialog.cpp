#include "app/aboutdialog.h"

#include "res/resources.h"
#include "zones/places.h"
#include "zones/zonedatabase.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

#ifndef ORBICLOCK_VERSION
#define ORBICLOCK_VERSION "1.0.0"
#endif

namespace {

QLabel *IconLabel(const QString &name, QWidget *parent)
{
    auto *label = new QLabel(parent);
    label->setObjectName(name);
    label->setAccessibleName(QStringLiteral("Orbiclock icon"));
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
    return QStringLiteral("Version %1").arg(QStringLiteral(ORBICLOCK_VERSION));
}

QString CAboutDialog::CreditsText()
{
    const std::string_view isoCodes = IsoCodesVersion();
    return QStringLiteral(
               "Land and sea: Natural Earth 1:50m land, public domain (naturalearthdata.com).\n"
               "Time zones of the land: timezone-boundary-builder, Open Database License 1.0, "
               "\u00a9 OpenStreetMap contributors.\n"
               "Cities of at least 15,000 people, their names, regions and time zones: GeoNames "
               "(geonames.org), Creative Commons Attribution 4.0.\n"
               "Offsets and daylight-saving rules: Orbiclock's own table of 345 countries, regions "
               "and parts of countries.\n"
               "Today's names of countries and their parts: iso-codes %1 (Debian), "
               "LGPL 2.1 or later.")
        .arg(QString::fromLatin1(isoCodes.data(), static_cast<qsizetype>(isoCodes.size())));
}

CAboutDialog::CAboutDialog(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("aboutDialog"));
    setAccessibleName(QStringLiteral("About Orbiclock"));
    setWindowTitle(QStringLiteral("About Orbiclock"));

    auto *name = new QLabel(QStringLiteral("<b>Orbiclock</b>"), this);
    name->setObjectName(QStringLiteral("aboutName"));
    name->setAccessibleName(QStringLiteral("Program name"));
    auto *version = new QLabel(VersionText(), this);
    version->setObjectName(QStringLiteral("aboutVersion"));
    version->setAccessibleName(QStringLiteral("Version"));
    auto *credits = new QLabel(CreditsText(), this);
    credits->setObjectName(QStringLiteral("aboutCredits"));
    credits->setAccessibleName(QStringLiteral("Data credits"));
    credits->setWordWrap(true);
    QLabel *missing = nullptr;
    if (IsZoneDatabaseMissing()) {
        missing = new QLabel(ZoneDatabaseMissingText() +
                                 QStringLiteral(" (install the tzdata package for today's rules)."),
                             this);
        missing->setObjectName(QStringLiteral("aboutNoZoneDatabase"));
        missing->setAccessibleName(QStringLiteral("No time-zone database"));
        missing->setWordWrap(true);
    }

    auto *texts = new QVBoxLayout;
    texts->addWidget(name);
    texts->addWidget(version);
    texts->addSpacing(8);
    texts->addWidget(credits);
    if (missing)
        texts->addWidget(missing);
    texts->addStretch();

    auto *row = new QHBoxLayout;
    row->addWidget(IconLabel(QStringLiteral("aboutIconLeft"), this));
    row->addLayout(texts, 1);
    row->addWidget(IconLabel(QStringLiteral("aboutIconRight"), this));

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    buttons->setObjectName(QStringLiteral("aboutButtons"));
    buttons->setAccessibleName(QStringLiteral("About buttons"));
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("aboutOk"));
    buttons->button(QDialogButtonBox::Ok)->setAccessibleName(QStringLiteral("OK"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(buttons);
    setMinimumWidth(380);
}
