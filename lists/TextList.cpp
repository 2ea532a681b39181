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

void writeHead(ListText& text, const QString& folder) {
    text.line(kHyphens).line(L("-  Tembrel Files List  -")).line(kHyphens).line(kBlanks);
    text.put(L("Directory of ")).line(folder).line(kBlanks);
}

void writeTail(ListText& text, int itemCount) {
    text.line(kBlanks).line(kHyphens);
    text.put(L("  ")).put(itemCount).put(L(" files"));
}

} // namespace

const ListLayout& textListLayout() {
    static const ListLayout layout{writeHead, writeEntry, writeTail};
    return layout;
}

QByteArray writeTextList(const QString& folder, const ListEntries& list) {
    return writeList(textListLayout(), folder, list);
}
