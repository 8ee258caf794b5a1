#include "platform/ui/SysColors.h"

#include "platform/ui/GdiObjects.h"

#include <QGuiApplication>
#include <QPalette>

namespace {

// The system colour of inactive window borders (the configuration dialog's background).
constexpr int kInactiveBorder = 11;

std::optional<QPalette::ColorRole> roleOf(int index) {
    switch (index) {
    case COLOR_WINDOW:
        return QPalette::Base;
    case COLOR_WINDOWTEXT:
        return QPalette::Text;
    case COLOR_WINDOWFRAME:
        return QPalette::WindowText;
    case COLOR_SCROLLBAR:
    case COLOR_ACTIVEBORDER:
    case kInactiveBorder:
    case COLOR_BTNFACE:
        return QPalette::Button;
    case COLOR_BTNTEXT:
        return QPalette::ButtonText;
    case COLOR_HIGHLIGHT:
        return QPalette::Highlight;
    case COLOR_HIGHLIGHTTEXT:
        return QPalette::HighlightedText;
    case COLOR_BTNSHADOW:
        return QPalette::Dark;
    case COLOR_3DDKSHADOW:
        return QPalette::Shadow;
    case COLOR_BTNHIGHLIGHT:
        return QPalette::Light;
    case COLOR_GRAYTEXT:
        return QPalette::PlaceholderText;
    default:
        return std::nullopt;
    }
}

} // namespace

bool SysColorsFromPalette() {
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        return false;
    return QGuiApplication::palette().color(QPalette::Window).lightness() < 128;
}

std::optional<COLORREF> PaletteSysColor(int index) {
    std::optional<QPalette::ColorRole> role = roleOf(index);
    if (!role || !SysColorsFromPalette())
        return std::nullopt;
    QColor c = QGuiApplication::palette().color(QPalette::Active, *role);
    return RGB(c.red(), c.green(), c.blue());
}
