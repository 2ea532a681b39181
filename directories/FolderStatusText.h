#pragma once

#include <QString>

// The folder browser's status line: a path longer than 35 characters shows its first 35
// followed by "..."; a shorter one shows whole.
inline constexpr int kStatusTextLimit = 35;
QString shortenStatusText(const QString& path);
