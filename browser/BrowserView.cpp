#include "browser/BrowserView.h"

int findRow(const ISoundList& list, const QString& name) {
    for (int row = 0, count = list.rowCount(); row < count; ++row)
        if (list.rowText(row).compare(name, Qt::CaseInsensitive) == 0)
            return row;
    return -1;
}
