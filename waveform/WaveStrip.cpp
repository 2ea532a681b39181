#include "waveform/WaveStrip.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QTimerEvent>

namespace {

constexpr int kDragStartPixels = 3;
constexpr int kCursorIntervalMs = 30;
// Stereo is drawn as two lanes when each gets at least this many pixels, else folded.
constexpr int kSmallestLane = 24;

} // namespace

WaveStrip::WaveStrip(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName(QStringLiteral("Waveform"));
    setMouseTracking(true); // the hand over a region that can be dragged out
    stateChanged();
}

void WaveStrip::setSound(qint64 frames, int sampleRate) {
    m_peaks.reset();
    m_columns.clear();
    m_state.setSound(frames, sampleRate);
    showStopped();
    stateChanged();
}

void WaveStrip::setPeaks(std::shared_ptr<const SoundPeaks> peaks) {
    const bool sameSound =
        peaks && peaks->frames == m_state.frames() && peaks->sampleRate == m_state.sampleRate();
    m_peaks = std::move(peaks);
    m_columns.clear();
    if (m_peaks && !sameSound) {
        m_state.setSound(m_peaks->frames, m_peaks->sampleRate);
        stateChanged();
    }
    update();
}

void WaveStrip::clear() {
    setSound(0, 0);
}

void WaveStrip::stateChanged() {
    setAccessibleDescription(m_state.spokenText());
    update();
}

qint64 WaveStrip::frameAt(int x) const {
    if (width() <= 0)
        return 0;
    return m_state.frames() * std::clamp(x, 0, width()) / width();
}

int WaveStrip::xOf(qint64 frame) const {
    return m_state.frames() > 0 ? int(frame * width() / m_state.frames()) : 0;
}

void WaveStrip::showPlaying(FrameRange range, bool loop) {
    m_playing = range;
    m_looping = loop;
    m_playClock.start();
    m_cursorTimer.start(kCursorIntervalMs, this);
    update();
}

void WaveStrip::showStopped() {
    m_cursorTimer.stop();
    update();
}

qint64 WaveStrip::cursorFrame() const {
    if (m_state.sampleRate() <= 0 || m_playing.length() <= 0)
        return m_playing.start;
    qint64 played = m_playClock.elapsed() * m_state.sampleRate() / 1000;
    if (m_looping)
        played %= m_playing.length();
    return std::min(m_playing.start + played, m_playing.end);
}

void WaveStrip::timerEvent(QTimerEvent* event) {
    if (event->timerId() != m_cursorTimer.timerId())
        return QWidget::timerEvent(event);
    if (!m_looping && cursorFrame() >= m_playing.end)
        m_cursorTimer.stop();
    update();
}

void WaveStrip::resizeEvent(QResizeEvent*) {
    m_columns.clear();
}

void WaveStrip::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Base));
    if (m_peaks && m_columns.empty())
        m_columns = columnsOf(*m_peaks, width());
    paintRegion(painter);
    paintLanes(painter);
    paintMarks(painter);
}

// Under the outline, so the outline shows through it.
void WaveStrip::paintRegion(QPainter& painter) {
    const auto region = m_state.region();
    if (!region)
        return;
    QColor shade = palette().color(QPalette::Highlight);
    shade.setAlpha(70);
    const int left = xOf(region->start);
    const int right = std::min(xOf(region->end), width() - 1);
    painter.fillRect(QRect(QPoint(left, 0), QPoint(right, height() - 1)), shade);
    painter.setPen(palette().color(QPalette::Highlight).lighter(140));
    painter.drawLine(left, 0, left, height() - 1);
    painter.drawLine(right, 0, right, height() - 1);
}

void WaveStrip::paintLanes(QPainter& painter) {
    if (m_columns.empty() || !m_peaks)
        return;
    const bool apart = m_peaks->lanes == 2 && height() >= 2 * kSmallestLane;
    const int laneCount = apart ? 2 : 1;
    const int laneHeight = height() / laneCount;
    painter.setPen(palette().color(QPalette::Highlight));
    for (int lane = 0; lane < laneCount; ++lane) {
        const int middle = lane * laneHeight + laneHeight / 2;
        const double scale = (laneHeight / 2 - 1) / 32768.0;
        for (int x = 0; x < int(m_columns.size()); ++x) {
            const ColumnPeak& column = m_columns[size_t(x)];
            int low = column.low[size_t(lane)];
            int high = column.high[size_t(lane)];
            if (!apart && m_peaks->lanes == 2) {
                low = std::min(low, int(column.low[1]));
                high = std::max(high, int(column.high[1]));
            }
            painter.drawLine(x, middle - int(high * scale), x, middle - int(low * scale));
        }
    }
}

// The play point is a line with a notch at the top; the moving cursor a plain line.
void WaveStrip::paintMarks(QPainter& painter) {
    const QColor text = palette().color(QPalette::Text);
    if (m_state.frames() > 0) {
        const int point = std::min(xOf(m_state.playPoint()), width() - 1);
        painter.setPen(text);
        painter.drawLine(point, 0, point, height() - 1);
        const QPoint notch[] = {{point - 3, 0}, {point + 3, 0}, {point, 3}};
        painter.setBrush(text);
        painter.drawPolygon(notch, 3);
    }
    if (m_cursorTimer.isActive()) {
        const int cursor = std::min(xOf(cursorFrame()), width() - 1);
        painter.setPen(text);
        painter.drawLine(cursor, 0, cursor, height() - 1);
    }
    painter.setBrush(Qt::NoBrush);
    QColor edge = palette().color(QPalette::Highlight);
    edge.setAlpha(80);
    painter.setPen(hasFocus() ? QPen(text, 1, Qt::DotLine) : QPen(edge));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

bool WaveStrip::insideRegion(int x) const {
    const auto region = m_state.region();
    return m_regionDraggable && region && x >= xOf(region->start) && x <= xOf(region->end);
}

void WaveStrip::showDragCursor(int x) {
    if (insideRegion(x))
        setCursor(Qt::OpenHandCursor);
    else
        unsetCursor();
}

void WaveStrip::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || m_state.frames() <= 0)
        return QWidget::mousePressEvent(event);
    const int x = int(event->position().x());
    const bool extend = event->modifiers() & Qt::ShiftModifier;
    m_pressed = true;
    m_dragged = extend;
    m_pressPoint = event->position().toPoint();
    m_pressedInRegion = !extend && insideRegion(x);
    if (m_pressedInRegion)
        return; // the region stays until the mouse tells a drag from a click
    m_state.press(frameAt(x), extend);
    stateChanged();
    if (m_dragged)
        emit regionChanged();
}

void WaveStrip::mouseMoveEvent(QMouseEvent* event) {
    const int x = int(event->position().x());
    if (!m_pressed) {
        showDragCursor(x);
        return QWidget::mouseMoveEvent(event);
    }
    if (m_pressedInRegion) {
        const QPoint moved = event->position().toPoint() - m_pressPoint;
        if (moved.manhattanLength() >= QApplication::startDragDistance()) {
            m_pressed = false; // the drag takes the mouse from here
            m_pressedInRegion = false;
            emit regionDragStarted();
        }
        return;
    }
    if (!m_dragged && std::abs(x - m_pressPoint.x()) < kDragStartPixels)
        return;
    m_dragged = true;
    m_state.dragTo(frameAt(x));
    stateChanged();
    emit regionChanged();
}

void WaveStrip::mouseReleaseEvent(QMouseEvent* event) {
    if (!m_pressed || event->button() != Qt::LeftButton)
        return QWidget::mouseReleaseEvent(event);
    m_pressed = false;
    if (m_pressedInRegion) {
        // A click inside the region: as anywhere else, the region goes and play starts there.
        m_pressedInRegion = false;
        m_state.press(frameAt(m_pressPoint.x()), false);
        stateChanged();
        emit regionChanged();
        unsetCursor();
    }
    if (!m_dragged)
        emit playFromRequested(m_state.playPoint());
}

void WaveStrip::contextMenuEvent(QContextMenuEvent* event) {
    QMenu menu(this);
    QAction* save = menu.addAction(QStringLiteral("&Save Region as New Sound...\tCtrl+S"));
    save->setEnabled(m_state.region().has_value());
    if (menu.exec(event->globalPos()) == save)
        emit saveRegionRequested();
}

void WaveStrip::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Save) && m_state.region()) {
        emit saveRegionRequested();
        return;
    }
    switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Right:
        m_state.step(event->key() == Qt::Key_Left ? -1 : 1);
        stateChanged();
        return;
    case Qt::Key_Escape:
        if (m_state.region()) {
            m_state.clearRegion();
            stateChanged();
            emit regionChanged();
            return;
        }
        break;
    default:
        break;
    }
    QWidget::keyPressEvent(event);
}
