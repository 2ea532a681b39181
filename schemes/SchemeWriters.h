#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <optional>

// One row of the scheme builder as the writers see it.
struct SchemeRow {
    QString fileName; // the chosen sound's file name as the row shows it; empty: no sound
    QString filePath; // where that sound really is (it may come from any folder)
    QString caption;  // the event the row's combo box shows; empty when none is chosen
};

// "[" + EventKeyPath + "]" of the row's event; "" when the row has no event.
QString RowSection(const SchemeRow& row);
// The name the row's sound gets inside the theme's folder: "My Theme notify.wav".
QString themeCopyName(const QString& themeName, const SchemeRow& row);

// The desktop theme file (sound entries only), CR LF line ends, UTF-8. Rows without a sound
// write nothing; the others write their section in row order, an unknown event an empty one.
QByteArray themeFileText(const QString& themeName, const QList<SchemeRow>& rows);

// The REGEDIT4 script that sets each row's event to the row's sound, CR LF line ends. Rows
// without a sound or an event write nothing. A path beyond ASCII is written as hex(1) UTF-16LE
// so that a reader gets it back letter for letter, whatever its code page.
QByteArray registryScriptText(const QList<SchemeRow>& rows);
// The first path a script would have to write that a value line cannot hold (a line break).
std::optional<QString> unscriptablePath(const QList<SchemeRow>& rows);
// True when the bytes begin as every script of registryScriptText does, so a file of that name
// may be replaced without asking.
bool isOurRegistryScript(const QByteArray& bytes);
