// SPDX-License-Identifier: MIT

#pragma once

#include "countries/propertypage.h"
#include "home/daylightoption.h"
#include "zones/daylight.h"

#include <array>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QRadioButton;

// The "Daylight Saving" page of the Set Home sheet: how daylight saving is handled at home and,
// for automatic handling, whether the home's own dates or the user's dates are used; and whether
// times come from the computer's time-zone database or from the built-in table. The
// members are the page's values; the controls show them only between TransferToControls and
// TransferFromControls, so the sheet can change the members while the page is hidden.
class CSetDaylightPage final : public CPropertyPage
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CSetDaylightPage)

public:
    explicit CSetDaylightPage(QWidget *parent = nullptr);
    ~CSetDaylightPage() override;

    int m_nOption = DaylightAuto; // a DaylightOption, -1 for none
    int m_nDatesChoice = -1;      // 0 the table's dates, 1 the user's, -1 none
    OwnDaylightDates m_dates;     // positions in the week, month and day lists, -1 for none
    int m_nHomeIndex = -1;        // the entry the page describes, -1 for none
    bool m_bUseDatabase = true;   // the computer's time-zone database, not the table

    // The home has daylight saving in the page's mode: then None is not offered, otherwise
    // only None is.
    bool HomeHasRule() const;

    // Resets the page to the defaults of the entry at index (its table dates and automatic
    // handling, or no daylight saving) and makes it the page's home.
    void SetUpForHome(int index);

    // The sheet calls these when the page is shown and when another page replaces it (or OK
    // ends the sheet).
    bool OnSetActive() override;
    bool OnKillActive() override;

    void TransferToControls();
    void TransferFromControls();

    // The entry's table rule as positions in the lists; all -1 without a rule.
    static OwnDaylightDates TableDates(int index);
    // The home's dates in the page's mode: the table's, or the next start and end that the
    // database has (all -1 when it has none ahead). The lists show them while the default
    // dates are chosen; the own dates stay in m_dates meanwhile.
    OwnDaylightDates DefaultDates() const;

    // The texts of the combo lists, in list order.
    static QStringList WeekTexts();
    static QStringList DayTexts();
    static QStringList MonthTexts();

    QSize sizeHint() const override;

signals:
    // The page became the shown one (true) or was left (false).
    void activeChanged(bool active);

protected:
    void changeEvent(QEvent *event) override;

private:
    void CreateControls();
    void LayOutControls();
    void EnableOptionRadios();
    void EnableDateControls();
    void OnRadioClicked();
    void OnDatabaseToggled();
    void OnComboChanged();
    // The group titles name the database's next start and end while its dates are shown.
    void UpdateDateTitles();

    int m_nExtraHeight = 0; // pixels the option labels need beyond the template's height

    QGroupBox *m_pAdjustmentBox = nullptr;
    std::array<QRadioButton *, 4> m_optionRadios{};
    QFrame *m_pOptionLine = nullptr;
    QButtonGroup *m_pOptionGroup = nullptr;

    QGroupBox *m_pDatesBox = nullptr;
    std::array<QRadioButton *, 2> m_datesRadios{};
    QButtonGroup *m_pDatesGroup = nullptr;
    QGroupBox *m_pBeginBox = nullptr;
    QGroupBox *m_pEndBox = nullptr;
    QLabel *m_pBeginInLabel = nullptr;
    QLabel *m_pEndInLabel = nullptr;
    // In the order of OwnDaylightDates: start week, month, day; end week, month, day.
    std::array<QComboBox *, 6> m_combos{};
    QCheckBox *m_pDatabaseBox = nullptr;
    bool m_bTransferring = false; // the lists are being set from the members
};
