#pragma once

#include "lists/ListEntries.h"
#include "lists/ListFormat.h"
#include "lists/ListStream.h"

#include <QByteArray>

// The web index "index.html": a white page with the banner image, the folder and a two-row
// table block per found sound with its download link. Refers to "Tembrel.gif" and
// "wav_file.gif" in its own folder. When gathering stopped early, the entries gathered so far
// are written and the page is closed all the same.
const ListLayout& webPageLayout();
QByteArray writeWebPage(const QString& folder, const ListEntries& list);

// True when page is a web index this program wrote: its fixed opening lines are there. Any
// other page in a folder is the user's own.
bool isOwnWebPage(const QByteArray& page);
