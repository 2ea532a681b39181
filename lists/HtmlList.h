#pragma once

#include "lists/ListEntries.h"
#include "lists/ListStream.h"

#include <QByteArray>

// The HTML list "FilesList.htm": a blue page with the folder and a bulleted list in which
// every found sound links to its file.
const ListLayout& htmlListLayout();
QByteArray writeHtmlList(const QString& folder, const ListEntries& list);
