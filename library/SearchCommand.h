#pragma once

#include "library/LibraryKeeper.h"
#include "library/SearchPanel.h"

#include <QRect>
#include <memory>

class CommandTable;
class IBrowserWindow;
class ISettings;
class ISoundList;
class IProgramPlaces;
class IUi;

// Search over the whole collection in the main window: Ctrl+F shows the search panel over the
// list area of window; the index is rescanned in the background at start and each time a
// search starts, and the panel follows each rescan. The selected sound's tags are kept from
// its pop-up menu.
class SearchCommand {
public:
    SearchCommand(QWidget& window, const QRect& listArea, const ISettings& settings,
                  const IProgramPlaces& places, IUi& ui, SearchPanel::OpenSound openSound);
    // "Sound Tags...": the selected sound's tags and loudness.
    void installTags(CommandTable& commands, ISoundList& list, IBrowserWindow& browser);
    ~SearchCommand();

    SearchPanel& panel() { return *m_panel; }
    // Sounds are measured with measure after each rescan (until then, not at all).
    void measureLoudnessWith(LibraryKeeper::MeasureLoudness measure);
    LibraryKeeper& keeper() { return *m_keeper; }

private:
    void showTags(const QString& path);

    QWidget& m_window;
    std::unique_ptr<LibraryKeeper> m_keeper;
    SearchPanel* m_panel; // owned by the window
};
