#pragma once

#include <QColor>
#include <QLabel>

// A static text in colours of its own. An invalid colour (QColor()) stands for the system
// colour: button text for the text, button face for the background.
class CColorLabel : public QLabel {
    Q_OBJECT
public:
    explicit CColorLabel(const QString& text = {}, QWidget* parent = nullptr);

    void SetTextColour(const QColor& colour);
    void SetBackColour(const QColor& colour);
    QColor textColour() const;
    QColor backColour() const;

protected:
    void changeEvent(QEvent* event) override;

private:
    void applyColours();

    QColor m_text;
    QColor m_back;
    bool m_applying = false;
};
