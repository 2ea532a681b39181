#pragma once

// Where the main window stands while another window has the screen.
class IWindowPlacement {
public:
    virtual ~IWindowPlacement() = default;
    virtual void minimise() = 0;
    // Moves the window to the screen's corner, remembering where it was.
    virtual void moveToCorner() = 0;
    // Undoes minimise() or moveToCorner().
    virtual void restore() = 0;
};
