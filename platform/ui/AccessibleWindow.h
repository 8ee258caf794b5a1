#pragma once
// Internal to the window layer: the accessibility interface of every plain window, built from
// what the window answers to WM_GETOBJECT. A window that does not answer is described by the
// layer: a top-level window by its title, a control by the label placed before it.

#include "platform/ui/AccessibleInfo.h"

class QWidget;

namespace AccessibleWindows {

// Puts the interface factory on the application once.
void Install();
// A window built of stock Qt parts that still describes itself by WM_GETOBJECT (a tab control's
// frame); windows of the layer's own widget always do.
void DescribeByMessages(QWidget* window);
// The text a screen reader reads for a control that names nothing itself: the label placed
// just before it in its dialog's template.
void SetLabel(QWidget* control, const std::string& label);
// Tells a listening screen reader that part `item` of the window (-1: the window) changed.
void Notify(QWidget* window, AccEvent event, int item);

} // namespace AccessibleWindows
