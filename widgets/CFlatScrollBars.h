#pragma once

#include <QPointer>
#include <Qt>

class QAbstractScrollArea;
class QScrollBar;

// Gives a window's scroll bars the flat look: no bevels, a raised edge only on the part under
// the pointer and a sunken one on the part pressed. Without a window every call does nothing.
class CFlatScrollBars {
public:
    void Initialize(QAbstractScrollArea* window);
    void EnableBar(Qt::Orientations bars, bool enable);
    void SetBarPos(Qt::Orientation bar, int position, bool redraw);
    bool isFlat(const QScrollBar& bar) const;

private:
    QScrollBar* barOf(Qt::Orientation bar) const;

    QPointer<QAbstractScrollArea> m_window;
};
