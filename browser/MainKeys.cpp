#include "browser/MainKeys.h"

#include "browser/CTembrelDlg.h"
#include "browser/CommandActions.h"
#include "browser/MainMenus.h"
#include "core/CommandIds.h"
#include "widgets/SortedListBox.h"

#include <QShortcut>

namespace {

// Under the selected row, or the list's top left when nothing is selected.
QPoint popupPosition(CTembrelDlg& window) {
    SortedListBox& list = window.list();
    const QRect row = list.visualRect(list.model()->index(list.curSel(), 0));
    const QPoint inList = row.isValid() ? row.bottomLeft() + QPoint(16, 0) : QPoint(0, 0);
    return list.viewport()->mapToGlobal(inList);
}

void addShortcut(CTembrelDlg& window, QKeyCombination key, std::function<void()> run) {
    auto* shortcut = new QShortcut(QKeySequence(key), &window);
    shortcut->setContext(Qt::WindowShortcut);
    QObject::connect(shortcut, &QShortcut::activated, &window, std::move(run));
}

} // namespace

void installMainKeys(CTembrelDlg& window) {
    installCommandKeys(window, window.commands());
    addShortcut(window, QKeyCombination(Qt::Key_Space),
                [&window] { window.onCommand(window.isSounding() ? cmd::Stop : cmd::Play); });
    const auto soundPopup = [&window] {
        showPopupMenu(window, kContextPopup, popupPosition(window));
    };
    addShortcut(window, QKeyCombination(Qt::ShiftModifier, Qt::Key_F10), soundPopup);
    addShortcut(window, QKeyCombination(Qt::Key_Menu), soundPopup);
}
