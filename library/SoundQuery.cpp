#include "library/SoundQuery.h"

#include <QRegularExpression>
#include <cmath>

namespace {

std::expected<void, QString> mistake(const QString& what) {
    return std::unexpected(what);
}

// "=2" holds from 1.5 to 2.5: half a unit of the last digit given either way.
std::expected<void, QString> addSeconds(SoundQuery& query, const QString& value) {
    static const QRegularExpression form(QStringLiteral("^([<>=]?)(\\d+(?:\\.(\\d*))?)$"));
    const QRegularExpressionMatch match = form.match(value);
    if (!match.hasMatch())
        return mistake(
            QStringLiteral("\"sec:%1\" needs a number of seconds, as in sec:<2").arg(value));
    const QString sign = match.captured(1);
    const double seconds = match.captured(2).toDouble();
    if (sign == QLatin1String("<"))
        query.maxSeconds = seconds;
    else if (sign == QLatin1String(">"))
        query.minSeconds = std::nextafter(seconds, INFINITY);
    else {
        const double half = 0.5 * std::pow(10.0, -double(match.captured(3).size()));
        query.minSeconds = seconds - half;
        query.maxSeconds = seconds + half;
    }
    return {};
}

std::expected<void, QString> addChannels(SoundQuery& query, const QString& value) {
    bool number = false;
    const int count = value.toInt(&number);
    if (value.compare(QLatin1String("mono"), Qt::CaseInsensitive) == 0)
        query.channels = 1;
    else if (value.compare(QLatin1String("stereo"), Qt::CaseInsensitive) == 0)
        query.channels = 2;
    else if (number && count > 0)
        query.channels = count;
    else
        return mistake(QStringLiteral("\"ch:%1\" should be ch:mono or ch:stereo").arg(value));
    return {};
}

std::expected<void, QString> addPart(SoundQuery& query, const QString& part) {
    const qsizetype colon = part.indexOf(QLatin1Char(':'));
    const QString key = part.left(colon).toLower();
    const QString value = part.mid(colon + 1);
    if (colon > 0 && key == QLatin1String("tag")) {
        if (value.isEmpty())
            return mistake(QStringLiteral("\"tag:\" needs a tag name"));
        query.tags.append(value);
        return {};
    }
    if (colon > 0 && key == QLatin1String("sec"))
        return addSeconds(query, value);
    if (colon > 0 && key == QLatin1String("ch"))
        return addChannels(query, value);
    query.words.append(part);
    return {};
}

} // namespace

std::expected<SoundQuery, QString> parseSoundQuery(const QString& text) {
    SoundQuery query;
    for (const QString& part :
         text.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts)) {
        const auto added = addPart(query, part);
        if (!added)
            return std::unexpected(added.error());
    }
    return query;
}
