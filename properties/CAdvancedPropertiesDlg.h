#pragma once

#include <QDialog>
#include <array>

class CIconButton;

// The modal " Advanced Properties" dialog: the six numbers of a sound's format header.
class CAdvancedPropertiesDlg : public QDialog {
    Q_OBJECT
public:
    // Format tag, channels, samples per second, average bytes per second, block align, bits
    // per sample.
    CAdvancedPropertiesDlg(const std::array<QString, 6>& values, QWidget* parent);

    // The six shown values, top to bottom.
    std::array<QString, 6> shownValues() const;
    CIconButton& closeButton() const { return *m_close; }

private:
    CIconButton* m_close;
};
