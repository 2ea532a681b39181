#include "widgets/CFlatScrollBars.h"

#include "widgets/FlatFrames.h"

#include <QAbstractScrollArea>
#include <QPainter>
#include <QProxyStyle>
#include <QScrollBar>
#include <QStyleOptionSlider>

namespace {

// Draws scroll bars flat over the geometry of the application's style.
class FlatScrollBarStyle final : public QProxyStyle {
public:
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                            QPainter* painter, const QWidget* widget) const override {
        const auto* bar = qstyleoption_cast<const QStyleOptionSlider*>(option);
        if (control != CC_ScrollBar || !bar) {
            QProxyStyle::drawComplexControl(control, option, painter, widget);
            return;
        }
        const FlatColours c = FlatColours::from(option->palette);
        painter->fillRect(option->rect, c.face.lighter(104));
        for (SubControl part : {SC_ScrollBarSubLine, SC_ScrollBarAddLine, SC_ScrollBarSlider})
            drawPart(*bar, part, *painter, widget, c);
    }

private:
    void drawPart(const QStyleOptionSlider& bar, SubControl part, QPainter& painter,
                  const QWidget* widget, const FlatColours& c) const {
        const QRect r = subControlRect(CC_ScrollBar, &bar, part, widget);
        if (r.isEmpty())
            return;
        painter.fillRect(r, c.face);
        const bool enabled = bar.state & State_Enabled;
        const bool pressed =
            enabled && (bar.activeSubControls & part) && (bar.state & State_Sunken);
        const bool hot = enabled && (bar.activeSubControls & part) && (bar.state & State_MouseOver);
        if (pressed)
            drawFlatFrame(painter, r, c.shadow, c.highlight);
        else if (hot || part == SC_ScrollBarSlider)
            drawFlatFrame(painter, r, c.highlight, c.shadow);
        if (part != SC_ScrollBarSlider)
            drawArrow(bar, part, r, painter, widget);
    }

    void drawArrow(const QStyleOptionSlider& bar, SubControl part, const QRect& r,
                   QPainter& painter, const QWidget* widget) const {
        const bool vertical = bar.orientation == Qt::Vertical;
        const bool up = part == SC_ScrollBarSubLine;
        const PrimitiveElement arrow = vertical
                                           ? (up ? PE_IndicatorArrowUp : PE_IndicatorArrowDown)
                                           : (up ? PE_IndicatorArrowLeft : PE_IndicatorArrowRight);
        QStyleOption arrowOption = bar;
        arrowOption.rect = r.adjusted(3, 3, -3, -3);
        arrowOption.state &= ~(State_Sunken | State_MouseOver);
        drawPrimitive(arrow, &arrowOption, &painter, widget);
    }
};

} // namespace

// The style belongs to the window; its scroll bars are its children, made before it, so they
// are gone before the style is.
void CFlatScrollBars::Initialize(QAbstractScrollArea* window) {
    m_window = window;
    if (!window)
        return;
    auto* style = new FlatScrollBarStyle;
    style->setParent(window);
    for (QScrollBar* bar : {window->horizontalScrollBar(), window->verticalScrollBar()}) {
        bar->setStyle(style);
        bar->setAttribute(Qt::WA_Hover);
    }
}

QScrollBar* CFlatScrollBars::barOf(Qt::Orientation bar) const {
    if (!m_window)
        return nullptr;
    return bar == Qt::Horizontal ? m_window->horizontalScrollBar() : m_window->verticalScrollBar();
}

void CFlatScrollBars::EnableBar(Qt::Orientations bars, bool enable) {
    for (Qt::Orientation o : {Qt::Horizontal, Qt::Vertical})
        if (QScrollBar* bar = barOf(o); bar && bars.testFlag(o))
            bar->setEnabled(enable);
}

void CFlatScrollBars::SetBarPos(Qt::Orientation bar, int position, bool redraw) {
    QScrollBar* target = barOf(bar);
    if (!target)
        return;
    target->setValue(position);
    if (redraw)
        target->update();
}

bool CFlatScrollBars::isFlat(const QScrollBar& bar) const {
    return dynamic_cast<const FlatScrollBarStyle*>(bar.style()) != nullptr;
}
