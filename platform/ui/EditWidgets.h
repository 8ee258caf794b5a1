#pragma once
// Internal to the window layer: the multi-line form of "EDIT" windows (ES_MULTILINE), made of a
// Qt plain-text edit. Its window text keeps the framework's "\r\n" line ends; the widget shows
// lines. Return and Escape reach the window as WM_KEYDOWN, losing the focus as WM_KILLFOCUS.

#include "platform/ui/WinTypes.h"

#include <string>

class QKeyEvent;
class QWidget;

QWidget* MakeMultiLineEditWidget(QWidget* parent, DWORD style, HWND hwnd);
// Selects characters start … end − 1 of the window text (counting "\r\n" as two) and scrolls
// the selection into view; false when the widget is not a multi-line edit.
bool SetMultiLineSel(QWidget* widget, int start, int end);
// Where character `index` of a text with "\r\n" line ends lies in the same text shown with
// "\n" line ends.
int ShownPosition(const std::string& text, int index);
// Tells the window of an edit widget about Return, Escape and losing the focus.
void ForwardEditKey(QWidget* widget, WPARAM key);
// Forwards Return and Escape; true when the key was one of them (the widget then ignores it).
bool ForwardEndingKey(QWidget* widget, const QKeyEvent* event);
void ForwardEditFocusLoss(QWidget* widget);
