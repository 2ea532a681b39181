#pragma once

#include <QCursor>

class QWidget;

// The main window's frame, as the features that open windows see it.
class IWindowFrame {
public:
    virtual ~IWindowFrame() = default;
    // The owner of the dialogs a feature opens.
    virtual QWidget* dialogParent() = 0;
    virtual void minimise() = 0;
    // Moves the window to the screen's corner, remembering where it was.
    virtual void moveToCorner() = 0;
    // Undoes minimise() or moveToCorner().
    virtual void restore() = 0;
    // The cursor theme's busy cursor.
    virtual QCursor busyCursor() const = 0;
};
