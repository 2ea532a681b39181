#pragma once

#include <QString>
#include <QStringList>
#include <expected>
#include <optional>

// What the user typed into the search, taken apart. Plain words match the start of any word
// of a sound's name, folder, tags or text; "tag:NAME" asks for a tag, "sec:<2" (also ">",
// "=", or no sign for "=") for a play time and "ch:mono" / "ch:stereo" (or a number) for the
// channels. Every part must hold.
struct SoundQuery {
    QStringList words;
    QStringList tags;
    // Play time bounds in seconds: at least minSeconds, less than maxSeconds.
    std::optional<double> minSeconds;
    std::optional<double> maxSeconds;
    std::optional<int> channels;

    bool isEmpty() const {
        return words.isEmpty() && tags.isEmpty() && !minSeconds && !maxSeconds && !channels;
    }
};

// The query, or what is wrong with a part of it.
std::expected<SoundQuery, QString> parseSoundQuery(const QString& text);
