#pragma once

#include <QBasicTimer>
#include <QPointer>
#include <QSvgRenderer>
#include <QWidget>

// The start picture: shown over the main window for 1500 ms, then it goes by itself and the
// main window is repainted. At most one exists at a time.
class CSplashWnd : public QWidget {
    Q_OBJECT
public:
    static constexpr int kShowMs = 1500;

    static void EnableSplashScreen(bool enable);
    // Shows the picture over parent unless the splash is off or one is already up.
    static void ShowSplashScreen(QWidget* parent);
    static CSplashWnd* current();

protected:
    void paintEvent(QPaintEvent* event) override;
    void timerEvent(QTimerEvent* event) override;

private:
    explicit CSplashWnd(QWidget* parent);
    void HideSplashScreen();

    static inline bool s_enabled = false;
    static inline QPointer<CSplashWnd> s_current;
    QSvgRenderer m_picture;
    QPointer<QWidget> m_parent;
    QBasicTimer m_timer;
};
