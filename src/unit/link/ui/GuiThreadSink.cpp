#include "unit/link/ui/GuiThreadSink.h"

#include <QMetaObject>
#include <QObject>
#include <QThread>

namespace kiv {

MsgAnswer CGuiThreadSink::Ask(const Message& message) {
    if (QThread::currentThread() == context_->thread()) return inner_.Ask(message);
    MsgAnswer answer = MsgAnswer::Cancel;
    QMetaObject::invokeMethod(
        context_, [&] { answer = inner_.Ask(message); }, Qt::BlockingQueuedConnection);
    return answer;
}

std::optional<std::string> CGuiThreadPrompt::Ask(const std::string& caption,
                                                 const std::string& prompt,
                                                 const std::string& preset) {
    if (QThread::currentThread() == context_->thread()) return inner_.Ask(caption, prompt, preset);
    std::optional<std::string> answer;
    QMetaObject::invokeMethod(
        context_, [&] { answer = inner_.Ask(caption, prompt, preset); },
        Qt::BlockingQueuedConnection);
    return answer;
}

} // namespace kiv
