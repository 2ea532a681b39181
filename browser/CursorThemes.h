#pragma once

#include <QString>

// The cursor themes: theme n is row n - 1 of the options sheet's list. Theme 1 uses the
// system's arrow and busy cursors; the others draw cursors from files in Bin/Cursors/.
struct CursorTheme {
    const char* listText;
    const char* normalFile; // relative to the program directory; null for the system cursor
    const char* busyFile;
};

inline constexpr int kCursorThemeCount = 12;

// The theme of number n (1 to 12), or null for any other number.
const CursorTheme* cursorTheme(int number);
