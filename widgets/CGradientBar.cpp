#include "widgets/CGradientBar.h"

#include <QPainter>
#include <QPixmap>
#include <algorithm>
#include <cstdlib>

CGradientBar::CGradientBar(QWidget* parent)
    : QWidget(parent), m_backgroundColor(palette().color(QPalette::Button)) {
    // Every pixel is painted in paintEvent; nothing is erased first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAccessibleName(QStringLiteral("Progress"));
}

void CGradientBar::SetRange(int lower, int upper) {
    m_lower = lower;
    m_upper = upper;
    m_position = lower;
    positionChanged();
}

void CGradientBar::SetPos(int position) {
    m_position = position;
    positionChanged();
}

void CGradientBar::SetStep(int step) {
    m_step = step;
}

void CGradientBar::StepIt() {
    m_position += m_step;
    positionChanged();
}

void CGradientBar::positionChanged() {
    setAccessibleDescription(percentageText());
    update();
}

void CGradientBar::setStartColor(const QColor& color) {
    m_startColor = color;
    update();
}

void CGradientBar::setEndColor(const QColor& color) {
    m_endColor = color;
    update();
}

void CGradientBar::setBackgroundColor(const QColor& color) {
    m_backgroundColor = color;
    update();
}

void CGradientBar::setTextColor(const QColor& color) {
    m_textColor = color;
    update();
}

void CGradientBar::setShowPercentage(bool show) {
    m_showPercentage = show;
    update();
}

bool CGradientBar::positionInsideRange() const {
    return m_position > m_lower && m_position < m_upper;
}

// Only meaningful inside the range, where upper is above lower and so not zero unless lower
// is negative; a zero upper counts as nothing reached.
int CGradientBar::reachedWidth() const {
    if (m_upper == 0)
        return 0;
    return int(double(m_position) / double(m_upper) * double(width()));
}

QString CGradientBar::percentageText() const {
    const double percent = m_upper == 0 ? 0.0 : double(m_position) * 100.0 / double(m_upper);
    return QString::asprintf("%.0f%%", percent);
}

void CGradientBar::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (!positionInsideRange()) {
        painter.fillRect(rect(), palette().color(QPalette::Button));
        return;
    }
    QPixmap offscreen(size());
    offscreen.fill(m_backgroundColor);
    {
        QPainter buffer(&offscreen);
        paintGradient(buffer, reachedWidth());
    }
    painter.drawPixmap(0, 0, offscreen);
    if (m_showPercentage) {
        painter.setPen(m_textColor);
        painter.setBackgroundMode(Qt::TransparentMode);
        painter.drawText(rect(), Qt::AlignCenter | Qt::TextSingleLine, percentageText());
    }
}

// One band per step of the channel that changes most. Each band is painted whole, so the
// gradient may run up to one band past the reached width; the rest is background.
void CGradientBar::paintGradient(QPainter& painter, int reached) const {
    const int deltas[3] = {m_endColor.red() - m_startColor.red(),
                           m_endColor.green() - m_startColor.green(),
                           m_endColor.blue() - m_startColor.blue()};
    const int bands = std::max({std::abs(deltas[0]), std::abs(deltas[1]), std::abs(deltas[2])});
    const int w = width();
    const int bottom = height() + 1;
    if (bands == 0) {
        // Equal colours: the reached part in that colour.
        painter.fillRect(QRect(0, 0, std::clamp(reached, 0, w), bottom), m_startColor);
        return;
    }
    const double bandWidth = double(w) / bands;
    const double increments[3] = {double(deltas[0]) / bands, double(deltas[1]) / bands,
                                  double(deltas[2]) / bands};
    for (int i = 0; i < bands; ++i) {
        const int left = int(i * bandWidth);
        const int right = int((i + 1) * bandWidth);
        const QColor color(int(m_startColor.red() + i * increments[0]),
                           int(m_startColor.green() + i * increments[1]),
                           int(m_startColor.blue() + i * increments[2]));
        painter.fillRect(QRect(left, 0, right - left, bottom), color);
        if (right > reached) {
            painter.fillRect(QRect(right, 0, w - right, bottom), m_backgroundColor);
            return;
        }
    }
}
