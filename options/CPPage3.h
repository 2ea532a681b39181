#pragma once

#include "options/OptionsPage.h"

class CHoverCombo;
class QCheckBox;

// Record: the longest recording and whether the main window is minimised while recording,
// both stored at once.
class CPPage3 : public COptionsPage {
    Q_OBJECT
public:
    // The record times of the list's rows, in seconds.
    static constexpr int kTimes[] = {15, 30, 60, 120};

    CPPage3(OptionsContext& context, QWidget* parent);

    CHoverCombo& timeList() const { return *m_time; }
    QCheckBox& minimiseBox() const { return *m_minimise; }

protected:
    void OnInitDialog() override;

private:
    void storeTime(int row);
    void showStoredTime();

    CHoverCombo* m_time;
    int m_storedRow = -1; // the row of the stored time, -1 for none
    QCheckBox* m_minimise;
};
