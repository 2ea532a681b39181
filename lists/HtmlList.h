#pragma once

#include "lists/ListEntries.h"

#include <QByteArray>

// The HTML list "FilesList.htm": a blue page with the folder and a bulleted list in which
// every found sound links to its file.
QByteArray writeHtmlList(const QString& folder, const ListEntries& list);
