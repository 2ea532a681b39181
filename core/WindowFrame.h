#pragma once

#include "core/WindowPlacement.h"

#include <QCursor>

class QWidget;

// The main window's frame, as the features that open windows see it.
class IWindowFrame : public IWindowPlacement {
public:
    // The owner of the dialogs a feature opens.
    virtual QWidget* dialogParent() = 0;
    // The cursor theme's busy cursor.
    virtual QCursor busyCursor() const = 0;
};
