// Hooks the commands of the feature folders into the main window. Each feature keeps its
// handlers in its own folder and registers them here by their command identifiers.
#include "browser/CTembrelDlg.h"
#include "lists/ListCommands.h"
#include "operations/OperationCommands.h"
#include "operations/RecordCommand.h"

void CTembrelDlg::installFeatureCommands() {
    installRecording(*this);
    installListCommands(*this);
    installOperations(*this);
}
