#include "dialogs/NmTypingWatch.h"

#include "platform/ui/CEdit.h"

#include <QLineEdit>

void WatchTyping(CEdit& edit, std::function<void()> typed) {
    auto* line = qobject_cast<QLineEdit*>(edit.GetWidget());
    if (!line)
        return;
    QObject::connect(line, &QLineEdit::textEdited, line, [typed = std::move(typed)] { typed(); });
}
