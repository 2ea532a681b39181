#include "browser/BrowsePreview.h"

#include "browser/CTembrelDlg.h"
#include "core/CommandIds.h"
#include "core/Settings.h"
#include "widgets/SortedListBox.h"

namespace {
bool previewWhileBrowsing(const ISettings& settings) {
    return settings.read(keys::kPreview) == 1;
}
} // namespace

void installBrowsePreview(CTembrelDlg& window, const ISettings& settings) {
    QObject::connect(&window.list(), &SortedListBox::selectionMovedByUser, &window,
                     [&window, &settings] {
                         if (!previewWhileBrowsing(settings))
                             return;
                         window.onCommand(cmd::Stop);
                         window.onCommand(cmd::Play);
                     });
}
