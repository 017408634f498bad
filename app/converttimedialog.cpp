// SPDX-License-Identifier: MIT

#include "app/converttimedialog.h"

#include "map/gmtoffset.h"
#include "zones/countrytable.h"
#include "zones/places.h"
#include "zones/timeformat.h"

#include <QDateTime>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QDateTime WallToDateTime(WallTime wall)
{
    return QDateTime::fromSecsSinceEpoch(wall, Qt::UTC);
}

QString ShortText(WallTime wall)
{
    return FormatDayAndTime(WallToDateTime(wall));
}

QString SelectedName(const ClockOffsetInputs &in)
{
    if (IsValidIndexIn(in.selectedIndex, in.useDatabase) && !in.selectedName.isEmpty())
        return in.selectedName;
    if (IsValidIndexIn(in.selectedIndex, in.useDatabase))
        return QString::fromStdString(PlaceDisplayName(in.selectedIndex, in.useDatabase));
    return FormatGmtOffset(in.mapZone);
}

// "10 hours ahead of home", "5:30 hours behind home", "the same time as home".
QString DifferenceText(TimeValue seconds)
{
    if (seconds == 0)
        return CConvertTimeDialog::tr("the same time as home");
    const TimeValue a = seconds < 0 ? -seconds : seconds;
    const QString span = a == 3600       ? CConvertTimeDialog::tr("1 hour")
                         : a % 3600 == 0 ? CConvertTimeDialog::tr("%1 hours").arg(a / 3600)
                                         : CConvertTimeDialog::tr("%1:%2 hours")
                                               .arg(a / 3600)
                                               .arg(a % 3600 / 60, 2, 10, QLatin1Char('0'));
    return seconds > 0 ? CConvertTimeDialog::tr("%1 ahead of home").arg(span)
                       : CConvertTimeDialog::tr("%1 behind home").arg(span);
}

TimeValue Day(WallTime wall)
{
    return (wall >= 0 ? wall : wall - 86399) / 86400;
}

} // namespace

CWallTimeEdit::CWallTimeEdit(QWidget *parent) : QLineEdit(parent)
{
    setText(FormatWallTime(m_wall));
    connect(this, &QLineEdit::textEdited, this, &CWallTimeEdit::Follow);
    connect(this, &QLineEdit::editingFinished, this, &CWallTimeEdit::Finish);
}

void CWallTimeEdit::SetWall(WallTime wall)
{
    m_base = wall;
    setText(FormatWallTime(wall));
    SetUnreadable(false);
    if (wall == m_wall)
        return;
    m_wall = wall;
    emit wallChanged();
}

void CWallTimeEdit::Follow()
{
    const std::optional<WallTime> typed = ParseWallTime(text(), m_base);
    if (!typed)
        return;
    SetUnreadable(false);
    if (*typed == m_wall)
        return;
    m_wall = *typed;
    emit wallChanged();
}

void CWallTimeEdit::Finish()
{
    if (const std::optional<WallTime> typed = ParseWallTime(text(), m_base))
        SetWall(*typed);
    else
        SetUnreadable(true);
}

void CWallTimeEdit::SetUnreadable(bool unreadable)
{
    if (unreadable == m_bUnreadable)
        return;
    m_bUnreadable = unreadable;
    emit unreadableChanged();
}

void CWallTimeEdit::keyPressEvent(QKeyEvent *event)
{
    int steps = 0;
    switch (event->key()) {
    case Qt::Key_Up:
        steps = 1;
        break;
    case Qt::Key_Down:
        steps = -1;
        break;
    case Qt::Key_PageUp:
        steps = 10;
        break;
    case Qt::Key_PageDown:
        steps = -10;
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        // Enter takes the typed time; it does not close the window.
        QLineEdit::keyPressEvent(event);
        event->accept();
        return;
    default:
        QLineEdit::keyPressEvent(event);
        return;
    }
    // Typed text that reads as a time is taken first; the cursor stays where it was.
    const WallPart part = WallPartAt(text(), cursorPosition());
    const int cursor = cursorPosition();
    const std::optional<WallTime> typed = ParseWallTime(text(), m_base);
    SetWall(StepWallTime(typed.value_or(m_wall), part, steps));
    setCursorPosition(cursor);
    event->accept();
}

CConvertTimeDialog::CConvertTimeDialog(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("convertTimeDialog"));
    setAccessibleName(tr("Convert a Time"));
    setWindowTitle(tr("Convert a Time"));

    auto edit = [this](const char *name) {
        auto *e = new CWallTimeEdit(this);
        e->setObjectName(QString::fromLatin1(name));
        // Wide enough for the longest time shown: a Wednesday in September, in the locale.
        const QFontMetrics metrics = e->fontMetrics();
        e->setMinimumWidth(metrics.horizontalAdvance(FormatWallTime(1790812740)) +
                           4 * metrics.averageCharWidth());
        e->setToolTip(tr("Type a time such as 12:00, 7 Dec 14:30 or Mon 7 Dec 2026 12:00; Up "
                         "and Down change the part at the cursor"));
        return e;
    };
    m_homeEdit = edit("homeTimeEdit");
    m_selectedEdit = edit("selectedTimeEdit");
    m_homeLabel = new QLabel(this);
    m_homeLabel->setObjectName(QStringLiteral("homePlaceLabel"));
    m_homeLabel->setBuddy(m_homeEdit);
    m_selectedLabel = new QLabel(this);
    m_selectedLabel->setObjectName(QStringLiteral("selectedPlaceLabel"));
    m_selectedLabel->setBuddy(m_selectedEdit);
    m_dayLabel = new QLabel(this);
    m_dayLabel->setObjectName(QStringLiteral("dayDifferenceLabel"));
    m_dayLabel->setAccessibleName(tr("Difference"));
    m_noteLabel = new QLabel(this);
    m_noteLabel->setObjectName(QStringLiteral("changeDayNote"));
    m_noteLabel->setAccessibleName(tr("Change day"));
    m_noteLabel->setWordWrap(true);
    m_noteLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // Room for the longest note from the start, so nothing moves when one appears.
    m_noteLabel->setMinimumHeight(fontMetrics().lineSpacing() * 3);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->setObjectName(QStringLiteral("convertButtons"));
    buttons->setAccessibleName(tr("Buttons"));
    buttons->button(QDialogButtonBox::Close)->setAccessibleName(tr("Close"));
    QPushButton *now = buttons->addButton(tr("&Now"), QDialogButtonBox::ActionRole);
    now->setObjectName(QStringLiteral("nowButton"));
    now->setAccessibleName(tr("Now"));
    now->setAutoDefault(false);

    auto *form = new QFormLayout;
    form->addRow(m_homeLabel, m_homeEdit);
    form->addRow(m_selectedLabel, m_selectedEdit);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(m_dayLabel);
    layout->addWidget(m_noteLabel);
    layout->addWidget(buttons);
    // Wide enough for the longest place names, and for the labels naming them.
    setMinimumWidth(fontMetrics().averageCharWidth() * 60);
    layout->setSizeConstraint(QLayout::SetMinimumSize);

    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::close);
    connect(now, &QPushButton::clicked, this, &CConvertTimeDialog::ShowNow);
    connect(m_homeEdit, &CWallTimeEdit::wallChanged, this, [this] { Convert(true); });
    connect(m_selectedEdit, &CWallTimeEdit::wallChanged, this, [this] { Convert(false); });
    connect(m_homeEdit, &CWallTimeEdit::unreadableChanged, this, &CConvertTimeDialog::ShowNote);
    connect(m_selectedEdit, &CWallTimeEdit::unreadableChanged, this, &CConvertTimeDialog::ShowNote);
}

void CConvertTimeDialog::SetInputs(const ClockOffsetInputs &in)
{
    m_in = in;
    m_offsets = MakePlaceOffsets(in);
    const QString home =
        IsValidIndexIn(in.homeIndex, in.useDatabase) && !in.homeName.isEmpty() ? in.homeName
        : IsValidIndexIn(in.homeIndex, in.useDatabase)
            ? QString::fromStdString(PlaceDisplayName(in.homeIndex, in.useDatabase))
            : tr("no home chosen");
    const QString selected = SelectedName(in);
    m_homeLabel->setText(tr("&Home, %1:").arg(home));
    m_selectedLabel->setText(tr("&Selected, %1:").arg(selected));
    m_homeEdit->setAccessibleName(tr("Time at home, %1").arg(home));
    m_selectedEdit->setAccessibleName(tr("Time at the selected place, %1").arg(selected));
    if (!m_bStarted) {
        m_bStarted = true;
        ShowNow();
        return;
    }
    Convert(true);
}

void CConvertTimeDialog::ShowNow()
{
    const TimeValue now = CurrentTime();
    SetWall(m_homeEdit, now + m_offsets.home(now));
    Convert(true);
}

QString CConvertTimeDialog::DayText() const
{
    return m_dayLabel->text();
}

QString CConvertTimeDialog::NoteText() const
{
    return m_noteLabel->text();
}

void CConvertTimeDialog::SetWall(CWallTimeEdit *edit, WallTime wall)
{
    m_bSetting = true;
    edit->SetWall(wall);
    m_bSetting = false;
}

void CConvertTimeDialog::ShowNote()
{
    // Text that reads as no time is named first; the conversion shown is the last one read.
    for (const CWallTimeEdit *edit : {m_homeEdit, m_selectedEdit})
        if (edit->IsUnreadable())
            return m_noteLabel->setText(
                tr("\"%1\" is not a date and time Orbiclock can read: type it as 12:00, "
                   "7 Dec 14:30 or Mon 7 Dec 2026 12:00.")
                    .arg(edit->text().trimmed()));
    m_noteLabel->setText(m_strChangeNote);
}

void CConvertTimeDialog::Convert(bool fromHome)
{
    if (m_bSetting || !m_offsets.home)
        return;
    const WallOffset &from = fromHome ? m_offsets.home : m_offsets.selected;
    const WallOffset &to = fromHome ? m_offsets.selected : m_offsets.home;
    const WallTime wall = (fromHome ? m_homeEdit : m_selectedEdit)->Wall();
    const WallInstants found = InstantsShowing(wall, from);
    const TimeValue t = found.first;
    SetWall(fromHome ? m_selectedEdit : m_homeEdit, t + to(t));

    const WallTime home = t + m_offsets.home(t);
    const WallTime selected = t + m_offsets.selected(t);
    const TimeValue days = Day(selected) - Day(home);
    const QString day = days == 0    ? tr("Same day")
                        : days == 1  ? tr("Next day")
                        : days == -1 ? tr("Previous day")
                                     : tr("%1 days apart").arg(days);
    m_dayLabel->setText(tr("%1 there, %2.").arg(day, DifferenceText(selected - home)));

    const QString where = fromHome ? tr("at home") : tr("in %1").arg(SelectedName(m_in));
    QString note;
    if (found.count == 0) {
        note = tr("%1 does not exist %2: the clocks go forward past it. Shown as %3.")
                   .arg(ShortText(wall), where, ShortText(t + from(t)));
    } else if (found.count == 2) {
        note = tr("%1 happens twice %2: the clocks go back. Shown for the first; the second "
                  "is %3 %4.")
                   .arg(ShortText(wall), where, ShortText(found.second + to(found.second)),
                        fromHome ? tr("there") : tr("at home"));
    }
    m_strChangeNote = note;
    ShowNote();
}
