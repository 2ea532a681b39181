#pragma once

#include <QAbstractButton>
#include <QSvgRenderer>

// A picture button: its caption names its pictures, ":/art/<caption>u.svg" (up) and
// ":/art/<caption>d.svg" (down, shown while pressed). It takes the size of the up picture.
class CBitmapButton : public QAbstractButton {
    Q_OBJECT
public:
    CBitmapButton(const QString& caption, int commandId, QWidget* parent);
    int commandId() const { return m_commandId; }
    // A lit button shows its pressed picture, e.g. Play while a sound plays.
    void setLit(bool lit);
    bool isLit() const { return m_lit; }
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    // Enter presses a button that has the focus, as Space does.
    void keyPressEvent(QKeyEvent* event) override;

private:
    QSvgRenderer m_up;
    QSvgRenderer m_down;
    int m_commandId;
    bool m_lit = false;
};
