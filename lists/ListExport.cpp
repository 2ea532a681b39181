#include "lists/ListExport.h"

#include "lists/HtmlList.h"
#include "lists/ListEntries.h"
#include "lists/TextList.h"
#include "lists/WebPage.h"
#include "platform/AtomicFileWriter.h"
#include "platform/FileSystem.h"
#include "platform/ProgramDirectory.h"
#include "platform/RawFile.h"

#include <QFile>
#include <QFileInfo>

namespace {

const char* const kWebImages[] = {"wav_file.gif", "Tembrel.gif"};

QString imageSource(const QString& programDir, const QString& name) {
    return programDir + QStringLiteral("Bin/Images/") + name;
}

std::optional<QByteArray> regularFileBytes(const QString& path) {
    auto file = RegularFile::open(path);
    if (!file)
        return std::nullopt;
    return file->readAll().value_or(QByteArray());
}

// The first bytes of the file at path, when it is a regular file: enough to tell whose page
// it is without reading a page of many megabytes.
std::optional<QByteArray> regularFileHead(const QString& path) {
    const RawFile file(path);
    if (!file.regularSize())
        return std::nullopt;
    return file.readAt(0, 4096);
}

void copyWebImages(const QString& folder, ListTools& tools) {
    for (const char* image : kWebImages) {
        const QString name = QString::fromLatin1(image);
        const QString source = imageSource(tools.programDir, name);
        const QString target = pathhelp::join(folder, name);
        // A copy from an earlier page stays as it is: replacing it would write the same bytes.
        const std::optional<QByteArray> there = regularFileBytes(target);
        if (there && there == regularFileBytes(source))
            continue;
        // The page refers to the image whether or not it could be copied.
        (void)tools.files.copyFile(source, target, true);
    }
}

const ListLayout& layoutOf(ListKind kind) {
    switch (kind) {
    case ListKind::Text:
        return textListLayout();
    case ListKind::Html:
        return htmlListLayout();
    case ListKind::Web:
        break;
    }
    return webPageLayout();
}

// The list goes to the file entry by entry while the next headers are read. Only the web page
// guards its entries: it stops at a file that is there but cannot be read; the other lists
// pass over such a file as over a missing one.
std::optional<QString> streamList(ListKind kind, const QString& folder, const ListedNames& sounds,
                                  ListTools& tools, AtomicFileWriter& file) {
    // A failed append fails the commit: the rest of the list is then dropped.
    ListStream stream(layoutOf(kind), folder,
                      [&](std::string_view bytes) { (void)file.append(bytes); });
    const UnreadableFile onUnreadable =
        kind == ListKind::Web ? UnreadableFile::Stop : UnreadableFile::Skip;
    const ListEntries list =
        gatherListEntries(folder, sounds, tools.files, tools.player, onUnreadable,
                          [&](const ListEntry& entry) { stream.add(entry); });
    stream.finish(list.itemCount);
    return list.failedName;
}

QString cannotWriteText(const QString& path) {
    return QStringLiteral("The list could not be saved as file '%1'.\n"
                          "Check that the folder still exists and that you may write to it.")
        .arg(path);
}

} // namespace

std::expected<WrittenList, QString> writeListFile(ListKind kind, const QString& folder,
                                                  const ListedNames& sounds, ListTools& tools) {
    const QString path = pathhelp::join(folder, listFileName(kind));
    if (kind == ListKind::Web)
        copyWebImages(folder, tools);
    AtomicFileWriter file(path);
    std::optional<QString> failedName = streamList(kind, folder, sounds, tools, file);
    if (!file.commit())
        return std::unexpected(cannotWriteText(path));
    return WrittenList{path, std::move(failedName)};
}

std::optional<QString> foreignWebFile(const QString& folder, const QString& programDir) {
    const QString page = pathhelp::join(folder, listFileName(ListKind::Web));
    if (const std::optional<QByteArray> bytes = regularFileHead(page);
        bytes && !isOwnWebPage(*bytes))
        return page;
    for (const char* image : kWebImages) {
        const QString name = QString::fromLatin1(image);
        const QString target = pathhelp::join(folder, name);
        const std::optional<QByteArray> there = regularFileBytes(target);
        const std::optional<QByteArray> ours = regularFileBytes(imageSource(programDir, name));
        // An image is replaced only by a copy of the program's own.
        if (there && ours && *there != *ours)
            return target;
    }
    return std::nullopt;
}
