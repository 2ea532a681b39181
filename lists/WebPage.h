#pragma once

#include "lists/ListEntries.h"
#include "lists/ListFormat.h"

#include <QByteArray>
#include <functional>
#include <string_view>

// The web index "index.html": a white page with the banner image, the folder and a two-row
// table block per found sound with its download link. Refers to "Tembrel.gif" and
// "wav_file.gif" in its own folder. When gathering stopped early, the entries gathered so far
// are written and the page is closed all the same.
QByteArray writeWebPage(const QString& folder, const ListEntries& list);

// The same page made row by row as the entries come, its bytes handed to send in parts of
// some kilobytes, never the whole page at once.
class WebPageStream {
public:
    using Send = std::function<void(std::string_view)>;
    WebPageStream(const QString& folder, Send send);

    void add(const ListEntry& entry);
    // Closes the page and sends the rest of it.
    void finish();

private:
    void sendWhenLong();

    Send m_send;
    ListText m_text;
};

// True when page is a web index this program wrote: its fixed opening lines are there. Any
// other page in a folder is the user's own.
bool isOwnWebPage(const QByteArray& page);
