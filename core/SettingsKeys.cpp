#include "core/SettingsKeys.h"

namespace keys {

Text favoriteFolder(int number) {
    return {QStringLiteral("User_Directory"), QStringLiteral("User_Directory%1").arg(number)};
}

settings::Entry entry(const Text& key, const QString& value) {
    return {key.section, key.key, value};
}

settings::Entry entry(const Number& key, int value) {
    return {key.section, key.key, QString::number(value)};
}

} // namespace keys
