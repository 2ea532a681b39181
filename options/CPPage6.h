#pragma once

#include "core/SettingsKeys.h"
#include "options/OptionsPage.h"

class CIconButton;
class QLineEdit;
class QSpinBox;

// Directories: the default folders of Copy To and Add From, stored the moment they are picked,
// and how deep below each folder the sound index goes, stored as it is changed.
class CPPage6 : public COptionsPage {
    Q_OBJECT
public:
    CPPage6(OptionsContext& context, QWidget* parent);

    QLineEdit& copyToEdit() const { return *m_copyTo; }
    QLineEdit& addFromEdit() const { return *m_addFrom; }
    CIconButton& copyToButton() const { return *m_copyToButton; }
    CIconButton& addFromButton() const { return *m_addFromButton; }
    QSpinBox& indexDepthBox() const { return *m_indexDepth; }

protected:
    void OnInitDialog() override;

private:
    QWidget* makeGroup(const QString& title, QLineEdit* edit, CIconButton* button,
                       const QString& picture);
    void pickFolder(QLineEdit& edit, const keys::Text& key);
    QWidget* makeIndexGroup();
    void storeIndexDepth(int depth);

    QLineEdit* m_copyTo;
    QLineEdit* m_addFrom;
    CIconButton* m_copyToButton;
    CIconButton* m_addFromButton;
    QSpinBox* m_indexDepth;
};
