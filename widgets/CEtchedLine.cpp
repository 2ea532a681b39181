#include "widgets/CEtchedLine.h"

#include <QPainter>

CEtchedLine::CEtchedLine(QWidget* parent, const QString& text) : QWidget(parent), m_text(text) {}

void CEtchedLine::setText(const QString& text) {
    m_text = text;
    update();
}

void CEtchedLine::setAlignment(Qt::Alignment alignment) {
    m_alignment = alignment;
    update();
}

void CEtchedLine::setMnemonics(bool on) {
    m_mnemonics = on;
    update();
}

QSize CEtchedLine::sizeHint() const {
    return QSize(m_text.isEmpty() ? 20 : fontMetrics().horizontalAdvance(m_text) + 16,
                 qMax(4, fontMetrics().height()));
}

void CEtchedLine::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QColor shadow = palette().color(QPalette::Dark);
    const QColor highlight = palette().color(QPalette::Light);
    if (isVertical()) {
        const int x = width() / 2 - 1;
        painter.fillRect(x, 0, 1, height(), shadow);
        painter.fillRect(x + 1, 0, 1, height(), highlight);
        return;
    }
    const int y = height() / 2 - 1;
    painter.fillRect(0, y, width(), 1, shadow);
    painter.fillRect(0, y + 1, width(), 1, highlight);
    if (!m_text.isEmpty())
        drawCaption(painter);
}

// The caption sits on the line with two blanks of button face around it.
void CEtchedLine::drawCaption(QPainter& painter) const {
    const QString blanks = QStringLiteral("  ");
    QString shown;
    int flags = Qt::AlignVCenter | Qt::TextSingleLine;
    flags |= m_mnemonics ? Qt::TextShowMnemonic : 0;
    if (m_alignment & Qt::AlignHCenter) {
        shown = blanks + m_text + blanks;
        flags |= Qt::AlignHCenter;
    } else if (m_alignment & Qt::AlignRight) {
        shown = blanks + m_text;
        flags |= Qt::AlignRight;
    } else {
        shown = m_text + blanks;
        flags |= Qt::AlignLeft;
    }
    painter.setFont(font());
    const QRect bounds = painter.boundingRect(rect(), flags, shown);
    painter.fillRect(bounds, palette().color(QPalette::Button));
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(rect(), flags, shown);
}
