#pragma once

#include <QLineEdit>

class HoverPolling;

// An edit field with a flat frame that lights up (sunken edge) while the pointer is over it,
// and ridge lines beside its text.
class CHoverEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit CHoverEdit(QWidget* parent = nullptr);

    void setLeftRidges(bool on);
    void setRightRidge(bool on);
    void setFlatFrame(bool on);
    bool isHot() const { return m_hot; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void onTick(bool inside);
    void setHot(bool hot);
    void updateMargins();
    void drawRidge(QPainter& painter, int x) const;

    HoverPolling* m_polling;
    bool m_hot = false;
    bool m_leftRidges = true;
    bool m_rightRidge = true;
    bool m_flatFrame = true;
};
