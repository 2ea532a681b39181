#pragma once

#include <QColor>
#include <QWidget>

// A progress bar that paints itself: a colour gradient laid across the whole width is uncovered
// from the left edge up to the position, the rest shows the background colour. The colours
// depend on the place in the bar, not on the position, so a growing position uncovers more of
// the same gradient. A position at or outside either end of the range shows an empty bar in
// the button-face colour.
class CGradientBar : public QWidget {
    Q_OBJECT
public:
    explicit CGradientBar(QWidget* parent = nullptr);

    // Stores the range and puts the position at lower.
    void SetRange(int lower, int upper);
    void SetPos(int position);
    void SetStep(int step);
    // Adds the step to the position; the position is not wrapped at upper.
    void StepIt();

    int lower() const { return m_lower; }
    int upper() const { return m_upper; }
    int pos() const { return m_position; }
    int step() const { return m_step; }

    void setStartColor(const QColor& color);
    void setEndColor(const QColor& color);
    void setBackgroundColor(const QColor& color);
    void setTextColor(const QColor& color);
    void setShowPercentage(bool show);
    QColor startColor() const { return m_startColor; }
    QColor endColor() const { return m_endColor; }
    QColor backgroundColor() const { return m_backgroundColor; }
    bool showPercentage() const { return m_showPercentage; }

    // The text the percentage option prints: position / upper in per cent, no decimals.
    QString percentageText() const;
    // Width in pixels the position has reached: position / upper of the width, cut.
    int reachedWidth() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    bool positionInsideRange() const;
    void paintGradient(QPainter& painter, int reached) const;
    void positionChanged();

    int m_lower = 0;
    int m_upper = 100;
    int m_step = 10;
    int m_position = 0;
    QColor m_startColor{255, 0, 0};
    QColor m_endColor{0, 0, 255};
    QColor m_backgroundColor;
    QColor m_textColor{255, 255, 255};
    bool m_showPercentage = false;
};
