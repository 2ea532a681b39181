#pragma once

#include <QString>
#include <functional>

// The stem of a new recording's file: the base name followed by the number after the folder's
// sound count, or by the next number whose name is free. A recording never replaces a file.
QString chooseRecordStem(const QString& baseName, int soundCount,
                         const std::function<bool(const QString& stem)>& isTaken);
