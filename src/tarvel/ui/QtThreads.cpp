#include "tarvel/ui/QtThreads.h"

#include <QThread>

#include <memory>

namespace kiv {

CLineMonitor::ThreadLauncher QtThreads() {
    return [](std::function<void()> body) -> std::function<void()> {
        std::shared_ptr<QThread> thread(QThread::create(std::move(body)));
        thread->start();
        return [thread] { thread->wait(); };
    };
}

} // namespace kiv
