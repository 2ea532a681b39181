#include "lists/ListStream.h"

namespace {

constexpr size_t kSendBytes = 64 << 10;

} // namespace

ListStream::ListStream(const ListLayout& layout, const QString& folder, Send send)
    : m_layout(layout), m_send(std::move(send)) {
    m_text.reserve(qsizetype(kSendBytes) + 4096);
    m_layout.head(m_text, folder);
}

void ListStream::add(const ListEntry& entry) {
    m_layout.entry(m_text, entry);
    sendWhenLong();
}

void ListStream::sendWhenLong() {
    if (m_text.view().size() < kSendBytes)
        return;
    m_send(m_text.view());
    m_text.clear();
}

void ListStream::finish(int itemCount) {
    m_layout.tail(m_text, itemCount);
    m_send(m_text.view());
    m_text.clear();
}

QByteArray writeList(const ListLayout& layout, const QString& folder, const ListEntries& list) {
    QByteArray bytes;
    ListStream stream(layout, folder, [&](std::string_view part) {
        bytes.append(part.data(), qsizetype(part.size()));
    });
    for (const ListEntry& entry : list.entries)
        stream.add(entry);
    stream.finish(list.itemCount);
    return bytes;
}
