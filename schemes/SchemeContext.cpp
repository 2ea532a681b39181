#include "schemes/SchemeContext.h"

#include "core/Settings.h"
#include "platform/RegistryFileStore.h"
#include "platform/Services.h"

SchemeContext schemeContext(Services& services, const IProgramPlaces& places) {
    return {services.ui,
            *services.registry,
            services.files,
            services.desktop,
            services.sounds,
            places.helpPage(QStringLiteral("belvane.html")),
            userDataHome() + QStringLiteral("/sounds"),
            services.eventSounds};
}
