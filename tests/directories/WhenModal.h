#pragma once

#include <QApplication>
#include <QTimer>
#include <functional>
#include <memory>

// Acts on the next modal dialog of type Dialog as soon as it runs (a modal exec() does not
// return until something closes it). The watch ends when the returned timer goes, or after two
// seconds, so a dialog that never came shows up as the test's own failure instead of a hang.
template <class Dialog>
[[nodiscard]] std::unique_ptr<QTimer> whenModal(std::function<void(Dialog&)> action) {
    auto timer = std::make_unique<QTimer>();
    QTimer* watch = timer.get();
    auto ticks = std::make_shared<int>(0);
    QObject::connect(watch, &QTimer::timeout, [watch, ticks, action] {
        auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
        if (!dialog && ++*ticks < 200)
            return;
        watch->stop();
        if (dialog)
            action(*dialog);
    });
    watch->start(10);
    return timer;
}
