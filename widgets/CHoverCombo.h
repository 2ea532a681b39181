#pragma once

#include <QComboBox>

class HoverPolling;

// A drop-down list with a flat frame: cold (plain), hot (sunken frame, raised drop-down button)
// while the pointer is over it, and a sunken drop-down button once it is pressed.
class CHoverCombo : public QComboBox {
    Q_OBJECT
public:
    enum class Look { Cold, Hot, Pressed };

    explicit CHoverCombo(QWidget* parent = nullptr);
    Look look() const { return m_look; }
    void hidePopup() override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void onTick(bool inside);
    void setLook(Look look);
    void release();
    void drawButtonOutline(QPainter& painter, QRect button) const;

    HoverPolling* m_polling;
    Look m_look = Look::Cold;
    bool m_pressed = false;
};
