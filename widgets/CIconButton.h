#pragma once

#include <QPixmap>
#include <QPushButton>

// An SVG picture rendered at its own size; a null pixmap when it cannot be read.
QPixmap loadSvgPicture(const QString& path);

// A push button drawn by the program: an icon beside (or above) its caption, a flat look with
// an edge only while the pointer is over it, and a second icon for the hover state. The
// colours are the palette's, as every dialog of the program leaves them.
class CIconButton : public QPushButton {
    Q_OBJECT
public:
    explicit CIconButton(const QString& text = {}, QWidget* parent = nullptr);

    // Pictures by resource path; an empty normal icon uses the hover icon for both states.
    // The icon size is the hover picture's own size.
    void SetIcons(const QString& hoverIcon, const QString& normalIcon = {});
    void SetFlat(bool flat);
    // 0: icon left of the caption; 1: icon above it.
    void SetAlign(int align);
    void setDrawText(bool on);
    void setDrawBorder(bool on);
    void setFocusOnFlat(bool on);

    bool isMouseOver() const { return m_mouseOver; }
    bool isFlatLook() const { return m_flat; }
    QSize iconPixelSize() const { return m_hover.size(); }
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void drawEdge(QPainter& painter, QRect rect, bool pressed) const;
    QRect drawIcon(QPainter& painter, QRect rect, bool pressed, bool hot) const;
    void drawCaption(QPainter& painter, QRect area, bool pressed, bool hot) const;
    void setMouseOver(bool over);

    QPixmap m_hover;
    QPixmap m_normal;
    int m_align = 0;
    bool m_drawText = true;
    bool m_drawBorder = true;
    bool m_flat = true;
    bool m_focusOnFlat = false;
    bool m_mouseOver = false;
};
