#include "lists/ListExport.h"

#include "lists/HtmlList.h"
#include "lists/ListEntries.h"
#include "lists/TextList.h"
#include "lists/WebPage.h"
#include "platform/AtomicFile.h"
#include "platform/FileSystem.h"
#include "platform/ProgramDirectory.h"

namespace {

void copyWebImages(const QString& folder, ListTools& tools) {
    for (const char* image : {"wav_file.gif", "Tembrel.gif"}) {
        const QString name = QString::fromLatin1(image);
        // The page refers to the image whether or not it could be copied.
        (void)tools.files.copyFile(tools.programDir + QStringLiteral("Bin/Images/") + name,
                                   pathhelp::join(folder, name), true);
    }
}

QByteArray render(ListKind kind, const QString& folder, const ListEntries& list) {
    switch (kind) {
    case ListKind::Text:
        return writeTextList(folder, list);
    case ListKind::Html:
        return writeHtmlList(folder, list);
    case ListKind::Web:
        return writeWebPage(folder, list);
    }
    return {};
}

QString cannotWriteText(const QString& path) {
    return QStringLiteral("The list could not be saved as file '%1'.\n"
                          "Check that the folder still exists and that you may write to it.")
        .arg(path);
}

} // namespace

std::expected<WrittenList, QString> writeListFile(ListKind kind, const QString& folder,
                                                  const QStringList& names, ListTools& tools) {
    if (kind == ListKind::Web)
        copyWebImages(folder, tools);
    // Only the web page guards its entries; the other lists pass over a file they cannot read
    // as they pass over a missing one.
    const UnreadableFile onUnreadable =
        kind == ListKind::Web ? UnreadableFile::Stop : UnreadableFile::Skip;
    const ListEntries list =
        gatherListEntries(folder, names, tools.files, tools.player, onUnreadable);
    const QString path = pathhelp::join(folder, listFileName(kind));
    if (!writeFileAtomically(path, render(kind, folder, list)))
        return std::unexpected(cannotWriteText(path));
    return WrittenList{path, list.failedName};
}
