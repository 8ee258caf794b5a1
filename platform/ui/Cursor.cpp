#include "platform/ui/Cursor.h"

#include "platform/ui/WindowSystem.h"

#include <QWidget>

namespace {
HCURSOR g_current = IDC_ARROW;

Qt::CursorShape shapeOf(HCURSOR c) {
    switch (c) {
    case IDC_IBEAM:
        return Qt::IBeamCursor;
    case IDC_WAIT:
        return Qt::WaitCursor;
    case IDC_CROSS:
        return Qt::CrossCursor;
    case IDC_SIZEWE:
        return Qt::SizeHorCursor;
    case IDC_SIZENS:
        return Qt::SizeVerCursor;
    default:
        return Qt::ArrowCursor;
    }
}
} // namespace

HCURSOR LoadCursor(HINSTANCE instance, std::uintptr_t id) {
    if (instance != 0)
        return 0;
    switch (id) {
    case IDC_ARROW:
    case IDC_IBEAM:
    case IDC_WAIT:
    case IDC_CROSS:
    case IDC_SIZEWE:
    case IDC_SIZENS:
        return id;
    default:
        return 0;
    }
}

HCURSOR SetCursor(HCURSOR cursor) {
    HCURSOR old = g_current;
    g_current = cursor;
    if (WindowRecord* rec = WindowSystem::Find(WindowSystem::MouseWindow()))
        rec->widget->setCursor(shapeOf(cursor));
    return old;
}

HCURSOR GetCursor() {
    return g_current;
}
