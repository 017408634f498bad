// SPDX-License-Identifier: MIT

#pragma once

#include "app/timeconversion.h"

#include <QDialog>
#include <QLineEdit>

class QLabel;

// A field for a wall time that reads what is typed as a person says it (ParseWallTime): it
// follows while the text reads as a time, Enter or leaving the field shows it in full, and text
// that reads as none stays as typed and is reported. Up and Down step the part under the cursor,
// Page Up and Page Down by ten.
class CWallTimeEdit final : public QLineEdit
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CWallTimeEdit)

public:
    explicit CWallTimeEdit(QWidget *parent = nullptr);

    WallTime Wall() const { return m_wall; }
    // Shows wall in full; wallChanged when it differs from the one held.
    void SetWall(WallTime wall);
    // The text, as left, reads as no date and time.
    bool IsUnreadable() const { return m_bUnreadable; }

signals:
    void wallChanged();
    void unreadableChanged();

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    // Reads the text against the time shown before it was edited.
    void Follow();
    void Finish();
    void SetUnreadable(bool unreadable);

    WallTime m_wall = 0;
    WallTime m_base = 0; // what the field showed when the typing began
    bool m_bUnreadable = false;
};

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

    CWallTimeEdit *HomeEdit() const { return m_homeEdit; }
    CWallTimeEdit *SelectedEdit() const { return m_selectedEdit; }
    QString DayText() const;
    QString NoteText() const;

private:
    // Converts the field that was edited into the other one.
    void Convert(bool fromHome);
    void SetWall(CWallTimeEdit *edit, WallTime wall);
    void ShowNote();

    ClockOffsetInputs m_in;
    PlaceOffsets m_offsets;
    bool m_bStarted = false;
    bool m_bSetting = false;
    QLabel *m_homeLabel = nullptr;
    QLabel *m_selectedLabel = nullptr;
    CWallTimeEdit *m_homeEdit = nullptr;
    CWallTimeEdit *m_selectedEdit = nullptr;
    QString m_strChangeNote; // what the last conversion met on a change day
    QLabel *m_dayLabel = nullptr;
    QLabel *m_noteLabel = nullptr;
};
