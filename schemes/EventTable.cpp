#include "schemes/EventTable.h"

#include "platform/RegistryText.h"

QString EventKeyPath(const EventSlot& slot) {
    return QStringLiteral("AppEvents\\Schemes\\Apps\\.Default\\") + QLatin1String(slot.eventKey) +
           QStringLiteral("\\.Current");
}

namespace {

QString sectionOf(const EventSlot& slot) {
    return QLatin1Char('[') + EventKeyPath(slot) + QLatin1Char(']');
}

} // namespace

const EventSlot* slotForCaption(const QString& caption) {
    for (const auto& slot : kEventSlots)
        if (caption == QLatin1String(slot.caption))
            return &slot;
    return nullptr;
}

const EventSlot* slotForKeyPath(const QString& eventKeyPath) {
    for (const auto& slot : kEventSlots)
        if (eventKeyPath == EventKeyPath(slot))
            return &slot;
    return nullptr;
}

QString SectionForCaption(const QString& caption) {
    const EventSlot* slot = slotForCaption(caption);
    return slot ? sectionOf(*slot) : QString();
}

QString ThemeFileNameForSection(const QString& section) {
    for (const auto& slot : kEventSlots)
        if (section == sectionOf(slot))
            return QLatin1String(slot.themeFileName);
    return {};
}

QByteArray registrySeed(const QString& themesFolder) {
    RegKeys keys;
    for (const auto& slot : kEventSlots)
        keys.append({QStringLiteral("HKEY_CURRENT_USER\\") + EventKeyPath(slot), {}});
    keys.append({QStringLiteral("HKEY_LOCAL_MACHINE\\") + QLatin1String(kThemesKeyPath),
                 {{QStringLiteral("Path"), themesFolder, false}}});
    return renderRegText(keys);
}
