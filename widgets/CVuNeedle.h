#pragma once

#include <QColor>
#include <QPointF>
#include <QWidget>

// The needle of a meter printed on the picture under it: a line from the pivot at the angle
// given (degrees from upright, left negative), dimmed where the picture's shade band crosses
// it, with the pivot's cap drawn over its foot. The widget paints nothing else.
class CVuNeedle : public QWidget {
    Q_OBJECT
public:
    struct Shape {
        QPointF pivot;   // in the widget
        double length;   // from the pivot to the tip
        double shadeTop; // the needle is dimmed below this line
        double capRadius;
        QColor colour;
    };

    CVuNeedle(const Shape& shape, QWidget* parent);

    void setAngle(double degrees);
    double angle() const { return m_angle; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Shape m_shape;
    double m_angle = 0.0;
};
