#include "platform/ui/ToolTip.h"

#include "platform/ui/CWnd.h"
#include "platform/ui/OctetText.h"

#include <QWidget>

void SetToolTip(CWnd* wnd, const std::string& octets) {
    if (QWidget* widget = wnd ? wnd->GetWidget() : nullptr)
        widget->setToolTip(TextFromOctets(octets));
}

std::string GetToolTip(const CWnd* wnd) {
    const QWidget* widget = wnd ? wnd->GetWidget() : nullptr;
    return widget ? OctetsFromText(widget->toolTip()) : std::string();
}
