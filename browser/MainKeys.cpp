#include "browser/MainKeys.h"

#include "browser/CTembrelDlg.h"
#include "browser/CommandActions.h"
#include "browser/MainMenus.h"
#include "core/CommandIds.h"
#include "widgets/SortedListBox.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
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

// Alt pressed and released with no other key or click in between opens the main pop-up, as
// it opens the menu bar of other programs.
class AltOpensMenu : public QObject {
public:
    explicit AltOpensMenu(CTembrelDlg& window) : QObject(&window), m_window(window) {
        qApp->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        switch (event->type()) {
        case QEvent::KeyPress: {
            const auto* key = static_cast<QKeyEvent*>(event);
            m_armed = key->key() == Qt::Key_Alt && !key->isAutoRepeat() && inWindow(watched);
            break;
        }
        case QEvent::KeyRelease:
            if (m_armed && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Alt) {
                m_armed = false;
                m_window.onCommand(cmd::Menu);
                return true;
            }
            break;
        case QEvent::MouseButtonPress:
        case QEvent::FocusOut:
            m_armed = false;
            break;
        default:
            break;
        }
        return false;
    }

private:
    bool inWindow(QObject* watched) const {
        const auto* widget = qobject_cast<QWidget*>(watched);
        return widget && widget->window() == &m_window && m_window.isActiveWindow();
    }

    CTembrelDlg& m_window;
    bool m_armed = false;
};

// Space presses a button that has the focus; anywhere else it plays or stops.
void spaceKey(CTembrelDlg& window) {
    if (auto* button = qobject_cast<QAbstractButton*>(window.focusWidget())) {
        button->click();
        return;
    }
    window.onCommand(window.isSounding() ? cmd::Stop : cmd::Play);
}

} // namespace

void installMainKeys(CTembrelDlg& window) {
    installCommandKeys(window, window.commands());
    addShortcut(window, QKeyCombination(Qt::Key_Space), [&window] { spaceKey(window); });
    new AltOpensMenu(window);
    const auto soundPopup = [&window] {
        showPopupMenu(window, kContextPopup, popupPosition(window));
    };
    addShortcut(window, QKeyCombination(Qt::ShiftModifier, Qt::Key_F10), soundPopup);
    addShortcut(window, QKeyCombination(Qt::Key_Menu), soundPopup);
}
