#include "dialogs/NmTypingWatch.h"

#include "platform/ui/CEdit.h"

#include <QLineEdit>

void WatchTyping(CEdit& edit, std::function<void(const std::string&)> typed) {
    auto* line = qobject_cast<QLineEdit*>(edit.GetWidget());
    if (!line)
        return;
    QObject::connect(
        line, &QLineEdit::textEdited, line,
        [typed = std::move(typed)](const QString& text) { typed(text.toStdString()); });
}
