#include "lists/ListCommands.h"

#include "core/BrowserView.h"
#include "core/CommandIds.h"
#include "core/CommandTable.h"
#include "core/FeatureContext.h"
#include "core/Settings.h"
#include "core/WindowFrame.h"
#include "lists/ListExport.h"
#include "platform/Services.h"

#include <QApplication>

namespace {

struct ListCommand {
    int id;
    const char* menuText;
    ListKind kind;
    const char* createQuestion;
    const char* openQuestion;
    const char* openCaption;
};

constexpr ListCommand kCommands[] = {
    {cmd::TextList, "As &Text File", ListKind::Text,
     "Are you sure you want to make list of files in current directory?",
     "List was saved as file 'FilesList.txt'.\nDo you want to read it now?", "Confirm to read"},
    {cmd::HtmlList, "As &HTML File", ListKind::Html,
     "Are you sure you want to create HTML file with list of files in current directory?",
     "List was saved as file 'FilesList.htm'.\nDo you want to read it now?", "Confirm to read"},
    {cmd::WebPage, "As &WEB Page", ListKind::Web,
     "Are you sure you want to create WEB style index with list of files in current directory?",
     "List was saved as Web style page 'index.html'.\nDo you want to open it now?",
     "Confirm to open"},
};

// The window's busy cursor for as long as it lives.
class BusyCursor {
public:
    explicit BusyCursor(const IWindowFrame& frame) {
        QApplication::setOverrideCursor(frame.busyCursor());
    }
    ~BusyCursor() { QApplication::restoreOverrideCursor(); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};

// The list's rows, taken once: the names are listed in the order shown.
ListedNames shownNames(const ISoundList& list) {
    const int count = list.rowCount();
    ListedNames sounds;
    sounds.names.reserve(count);
    for (int row = 0; row < count; ++row) {
        const SoundRow sound = list.row(row);
        sounds.names.append(sound.name);
        if (sound.file != sound.name + QStringLiteral(".wav")) {
            sounds.files.resize(row);
            sounds.files.append(sound.file);
        }
    }
    return sounds;
}

bool confirmed(IUi& ui, const char* question, const char* caption) {
    return ui.messageBox(QString::fromUtf8(question), QString::fromUtf8(caption),
                         MsgButtons::OkCancel, MsgIcon::None) == MsgResult::Ok;
}

void reportStop(IUi& ui, const QString& name) {
    ui.messageBox(QStringLiteral("There is the problem with some file names\nand HTML "
                                 "tags.Try to rename file ") +
                      name,
                  ui.appTitle(), MsgButtons::Ok, MsgIcon::Exclamation);
}

// The web page replaces without a word only the files the program wrote itself.
bool mayReplaceWebFiles(const FeatureContext& context) {
    const std::optional<QString> foreign =
        foreignWebFile(context.window.browser.currentFolder(), context.places.programDir());
    if (!foreign)
        return true;
    const QString question =
        QStringLiteral("The file '%1' was not made by this program.\nDo you want to replace it?")
            .arg(*foreign);
    return context.services.ui.messageBox(question, QStringLiteral("Confirm to replace file"),
                                          MsgButtons::OkCancel,
                                          MsgIcon::Exclamation) == MsgResult::Ok;
}

void saveList(const FeatureContext& context, const ListCommand& command) {
    Services& services = context.services;
    if (!confirmed(services.ui, command.createQuestion, "Confirm to create"))
        return;
    if (command.kind == ListKind::Web && !mayReplaceWebFiles(context))
        return;
    std::expected<WrittenList, QString> written;
    {
        const BusyCursor busy(context.window.frame);
        ListTools tools{services.files, context.player, context.places.programDir()};
        written = writeListFile(command.kind, context.window.browser.currentFolder(),
                                shownNames(context.window.list), tools);
    }
    if (!written) {
        services.ui.messageBox(written.error(), QStringLiteral("Error"), MsgButtons::Ok,
                               MsgIcon::Stop);
        return;
    }
    if (written->failedName) {
        reportStop(services.ui, *written->failedName);
        return;
    }
    if (confirmed(services.ui, command.openQuestion, command.openCaption))
        services.desktop.openDocument(written->path);
}

} // namespace

void installListCommands(CommandTable& commands, const FeatureContext& context) {
    for (const ListCommand& command : kCommands)
        commands.declare({command.id, QString::fromUtf8(command.menuText), {}, [context, &command] {
                              saveList(context, command);
                          }});
}
