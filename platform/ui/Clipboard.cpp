#include "platform/ui/Clipboard.h"
#include "platform/ui/OctetText.h"

#include <QClipboard>
#include <QGuiApplication>

void SetClipboardText(const std::string& text) {
    if (QClipboard* clipboard = QGuiApplication::clipboard())
        clipboard->setText(TextFromOctets(text));
}

std::string GetClipboardText() {
    QClipboard* clipboard = QGuiApplication::clipboard();
    return clipboard ? OctetsFromText(clipboard->text()) : std::string();
}
