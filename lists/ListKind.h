#pragma once

#include <QString>
#include <optional>

// The three lists of the current folder's sounds.
enum class ListKind { Text, Html, Web };

// The file each list is written to, inside the listed folder.
QString listFileName(ListKind kind);
// The word that names a list on the command line: "text", "html" or "web".
std::optional<ListKind> listKindFromWord(const QString& word);
