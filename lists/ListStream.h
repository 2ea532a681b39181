#pragma once

#include "lists/ListEntries.h"
#include "lists/ListFormat.h"

#include <QByteArray>
#include <functional>
#include <string_view>

// How one kind of list lays out its opening, each found sound and its close.
struct ListLayout {
    void (*head)(ListText& text, const QString& folder);
    void (*entry)(ListText& text, const ListEntry& entry);
    void (*tail)(ListText& text, int itemCount); // itemCount: every listed name
};

// A list made entry by entry as the entries come, its bytes handed to send in parts of some
// kilobytes, never the whole list at once.
class ListStream {
public:
    using Send = std::function<void(std::string_view)>;
    ListStream(const ListLayout& layout, const QString& folder, Send send);

    void add(const ListEntry& entry);
    // Closes the list and sends the rest of it.
    void finish(int itemCount);

private:
    void sendWhenLong();

    const ListLayout& m_layout;
    Send m_send;
    ListText m_text;
};

// The whole list of the gathered entries at once.
QByteArray writeList(const ListLayout& layout, const QString& folder, const ListEntries& list);
