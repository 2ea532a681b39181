#include "lists/TextList.h"

#include "lists/ListFormat.h"

namespace {

const QLatin1StringView kHyphens("------------------------------");
const QLatin1StringView kBlanks("                              ");

QString entryLine(const ListEntry& entry) {
    return QString::number(entry.number) + QLatin1StringView(". ") + entry.name +
           QLatin1StringView("....") + QString::number(entry.size) + QLatin1StringView(" bytes (") +
           fixed2(entry.kilobytes()) + QLatin1StringView(" KB)....") + fixed2(entry.playTime()) +
           QLatin1StringView(" sec....") + entry.info.channelsText;
}

} // namespace

QByteArray writeTextList(const QString& folder, const ListEntries& list) {
    ListText text;
    text.reserve(200 + qsizetype(list.entries.size()) * 80);
    text.line(kHyphens).line(QLatin1StringView("-  Tembrel Files List  -")).line(kHyphens);
    text.line(kBlanks).line(QLatin1StringView("Directory of ") + folder).line(kBlanks);
    for (const ListEntry& entry : list.entries)
        text.line(entryLine(entry));
    text.line(kBlanks).line(kHyphens);
    text.put(QLatin1StringView("  ") + QString::number(list.itemCount) +
             QLatin1StringView(" files"));
    return text.bytes();
}
