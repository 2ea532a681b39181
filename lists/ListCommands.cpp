#include "lists/ListCommands.h"

#include "browser/CTembrelDlg.h"
#include "browser/CommandIds.h"
#include "lists/ListExport.h"
#include "widgets/SortedListBox.h"

#include <QApplication>

namespace {

struct ListCommand {
    int id;
    ListKind kind;
    const char* createQuestion;
    const char* openQuestion;
    const char* openCaption;
};

constexpr ListCommand kCommands[] = {
    {cmd::TextList, ListKind::Text,
     "Are you sure you want to make list of files in current directory?",
     "List was saved as file 'FilesList.txt'.\nDo you want to read it now?", "Confirm to read"},
    {cmd::HtmlList, ListKind::Html,
     "Are you sure you want to create HTML file with list of files in current directory?",
     "List was saved as file 'FilesList.htm'.\nDo you want to read it now?", "Confirm to read"},
    {cmd::WebPage, ListKind::Web,
     "Are you sure you want to create WEB style index with list of files in current directory?",
     "List was saved as Web style page 'index.html'.\nDo you want to open it now?",
     "Confirm to open"},
};

// The window's busy cursor for as long as it lives.
class BusyCursor {
public:
    explicit BusyCursor(const CTembrelDlg& window) {
        QApplication::setOverrideCursor(window.busyCursor());
    }
    ~BusyCursor() { QApplication::restoreOverrideCursor(); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};

// The list's rows, taken once: the names are listed in the order shown.
QStringList shownNames(const SortedListBox& list) {
    QStringList names;
    names.reserve(list.count());
    for (int row = 0; row < list.count(); ++row)
        names.append(list.text(row));
    return names;
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

void saveList(CTembrelDlg& window, const ListCommand& command) {
    Services& services = window.services();
    if (!confirmed(services.ui, command.createQuestion, "Confirm to create"))
        return;
    std::expected<WrittenList, QString> written;
    {
        const BusyCursor busy(window);
        ListTools tools{services.files, window.player(), services.programDir};
        written =
            writeListFile(command.kind, window.currentFolder(), shownNames(window.list()), tools);
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

void installListCommands(CTembrelDlg& window) {
    for (const ListCommand& command : kCommands)
        window.registerCommand(command.id, [&window, &command] { saveList(window, command); });
}
