#include "app/CSplashWnd.h"

#include <QPainter>
#include <QScreen>
#include <QTimerEvent>

void CSplashWnd::EnableSplashScreen(bool enable) {
    s_enabled = enable;
}

CSplashWnd* CSplashWnd::current() {
    return s_current.data();
}

void CSplashWnd::ShowSplashScreen(QWidget* parent) {
    if (!s_enabled || s_current)
        return;
    auto* splash = new CSplashWnd(parent);
    if (!splash->m_picture.isValid()) {
        delete splash; // no picture, no splash; start goes on
        return;
    }
    s_current = splash;
    splash->show();
    splash->repaint();
}

CSplashWnd::CSplashWnd(QWidget* parent)
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      m_picture(QStringLiteral(":/art/splash.svg")), m_parent(parent) {
    setAttribute(Qt::WA_DeleteOnClose);
    if (!m_picture.isValid())
        return;
    setFixedSize(m_picture.defaultSize());
    if (const QScreen* screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());
    m_timer.start(kShowMs, this);
}

void CSplashWnd::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    m_picture.render(&painter, rect());
}

void CSplashWnd::timerEvent(QTimerEvent* event) {
    if (event->timerId() == m_timer.timerId())
        HideSplashScreen();
}

void CSplashWnd::HideSplashScreen() {
    m_timer.stop();
    close(); // deletes the window; the guarded pointer clears itself
    if (m_parent)
        m_parent->repaint();
}
