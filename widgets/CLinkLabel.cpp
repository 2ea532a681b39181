#include "widgets/CLinkLabel.h"

#include "platform/LinkOpener.h"
#include "platform/Ui.h"
#include "widgets/CIconButton.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>

const QColor CLinkLabel::kLinkColour = QColor(0x00, 0x00, 0xEE);
const QColor CLinkLabel::kVisitedColour = QColor(0x55, 0x1A, 0x8B);

QCursor programHandCursor() {
    const QPixmap hand = loadSvgPicture(QStringLiteral(":/art/hand.svg"));
    return hand.isNull() ? QCursor(Qt::PointingHandCursor) : QCursor(hand, 12, 1);
}

CLinkLabel::CLinkLabel(ILinkOpener& opener, IUi& ui, const QString& text, QWidget* parent)
    : QLabel(text, parent), m_opener(opener), m_ui(ui) {
    setTextFormat(Qt::PlainText);
    setFocusPolicy(Qt::TabFocus);
    setCursor(Qt::PointingHandCursor);
    SetAddress(text);
}

void CLinkLabel::SetAddress(const QString& address) {
    m_address = address.isEmpty() ? text() : address;
    if (text().isEmpty())
        setText(m_address);
    setToolTip(m_address);
    setAccessibleDescription(m_address);
    applyLook();
}

void CLinkLabel::SetLinkColours(const QColor& link, const QColor& visited, const QColor& hover) {
    m_link = link;
    m_visitedColour = visited;
    m_hover = hover;
    applyLook();
}

void CLinkLabel::SetLinkCursor(const QCursor& cursor) {
    const bool none = cursor.shape() == Qt::BitmapCursor && cursor.pixmap().isNull();
    setCursor(none ? QCursor(Qt::PointingHandCursor) : cursor);
}

void CLinkLabel::setUnderline(bool on) {
    m_underline = on;
    applyLook();
}

void CLinkLabel::setAdjustToFit(bool on) {
    m_adjustToFit = on;
    fitToText();
}

QColor CLinkLabel::currentColour() const {
    if (m_hovering)
        return m_hover.isValid() ? m_hover : palette().color(QPalette::Highlight);
    return m_visited ? m_visitedColour : m_link;
}

void CLinkLabel::applyLook() {
    QFont underlined = font();
    underlined.setUnderline(m_underline);
    setFont(underlined);
    QPalette p = palette();
    p.setColor(QPalette::WindowText, currentColour());
    setPalette(p);
    fitToText();
    update();
}

// Keeps the edge (or centre) the alignment anchors the text to.
void CLinkLabel::fitToText() {
    if (!m_adjustToFit)
        return;
    const QSize fitted = fontMetrics().size(Qt::TextSingleLine, text());
    QRect g = geometry();
    const Qt::Alignment a = alignment();
    const int left = a.testFlag(Qt::AlignHCenter) ? g.center().x() - fitted.width() / 2
                     : a.testFlag(Qt::AlignRight) ? g.right() - fitted.width() + 1
                                                  : g.left();
    const int top = a.testFlag(Qt::AlignVCenter) ? g.center().y() - fitted.height() / 2 : g.top();
    setGeometry(left, top, fitted.width(), fitted.height());
}

void CLinkLabel::setHovering(bool on) {
    if (m_hovering == on)
        return;
    m_hovering = on;
    applyLook();
}

void CLinkLabel::enterEvent(QEnterEvent* event) {
    setHovering(true);
    QLabel::enterEvent(event);
}

void CLinkLabel::leaveEvent(QEvent* event) {
    setHovering(false);
    QLabel::leaveEvent(event);
}

void CLinkLabel::mouseReleaseEvent(QMouseEvent* event) {
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        click();
}

void CLinkLabel::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Space || event->key() == Qt::Key_Return ||
        event->key() == Qt::Key_Enter) {
        click();
        return;
    }
    QLabel::keyPressEvent(event);
}

void CLinkLabel::click() {
    setHovering(false);
    const int result = m_opener.OpenLink(m_address);
    if (result > 32) {
        m_visited = true;
        applyLook();
        return;
    }
    QApplication::beep();
    m_ui.messageBox(linkErrorText(result), m_ui.appTitle(), MsgButtons::Ok, MsgIcon::Exclamation);
}
