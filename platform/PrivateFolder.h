#pragma once

#include <QString>

// Makes path a folder only this user can enter (mode 0700) when nothing is there yet. True when
// path is then such a folder: a real folder, not a link, that this user owns with mode 0700. A
// folder another user made, a link or a looser mode is left alone and gives false.
bool makePrivateFolder(const QString& path);
