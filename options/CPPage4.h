#pragma once

#include "options/OptionsPage.h"

class CColorLabel;
class CHoverCombo;
class QLabel;

// Cursors: the cursor theme, previewed here and stored at once; the main window takes it at
// its next start.
class CPPage4 : public COptionsPage {
    Q_OBJECT
public:
    CPPage4(OptionsContext& context, QWidget* parent);

    CHoverCombo& themeList() const { return *m_themes; }
    QLabel& normalPreview() const { return *m_normal; }
    QLabel& busyPreview() const { return *m_busy; }
    CColorLabel& note() const { return *m_note; }

protected:
    void OnInitDialog() override;

private:
    void preview(int theme);
    void chooseTheme(int row);
    void showStoredTheme();

    CHoverCombo* m_themes;
    int m_storedTheme = 1;
    QLabel* m_normal;
    QLabel* m_busy;
    CColorLabel* m_note;
};

// Pictures of the desktop's own arrow and busy cursors, which Qt gives only as shapes.
QPixmap systemArrowPicture();
QPixmap systemBusyPicture();
