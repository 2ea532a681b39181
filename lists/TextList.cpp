#include "lists/TextList.h"

#include "lists/ListFormat.h"

namespace {

using L = QLatin1StringView;

const L kHyphens("------------------------------");
const L kBlanks("                              ");

void writeEntry(ListText& text, const ListEntry& entry) {
    text.put(entry.number).put(L(". ")).put(entry.name).put(L("....")).put(entry.size);
    text.put(L(" bytes (")).put(fixed2(entry.kilobytes())).put(L(" KB)...."));
    text.put(fixed2(entry.playTime())).put(L(" sec....")).line(entry.info.channelsText);
}

} // namespace

QByteArray writeTextList(const QString& folder, const ListEntries& list) {
    ListText text;
    text.reserve(200 + qsizetype(list.entries.size()) * 80);
    text.line(kHyphens).line(L("-  Tembrel Files List  -")).line(kHyphens).line(kBlanks);
    text.put(L("Directory of ")).line(folder).line(kBlanks);
    for (const ListEntry& entry : list.entries)
        writeEntry(text, entry);
    text.line(kBlanks).line(kHyphens);
    text.put(L("  ")).put(list.itemCount).put(L(" files"));
    return text.bytes();
}
