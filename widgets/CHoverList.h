#pragma once

#include <QListWidget>

class HoverPolling;

// A list box with a flat frame that lights up while the pointer is over it. Gaining or losing
// the keyboard focus lights it too, until a poll half a second later finds the pointer away.
class CHoverList : public QListWidget {
    Q_OBJECT
public:
    static constexpr int kFocusInterval = 500;

    explicit CHoverList(QWidget* parent = nullptr);
    bool isHot() const { return m_hot; }

protected:
    bool event(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void onTick(bool inside);
    void setHot(bool hot);
    void lightOnFocusChange();
    void drawFrames();

    HoverPolling* m_polling;
    bool m_hot = false;
};
