#pragma once

#include <QByteArray>
#include <QString>
#include <vector>

class ISettings;
class IProgramPlaces;

namespace indexplaces {

// The index file: beside the data file in a program directory, in the user's data folder
// (…/tembrel/library.db) for an installed program: where the collection lives.
QString indexFile(const IProgramPlaces& places);
// The lock that lets one program at a time write the index.
QByteArray lockFile(const QString& indexFile);

// The folders the index covers: the main directory and every favourite folder.
std::vector<QByteArray> topFolders(const ISettings& settings, const IProgramPlaces& places);
// How deep below each top folder the index goes (keys::kIndexDepth), within 0 .. 64.
int depth(const ISettings& settings);

} // namespace indexplaces
