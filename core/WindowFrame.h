#pragma once

#include "core/WindowPlacement.h"

#include <QCursor>
#include <QRect>

class QWidget;

// The main window's frame, as the features that open windows see it.
class IWindowFrame : public IWindowPlacement {
public:
    // The owner of the dialogs a feature opens.
    virtual QWidget* dialogParent() = 0;
    // The cursor theme's busy cursor.
    virtual QCursor busyCursor() const = 0;
    // Where the sound list sits in the dialog parent.
    virtual QRect listArea() const = 0;
};
