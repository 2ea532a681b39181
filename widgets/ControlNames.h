#pragma once

#include <QString>

class QWidget;

// Gives a control the name a person says (read by screen readers and by scripts over the
// accessibility bus) and a tooltip of the same words with its key, e.g. "Rename (F2)".
void nameControl(QWidget& control, const QString& name, const QString& key = {});
