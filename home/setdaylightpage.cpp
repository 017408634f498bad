// SPDX-License-Identifier: MIT

#include "home/setdaylightpage.h"

#include "home/dialogunits.h"
#include "home/zonerecord.h"
#include "zones/countrytable.h"
#include "zones/timeformat.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDateTime>
#include <QEvent>
#include <QFontMetrics>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLocale>
#include <QRadioButton>
#include <QStyle>

#include <algorithm>
#include <initializer_list>
#include <vector>

namespace {

constexpr int PageWidth = 246;
constexpr int PageHeight = 142;

// Option radios: top edge and height in dialog units, 84 units wide at x 15. Each ends just
// above the next one (or the separating line), leaving room for three lines of text.
constexpr std::array<std::array<int, 2>, 4> OptionRadioRows{
    {{18, 26}, {45, 25}, {71, 21}, {96, 26}}};

// Breaks text into lines no wider than width, at blanks; a single word wider than the width
// keeps its own line. Radio buttons draw their label on one line unless it holds line breaks.
QString WrapText(const QString &text, const QFontMetrics &metrics, int width)
{
    // Words wider than a line (Japanese writes none of its blanks) break between characters.
    struct Piece
    {
        QString text;
        bool blankBefore;
    };
    std::vector<Piece> pieces;
    for (const QString &word : text.split(u' ', Qt::SkipEmptyParts)) {
        if (metrics.horizontalAdvance(word) <= width) {
            pieces.push_back({word, true});
            continue;
        }
        bool first = true;
        for (const QChar c : word) {
            pieces.push_back({QString(c), first});
            first = false;
        }
    }
    QStringList lines;
    QString line;
    for (const Piece &piece : pieces) {
        const QString candidate =
            line.isEmpty()
                ? piece.text
                : line + (piece.blankBefore ? QStringLiteral(" ") : QString()) + piece.text;
        if (!line.isEmpty() && metrics.horizontalAdvance(candidate) > width) {
            lines << line;
            line = piece.text;
        } else {
            line = candidate;
        }
    }
    if (!line.isEmpty())
        lines << line;
    return lines.join(u'\n');
}

int ClampPosition(int value, int count)
{
    return value >= 0 && value < count ? value : -1;
}

void CheckOnly(QButtonGroup *group, int id)
{
    // An exclusive group refuses to uncheck its last checked button; lift that for "none".
    group->setExclusive(false);
    const auto buttons = group->buttons();
    for (QAbstractButton *button : buttons)
        button->setChecked(group->id(button) == id);
    group->setExclusive(true);
}

} // namespace

CSetDaylightPage::CSetDaylightPage(QWidget *parent) : CPropertyPage(tr("Daylight Saving"), parent)
{
    setObjectName(QStringLiteral("setDaylightPage"));
    CreateControls();
    LayOutControls();
    EnableOptionRadios();
    EnableDateControls();
    TransferToControls();
}

CSetDaylightPage::~CSetDaylightPage() = default;

QStringList CSetDaylightPage::WeekTexts()
{
    return {tr("1st", "week of the month"), tr("2nd", "week of the month"),
            tr("3rd", "week of the month"), tr("4th", "week of the month"),
            tr("last", "week of the month")};
}

QStringList CSetDaylightPage::DayTexts()
{
    // Sunday first, as the stored day numbers count.
    QStringList texts;
    const QLocale locale;
    for (int day : {7, 1, 2, 3, 4, 5, 6})
        texts.append(locale.standaloneDayName(day, QLocale::ShortFormat));
    return texts;
}

QStringList CSetDaylightPage::MonthTexts()
{
    QStringList texts;
    const QLocale locale;
    for (int month = 1; month <= 12; ++month)
        texts.append(locale.standaloneMonthName(month, QLocale::ShortFormat));
    return texts;
}

void CSetDaylightPage::CreateControls()
{
    m_pAdjustmentBox = new QGroupBox(tr("Adjustment"), this);
    m_pAdjustmentBox->setObjectName(QStringLiteral("adjustmentBox"));
    m_pAdjustmentBox->setAccessibleName(tr("Adjustment"));

    m_pDatesBox = new QGroupBox(tr("Dates"), this);
    m_pDatesBox->setObjectName(QStringLiteral("datesBox"));
    m_pDatesBox->setAccessibleName(tr("Dates"));

    m_pBeginBox = new QGroupBox(tr("Begin daylight saving"), this);
    m_pBeginBox->setObjectName(QStringLiteral("beginBox"));
    m_pBeginBox->setAccessibleName(tr("Begin daylight saving"));

    m_pEndBox = new QGroupBox(tr("End daylight saving"), this);
    m_pEndBox->setObjectName(QStringLiteral("endBox"));
    m_pEndBox->setAccessibleName(tr("End daylight saving"));

    // Controls are siblings of their group boxes, created after them so they lie on top.
    static const std::array<const char *, 4> optionNames{
        "optionAutoRadio", "optionByHandRadio", "optionNotAdjustedRadio", "optionNoneRadio"};
    const std::array<QString, 4> optionTexts{
        tr("Have Orbiclock make adjustments automatically for me "),
        tr("I will make adjustments myself by hand"),
        tr("Don't adjust my clock for daylight saving"),
        tr("There's no daylight saving in this country/region")};
    m_pOptionGroup = new QButtonGroup(this);
    for (int i = 0; i < 4; ++i) {
        auto *radio = new QRadioButton(this);
        radio->setObjectName(QString::fromLatin1(optionNames[i]));
        radio->setAccessibleName(optionTexts[i].trimmed());
        radio->setProperty("plainText", optionTexts[i]);
        m_pOptionGroup->addButton(radio, i);
        m_optionRadios[i] = radio;
    }

    m_pOptionLine = new QFrame(this);
    m_pOptionLine->setObjectName(QStringLiteral("optionLine"));
    m_pOptionLine->setAccessibleName(tr("Separator"));
    m_pOptionLine->setFrameShape(QFrame::HLine);
    m_pOptionLine->setFrameShadow(QFrame::Sunken);

    const std::array<QString, 2> datesTexts{tr("Use Orbiclock's default dates"),
                                            tr("Use the following dates")};
    static const std::array<const char *, 2> datesNames{"defaultDatesRadio", "ownDatesRadio"};
    m_pDatesGroup = new QButtonGroup(this);
    for (int i = 0; i < 2; ++i) {
        auto *radio = new QRadioButton(datesTexts[i], this);
        radio->setProperty("plainText", datesTexts[i]);
        radio->setObjectName(QString::fromLatin1(datesNames[i]));
        radio->setAccessibleName(datesTexts[i]);
        m_pDatesGroup->addButton(radio, i);
        m_datesRadios[i] = radio;
    }

    struct ComboSpec
    {
        const char *name;
        QString accessible;
        QStringList texts;
    };
    const std::array<ComboSpec, 6> combos{{
        {"startWeekCombo", tr("Begin daylight saving: week"), WeekTexts()},
        {"startMonthCombo", tr("Begin daylight saving: month"), MonthTexts()},
        {"startDayCombo", tr("Begin daylight saving: day"), DayTexts()},
        {"endWeekCombo", tr("End daylight saving: week"), WeekTexts()},
        {"endMonthCombo", tr("End daylight saving: month"), MonthTexts()},
        {"endDayCombo", tr("End daylight saving: day"), DayTexts()},
    }};
    for (int i = 0; i < 6; ++i) {
        auto *combo = new QComboBox(this);
        combo->setObjectName(QString::fromLatin1(combos[i].name));
        combo->setAccessibleName(combos[i].accessible);
        combo->addItems(combos[i].texts);
        combo->setMaxVisibleItems(12);
        m_combos[i] = combo;
        connect(combo, &QComboBox::currentIndexChanged, this, &CSetDaylightPage::OnComboChanged);
    }

    m_pBeginInLabel = new QLabel(tr("in", "the last Sunday in March"), this);
    m_pBeginInLabel->setObjectName(QStringLiteral("beginInLabel"));
    m_pBeginInLabel->setAccessibleName(tr("in", "the last Sunday in March"));
    m_pEndInLabel = new QLabel(tr("in", "the last Sunday in March"), this);
    m_pEndInLabel->setObjectName(QStringLiteral("endInLabel"));
    m_pEndInLabel->setAccessibleName(tr("in", "the last Sunday in March"));

    m_pDatabaseBox =
        new QCheckBox(tr("&Use this computer's time-zone database (current rules)"), this);
    m_pDatabaseBox->setObjectName(QStringLiteral("timeZoneDatabaseBox"));
    m_pDatabaseBox->setAccessibleName(tr("Use this computer's time-zone database (current rules)"));

    // Tab order follows the page from top left to bottom right, as the template lists them.
    QWidget *previous = m_optionRadios[0];
    for (QWidget *next : std::initializer_list<QWidget *>{
             m_optionRadios[1], m_optionRadios[2], m_optionRadios[3], m_datesRadios[0],
             m_datesRadios[1], m_combos[0], m_combos[2], m_combos[1], m_combos[3], m_combos[5],
             m_combos[4], m_pDatabaseBox}) {
        setTabOrder(previous, next);
        previous = next;
    }

    connect(m_pOptionGroup, &QButtonGroup::idClicked, this, &CSetDaylightPage::OnRadioClicked);
    connect(m_pDatesGroup, &QButtonGroup::idClicked, this, &CSetDaylightPage::OnRadioClicked);
    connect(m_pDatabaseBox, &QCheckBox::clicked, this, &CSetDaylightPage::OnDatabaseToggled);
}

void CSetDaylightPage::LayOutControls()
{
    const DialogUnits du(font());
    m_pBeginBox->setGeometry(du.Rect(113, 58, 120, 29));
    m_pEndBox->setGeometry(du.Rect(113, 89, 120, 29));

    // The option labels wrap to the template's width. A font wider than the one the layout was
    // drawn for needs more lines: the radios then move down instead of being cut off, and both
    // group boxes and the page grow by the same amount.
    const QFontMetrics metrics(m_optionRadios[0]->font());
    m_optionRadios[0]->setText(QStringLiteral("x"));
    const int labelMargin =
        m_optionRadios[0]->sizeHint().width() - metrics.horizontalAdvance(QStringLiteral("x"));
    const int gap = du.Y(1);
    int nextFree = 0;
    for (int i = 0; i < 4; ++i) {
        const QRect rect = du.Rect(15, OptionRadioRows[i][0], 84, OptionRadioRows[i][1]);
        QRadioButton *radio = m_optionRadios[i];
        radio->setText(
            WrapText(radio->property("plainText").toString(), metrics, rect.width() - labelMargin));
        int top = std::max(rect.top(), nextFree);
        if (i == DaylightNone) {
            // The line separates the last option, keeping its distance above it.
            const QRect line = du.Rect(16, 92, 78, 1);
            const int lineTop = std::max(line.top(), nextFree);
            m_pOptionLine->setGeometry(line.x(), lineTop - 1, line.width(), 3);
            top = std::max(top, lineTop + rect.top() - line.top());
        }
        const int height = std::max(rect.height(), radio->sizeHint().height());
        radio->setGeometry(rect.x(), top, rect.width(), height);
        nextFree = top + height + gap;
    }
    m_nExtraHeight =
        std::max(0, nextFree - gap - du.Y(OptionRadioRows[3][0] + OptionRadioRows[3][1]));
    m_pAdjustmentBox->setGeometry(du.Rect(7, 7, 95, 116).adjusted(0, 0, 0, m_nExtraHeight));
    m_pDatesBox->setGeometry(du.Rect(108, 7, 131, 116).adjusted(0, 0, 0, m_nExtraHeight));

    // The dates radios may use the rest of their group box when their text needs it, and
    // wrap beyond it.
    const int datesRight = m_pDatesBox->geometry().right() - du.X(4);
    for (int i = 0; i < 2; ++i) {
        QRadioButton *radio = m_datesRadios[i];
        QRect rect = du.Rect(116, i == 0 ? 20 : 41, 98, 16);
        rect.setWidth(datesRight - rect.left());
        radio->setText(
            WrapText(radio->property("plainText").toString(), metrics, rect.width() - labelMargin));
        rect.setWidth(std::min(std::max(du.X(98), radio->sizeHint().width()), rect.width()));
        rect.setHeight(std::max(rect.height(), radio->sizeHint().height()));
        radio->setGeometry(rect);
    }

    // Drop-down lists: 32 units wide, or as wide as their longest item, side by side with
    // "in" before the month; the frames around them, and the dates' frame, grow with them.
    const int comboHeight = std::max(m_combos[0]->sizeHint().height(), du.Y(12));
    const int inHeight = metrics.height();
    int rowRight = 0;
    const auto placeRow = [&](QComboBox *week, QComboBox *day, QLabel *in, QComboBox *month,
                              int y) {
        int x = du.X(118);
        for (QWidget *w : std::initializer_list<QWidget *>{week, day, in, month}) {
            const bool label = w == in;
            const int width = std::max(du.X(label ? 8 : 32), w->sizeHint().width());
            const int top = label ? du.Y(y) + (comboHeight - inHeight) / 2 : du.Y(y);
            w->setGeometry(x, top, width, label ? inHeight : comboHeight);
            x += width + du.X(label ? 0 : 4);
        }
        rowRight = std::max(rowRight, x - du.X(4));
    };
    placeRow(m_combos[0], m_combos[2], m_pBeginInLabel, m_combos[1], 69);
    placeRow(m_combos[3], m_combos[5], m_pEndInLabel, m_combos[4], 100);
    for (QGroupBox *box : {m_pBeginBox, m_pEndBox})
        box->resize(
            std::max({box->width(), rowRight + du.X(5) - box->x(), box->minimumSizeHint().width()}),
            box->height());
    const int boxesRight = std::max(m_pBeginBox->geometry().right(), m_pEndBox->geometry().right());
    m_pDatesBox->resize(std::max(m_pDatesBox->width(), boxesRight + du.X(6) - m_pDatesBox->x()),
                        m_pDatesBox->height());

    // Below both group boxes, across the page.
    const QRect database = du.Rect(7, 127, 232, 10).translated(0, m_nExtraHeight);
    m_pDatabaseBox->setGeometry(database.x(), database.y(),
                                std::max(database.width(), m_pDatabaseBox->sizeHint().width()),
                                std::max(database.height(), m_pDatabaseBox->sizeHint().height()));

    setMinimumSize(sizeHint());
}

QSize CSetDaylightPage::sizeHint() const
{
    const DialogUnits du(font());
    return {du.X(PageWidth), du.Y(PageHeight) + m_nExtraHeight};
}

void CSetDaylightPage::changeEvent(QEvent *event)
{
    CPropertyPage::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange)
        LayOutControls();
}

OwnDaylightDates CSetDaylightPage::TableDates(int index)
{
    const CountryEntry *entry = CountryAt(index);
    if (!entry || !HasDaylightSaving(index))
        return {};
    // The table counts from 1, the lists from 0.
    return {entry->daylightWeekStart - 1,      entry->daylightMonthStart - 1,
            entry->daylightDayOfWeekStart - 1, entry->daylightWeekEnd - 1,
            entry->daylightMonthEnd - 1,       entry->daylightDayOfWeekEnd - 1};
}

OwnDaylightDates CSetDaylightPage::DefaultDates() const
{
    if (!m_bUseDatabase)
        return TableDates(m_nHomeIndex);
    const std::optional<DatabaseDaylightDates> next =
        NextDatabaseDaylight(m_nHomeIndex, CurrentTime());
    return next ? next->dates : OwnDaylightDates{};
}

bool CSetDaylightPage::HomeHasRule() const
{
    return HomeHasDaylightSaving(m_nHomeIndex, m_bUseDatabase, CurrentTime());
}

void CSetDaylightPage::SetUpForHome(int index)
{
    m_nHomeIndex = IsValidPlaceIndex(index) ? index : -1;
    m_dates = DefaultDates();
    m_nOption = HomeHasRule() ? DaylightAuto : DaylightNone;
    m_nDatesChoice = 0;
    if (isVisible()) {
        EnableOptionRadios();
        EnableDateControls();
        TransferToControls();
    }
}

bool CSetDaylightPage::OnSetActive()
{
    EnableOptionRadios();
    // The date controls follow the option and dates choice held in the members.
    EnableDateControls();
    TransferToControls();
    emit activeChanged(true);
    return true;
}

bool CSetDaylightPage::OnKillActive()
{
    TransferFromControls();
    emit activeChanged(false);
    return true;
}

void CSetDaylightPage::EnableOptionRadios()
{
    const bool hasHome = IsValidIndexIn(m_nHomeIndex, m_bUseDatabase);
    const bool hasRule = HomeHasRule();
    for (int i = 0; i < 4; ++i) {
        const bool forRule = i != DaylightNone;
        m_optionRadios[i]->setEnabled(hasHome && forRule == hasRule);
    }
}

void CSetDaylightPage::EnableDateControls()
{
    const bool automatic =
        m_nOption == DaylightAuto && IsValidIndexIn(m_nHomeIndex, m_bUseDatabase);
    for (QRadioButton *radio : m_datesRadios)
        radio->setEnabled(automatic);
    const bool own = automatic && m_nDatesChoice == 1;
    for (QComboBox *combo : m_combos)
        combo->setEnabled(own);
}

void CSetDaylightPage::TransferToControls()
{
    m_bTransferring = true;
    CheckOnly(m_pOptionGroup, IsValidDaylightOption(m_nOption) ? m_nOption : -1);
    CheckOnly(m_pDatesGroup, m_nDatesChoice == 0 || m_nDatesChoice == 1 ? m_nDatesChoice : -1);
    m_pDatabaseBox->setChecked(m_bUseDatabase);
    const OwnDaylightDates d = m_nDatesChoice == 1 ? m_dates : DefaultDates();
    const std::array<int, 6> values{d.weekStart, d.monthStart, d.dayOfWeekStart,
                                    d.weekEnd,   d.monthEnd,   d.dayOfWeekEnd};
    for (int i = 0; i < 6; ++i)
        m_combos[i]->setCurrentIndex(ClampPosition(values[i], m_combos[i]->count()));
    UpdateDateTitles();
    m_bTransferring = false;
}

void CSetDaylightPage::TransferFromControls()
{
    m_nOption = m_pOptionGroup->checkedId();
    m_nDatesChoice = m_pDatesGroup->checkedId();
    m_bUseDatabase = m_pDatabaseBox->isChecked();
}

void CSetDaylightPage::OnComboChanged()
{
    // The lists edit the own dates only while those are shown.
    if (m_bTransferring || m_pDatesGroup->checkedId() != 1)
        return;
    int *const fields[] = {&m_dates.weekStart, &m_dates.monthStart, &m_dates.dayOfWeekStart,
                           &m_dates.weekEnd,   &m_dates.monthEnd,   &m_dates.dayOfWeekEnd};
    for (int i = 0; i < 6; ++i)
        *fields[i] = m_combos[i]->currentIndex();
}

void CSetDaylightPage::UpdateDateTitles()
{
    std::optional<DatabaseDaylightDates> next;
    if (m_bUseDatabase && m_nDatesChoice != 1)
        next = NextDatabaseDaylight(m_nHomeIndex, CurrentTime());
    const auto day = [](const ZoneChange &change) {
        return FormatDayOfYear(
            QDateTime::fromSecsSinceEpoch(change.at + change.before.utcOffset, Qt::UTC).date());
    };
    QString begin = tr("Begin daylight saving");
    QString end = tr("End daylight saving");
    if (m_bUseDatabase && m_nDatesChoice != 1) {
        begin = next && next->begin ? tr("Begins %1").arg(day(*next->begin)) : tr("No start ahead");
        end = next && next->end ? tr("Ends %1").arg(day(*next->end)) : tr("No end ahead");
    }
    m_pBeginBox->setTitle(begin);
    m_pEndBox->setTitle(end);
}

void CSetDaylightPage::OnDatabaseToggled()
{
    // The home may have daylight saving in one mode and none in the other: an option the
    // other mode does not offer gives way to its default.
    TransferFromControls();
    if (IsValidIndexIn(m_nHomeIndex, m_bUseDatabase) &&
        (m_nOption == DaylightNone) == HomeHasRule())
        m_nOption = HomeHasRule() ? DaylightAuto : DaylightNone;
    EnableOptionRadios();
    EnableDateControls();
    TransferToControls();
}

void CSetDaylightPage::OnRadioClicked()
{
    const int datesChoice = m_nDatesChoice;
    TransferFromControls();
    if (m_nDatesChoice != datesChoice) {
        // Own dates start from the dates shown until now.
        if (m_nDatesChoice == 1 && !m_dates.IsComplete())
            m_dates = DefaultDates();
        TransferToControls();
    }
    EnableDateControls();
}
