#pragma once

#include "lists/ListEntries.h"
#include "lists/ListStream.h"

#include <QByteArray>

// The plain-text list "FilesList.txt": a framed title, the folder, one numbered line per found
// sound and the count of every listed name.
const ListLayout& textListLayout();
QByteArray writeTextList(const QString& folder, const ListEntries& list);
