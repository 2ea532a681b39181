#pragma once

#include "library/LibraryKeeper.h"
#include "library/SearchPanel.h"

#include <memory>

class CommandTable;
struct FeatureContext;

// Search over the whole collection in the main window: Ctrl+F shows the search panel over the
// window's list; the index is rescanned in the background at start and each time a search
// starts, and the panel follows each rescan. "Sound Tags..." keeps the selected sound's tags.
class SearchCommand {
public:
    SearchCommand(CommandTable& commands, const FeatureContext& context);
    ~SearchCommand();

    SearchPanel& panel() { return *m_panel; }
    // Sounds are measured with measure after each rescan (until then, not at all).
    void measureLoudnessWith(LibraryKeeper::MeasureLoudness measure);
    LibraryKeeper& keeper() { return *m_keeper; }

private:
    void declareTags(CommandTable& commands, const FeatureContext& context);
    void showTags(const QString& path);

    QWidget& m_window;
    std::unique_ptr<LibraryKeeper> m_keeper;
    SearchPanel* m_panel; // owned by the window
};
