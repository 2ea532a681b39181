#include "library/SearchCommand.h"

#include "browser/StartSound.h"
#include "core/BrowserView.h"
#include "core/CommandIds.h"
#include "core/CommandTable.h"
#include "core/FeatureContext.h"
#include "core/Settings.h"
#include "core/WindowFrame.h"
#include "library/IndexPlaces.h"
#include "library/TagsDialog.h"
#include "platform/NativeName.h"
#include "platform/Services.h"
#include "platform/Ui.h"

#include <QShortcut>
#include <QTimer>

namespace {

std::function<LibraryKeeper::Covered()> coveredFolders(const FeatureContext& context) {
    return [&settings = context.settings, &places = context.places] {
        return LibraryKeeper::Covered{indexplaces::topFolders(settings, places),
                                      indexplaces::depth(settings)};
    };
}

// Enter on a found sound: the window shows its folder with it selected.
SearchPanel::OpenSound soundShower(const FeatureContext& context) {
    return [&files = context.services.files, window = context.window,
            &ui = context.services.ui](const QString& path) {
        showStartSound(path, files, window.browser, window.list, ui);
    };
}

} // namespace

SearchCommand::SearchCommand(CommandTable& commands, const FeatureContext& context)
    : m_window(*context.window.frame.dialogParent()),
      m_keeper(std::make_unique<LibraryKeeper>(indexplaces::indexFile(context.places),
                                               coveredFolders(context))),
      m_panel(new SearchPanel(m_keeper->index(), soundShower(context), &m_window)) {
    m_panel->setGeometry(context.window.frame.listArea());
    auto* shortcut = new QShortcut(QKeySequence(Qt::ControlModifier | Qt::Key_F), &m_window);
    shortcut->setContext(Qt::WindowShortcut);
    QObject::connect(shortcut, &QShortcut::activated, m_panel, &SearchPanel::start);
    QObject::connect(m_panel, &SearchPanel::started, m_keeper.get(), &LibraryKeeper::rescan);
    QObject::connect(m_keeper.get(), &LibraryKeeper::rescanned, m_panel, &SearchPanel::refresh);
    QTimer::singleShot(0, m_keeper.get(), &LibraryKeeper::rescan);
    if (const QString problem = m_keeper->problem(); !problem.isEmpty())
        QTimer::singleShot(0, m_keeper.get(), [&ui = context.services.ui, problem] {
            ui.messageBox(problem, ui.appTitle(), MsgButtons::Ok, MsgIcon::Exclamation);
        });
    declareTags(commands, context);
}

SearchCommand::~SearchCommand() = default;

void SearchCommand::measureLoudnessWith(LibraryKeeper::MeasureLoudness measure) {
    m_keeper->measureLoudnessWith(std::move(measure));
}

void SearchCommand::declareTags(CommandTable& commands, const FeatureContext& context) {
    commands.declare(
        {cmd::SoundTags, QStringLiteral("Sound &Tags..."), {}, [this, window = context.window] {
             ISoundList& list = window.list;
             IBrowserWindow& browser = window.browser;
             const int row = list.selectedRow();
             if (row < 0)
                 return;
             const SoundRow sound = list.row(row);
             showTags(browser.currentFolder() + QLatin1Char('/') +
                      rowFileName(sound.name, sound.file));
         }});
}

void SearchCommand::showTags(const QString& path) {
    ISoundIndex* index = m_keeper->index();
    if (!index)
        return;
    const QByteArray bytes = indexPath(path);
    const QByteArray folder = bytes.left(bytes.lastIndexOf('/'));
    // A sound newer than the last rescan: its folder is read into the index at once.
    TagsDialog dialog(
        *index, bytes,
        [index, folder, covered = m_keeper->covered()] {
            IndexScanner scanner(*index, covered.depth);
            scanner.setCollection(covered.tops);
            return scanner.scan({folder}, IndexScanner::Covers::TopsOnly).problems.isEmpty();
        },
        &m_window);
    dialog.exec();
}
