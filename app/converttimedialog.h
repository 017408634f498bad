#pragma once

#include "app/timeconversion.h"

#include <QDialog>

class QDateTimeEdit;
class QLabel;

// A small window beside the main one: a date and time at home and the same instant at the
// selected place, converted by the rules the clocks follow. Editing either sets the other; a
// time that a change day skips or repeats is named, not guessed silently. It follows the home
// and the selection while open.
class CConvertTimeDialog final : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CConvertTimeDialog)

public:
    explicit CConvertTimeDialog(QWidget *parent = nullptr);

    // The home, selection and daylight choices the clocks follow now. The home time stays and
    // the selected time is converted again; the first call starts at home's time now.
    void SetInputs(const ClockOffsetInputs &in);
    // Both fields to the current instant.
    void ShowNow();

    QDateTimeEdit *HomeEdit() const { return m_homeEdit; }
    QDateTimeEdit *SelectedEdit() const { return m_selectedEdit; }
    QString DayText() const;
    QString NoteText() const;

private:
    // Converts the field that was edited into the other one.
    void Convert(bool fromHome);
    void SetWall(QDateTimeEdit *edit, WallTime wall);

    ClockOffsetInputs m_in;
    PlaceOffsets m_offsets;
    bool m_bStarted = false;
    bool m_bSetting = false;
    QLabel *m_homeLabel = nullptr;
    QLabel *m_selectedLabel = nullptr;
    QDateTimeEdit *m_homeEdit = nullptr;
    QDateTimeEdit *m_selectedEdit = nullptr;
    QLabel *m_dayLabel = nullptr;
    QLabel *m_noteLabel = nullptr;
};
