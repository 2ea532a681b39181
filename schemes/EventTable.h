#pragma once

#include "core/CommandIds.h"

#include <QByteArray>
#include <QString>
#include <array>

// The twelve system events whose sounds the program can set, in display order. The command
// ids are not in that order and the theme file names do not follow the captions: both are
// fixed names other programs know.
struct EventSlot {
    const char* caption;       // "Mail Notification"
    const char* menuText;      // "Mail &Notification"
    int commandId;             // cmd::AssignMailNotification
    const char* eventKey;      // "MailBeep"
    const char* themeFileName; // "notify.wav"
    const char* desktopEvent;  // the freedesktop sound name the Linux desktop plays
};

inline constexpr std::array<EventSlot, 12> kEventSlots{{
    {"Default Sound", "&Default Sound", cmd::AssignDefaultSound, ".Default", "default sound.wav",
     "bell"},
    {"Start Windows", "Start &Windows", cmd::AssignStartWindows, "SystemStart", "startup.wav",
     "desktop-login"},
    {"Exit Windows", "&Exit Windows", cmd::AssignExitWindows, "SystemExit", "system exit.wav",
     "desktop-logout"},
    {"Menu Popup", "&Menu Popup", cmd::AssignMenuPopup, "MenuPopup", "menu popup.wav",
     "menu-popup"},
    {"Menu Command", "M&enu Command", cmd::AssignMenuCommand, "MenuCommand", "menu command.wav",
     "menu-click"},
    {"Maximize", "M&aximize", cmd::AssignMaximize, "Maximize", "maximize.wav", "window-maximized"},
    {"Minimize", "M&inimize", cmd::AssignMinimize, "Minimize", "minimize.wav", "window-minimized"},
    {"Restore Up", "Restore &Up", cmd::AssignRestoreUp, "RestoreUp", "restore up.wav",
     "window-unminimized"},
    {"Restore Down", "Restore &Down", cmd::AssignRestoreDown, "RestoreDown", "restore down.wav",
     "window-unmaximized"},
    {"Open Program", "&Open Program", cmd::AssignOpenProgram, "Open", "open.wav", "window-new"},
    {"Close Program", "&Close Program", cmd::AssignCloseProgram, "Close", "close.wav",
     "window-close"},
    {"Mail Notification", "Mail &Notification", cmd::AssignMailNotification, "MailBeep",
     "notify.wav", "message-new-email"},
}};

// "AppEvents\Schemes\Apps\.Default\" + eventKey + "\.Current"
QString EventKeyPath(const EventSlot& slot);
// "[" + EventKeyPath + "]" of the row whose caption matches exactly; "" when none does.
QString SectionForCaption(const QString& caption);
// The themeFileName of the row whose section header matches exactly; "" when none does.
QString ThemeFileNameForSection(const QString& section);
// The row whose EventKeyPath matches exactly, or nullptr.
const EventSlot* slotForKeyPath(const QString& eventKeyPath);
const EventSlot* slotForCaption(const QString& caption);

// The keys a fresh store holds: the twelve events' ".Current" keys (no value yet) and the
// themes folder under the App Paths key of the theme program.
QByteArray registrySeed(const QString& themesFolder);

inline constexpr const char* kThemesKeyPath =
    "Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\THEMES.EXE";
