#include "widgets/CColorLabel.h"

#include <QApplication>
#include <QEvent>

CColorLabel::CColorLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {
    setAutoFillBackground(true);
    applyColours();
}

void CColorLabel::SetTextColour(const QColor& colour) {
    m_text = colour;
    applyColours();
}

void CColorLabel::SetBackColour(const QColor& colour) {
    m_back = colour;
    applyColours();
}

QColor CColorLabel::textColour() const {
    return m_text.isValid() ? m_text : QApplication::palette(this).color(QPalette::ButtonText);
}

QColor CColorLabel::backColour() const {
    return m_back.isValid() ? m_back : QApplication::palette(this).color(QPalette::Button);
}

// A new desktop palette brings new system colours for the parts left at them.
void CColorLabel::changeEvent(QEvent* event) {
    QLabel::changeEvent(event);
    if (event->type() == QEvent::PaletteChange && !m_applying)
        applyColours();
}

void CColorLabel::applyColours() {
    m_applying = true;
    QPalette p = palette();
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        p.setColor(group, QPalette::WindowText, textColour());
        p.setColor(group, QPalette::Window, backColour());
    }
    p.setColor(QPalette::Disabled, QPalette::Window, backColour());
    setPalette(p);
    m_applying = false;
    update();
}
