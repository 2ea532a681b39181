#include "widgets/CBitmapButton.h"

#include <QKeyEvent>
#include <QPainter>

CBitmapButton::CBitmapButton(const QString& caption, int commandId, QWidget* parent)
    : QAbstractButton(parent), m_commandId(commandId) {
    const QString base = QStringLiteral(":/art/") + caption.toLower();
    m_up.load(base + QStringLiteral("u.svg"));
    m_down.load(base + QStringLiteral("d.svg"));
    setText(caption);
    setAccessibleName(caption);
    setFocusPolicy(Qt::NoFocus);
    resize(sizeHint());
}

void CBitmapButton::setLit(bool lit) {
    if (lit == m_lit)
        return;
    m_lit = lit;
    update();
}

QSize CBitmapButton::sizeHint() const {
    return m_up.isValid() ? m_up.defaultSize() : QSize(24, 20);
}

void CBitmapButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QSvgRenderer& picture = ((isDown() || m_lit) && m_down.isValid()) ? m_down : m_up;
    if (picture.isValid()) {
        picture.render(&painter, rect());
    } else {
        // Without its picture the button still reads as a button.
        painter.fillRect(rect(), (isDown() || m_lit) ? QColor(40, 40, 40) : QColor(70, 70, 70));
        painter.setPen(Qt::white);
        painter.drawText(rect(), Qt::AlignCenter, text().left(2));
    }
    if (hasFocus()) {
        painter.setPen(QPen(palette().color(QPalette::Highlight), 1, Qt::DotLine));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

void CBitmapButton::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        click();
        return;
    }
    QAbstractButton::keyPressEvent(event);
}
