#include "widgets/ControlNames.h"

#include <QWidget>

void nameControl(QWidget& control, const QString& name, const QString& key) {
    control.setAccessibleName(name);
    const QString tip = key.isEmpty() ? name : QStringLiteral("%1 (%2)").arg(name, key);
    control.setToolTip(tip);
    // Lists and trees do not hand their tooltip to the accessibility bus themselves.
    control.setAccessibleDescription(tip);
}
