#include "recording/RecordFileName.h"

#include <limits>

QString chooseRecordStem(const QString& baseName, int soundCount,
                         const std::function<bool(const QString& stem)>& isTaken) {
    // A folder holds finitely many files, so a free number is always found well before the
    // numbers run out.
    for (qint64 number = qint64(soundCount) + 1; number < std::numeric_limits<qint64>::max();
         ++number) {
        const QString stem = baseName + QString::number(number);
        if (!isTaken(stem))
            return stem;
    }
    return baseName;
}
