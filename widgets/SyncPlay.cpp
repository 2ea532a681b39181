#include "widgets/SyncPlay.h"

#include "platform/audio/AudioDevices.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

namespace {

bool isUserInput(QEvent::Type type) {
    switch (type) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::ContextMenu:
        return true;
    default:
        return false;
    }
}

// Keeps the user's input away from every window while the sound plays.
class InputShield : public QObject {
public:
    InputShield(ISoundPlayer& player, QWidget& window) : m_player(player), m_window(window) {
        QCoreApplication::instance()->installEventFilter(this);
    }
    ~InputShield() override { QCoreApplication::instance()->removeEventFilter(this); }

protected:
    bool eventFilter(QObject* target, QEvent* event) override {
        if (event->type() == QEvent::Close && target == &m_window)
            m_player.stopSync();
        if (event->type() == QEvent::KeyPress &&
            static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape)
            m_player.stopSync();
        return isUserInput(event->type());
    }

private:
    ISoundPlayer& m_player;
    QWidget& m_window;
};

} // namespace

void playSyncUntilEscape(ISoundPlayer& player, const QString& path, QWidget& window, float gain) {
    const InputShield shield(player, window);
    (void)player.playSync(path, gain);
}
