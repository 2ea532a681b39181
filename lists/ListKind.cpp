#include "lists/ListKind.h"

QString listFileName(ListKind kind) {
    switch (kind) {
    case ListKind::Text:
        return QStringLiteral("FilesList.txt");
    case ListKind::Html:
        return QStringLiteral("FilesList.htm");
    case ListKind::Web:
        return QStringLiteral("index.html");
    }
    return {};
}

std::optional<ListKind> listKindFromWord(const QString& word) {
    if (word == QLatin1StringView("text"))
        return ListKind::Text;
    if (word == QLatin1StringView("html"))
        return ListKind::Html;
    if (word == QLatin1StringView("web"))
        return ListKind::Web;
    return std::nullopt;
}
