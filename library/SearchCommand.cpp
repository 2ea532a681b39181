#include "library/SearchCommand.h"

#include "core/BrowserView.h"
#include "core/CommandIds.h"
#include "core/CommandTable.h"
#include "core/Settings.h"
#include "library/IndexPlaces.h"
#include "library/TagsDialog.h"
#include "platform/NativeName.h"
#include "platform/Ui.h"

#include <QShortcut>
#include <QTimer>

SearchCommand::SearchCommand(QWidget& window, const QRect& listArea, const ISettings& settings,
                             const IProgramPlaces& places, IUi& ui,
                             SearchPanel::OpenSound openSound)
    : m_window(window),
      m_keeper(std::make_unique<LibraryKeeper>(indexplaces::indexFile(places),
                                               [&settings, &places] {
                                                   return LibraryKeeper::Covered{
                                                       indexplaces::topFolders(settings, places),
                                                       indexplaces::depth(settings)};
                                               })),
      m_panel(new SearchPanel(m_keeper->index(), std::move(openSound), &window)) {
    m_panel->setGeometry(listArea);
    auto* shortcut = new QShortcut(QKeySequence(Qt::ControlModifier | Qt::Key_F), &window);
    shortcut->setContext(Qt::WindowShortcut);
    QObject::connect(shortcut, &QShortcut::activated, m_panel, &SearchPanel::start);
    QObject::connect(m_panel, &SearchPanel::started, m_keeper.get(), &LibraryKeeper::rescan);
    QObject::connect(m_keeper.get(), &LibraryKeeper::rescanned, m_panel, &SearchPanel::refresh);
    QTimer::singleShot(0, m_keeper.get(), &LibraryKeeper::rescan);
    if (const QString problem = m_keeper->problem(); !problem.isEmpty())
        QTimer::singleShot(0, m_keeper.get(), [&ui, problem] {
            ui.messageBox(problem, ui.appTitle(), MsgButtons::Ok, MsgIcon::Exclamation);
        });
}

SearchCommand::~SearchCommand() = default;

void SearchCommand::measureLoudnessWith(LibraryKeeper::MeasureLoudness measure) {
    m_keeper->measureLoudnessWith(std::move(measure));
}

void SearchCommand::installTags(CommandTable& commands, ISoundList& list, IBrowserWindow& browser) {
    commands.declare(
        {cmd::SoundTags, QStringLiteral("Sound &Tags..."), {}, [this, &list, &browser] {
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
