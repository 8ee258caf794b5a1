#pragma once
// A window's tooltip: the whole of a text its window can show only in part.

#include <string>

class CWnd;

// Shows `octets` (UTF-8 or as OctetText reads them) as the tooltip of `wnd`; empty removes it.
void SetToolTip(CWnd* wnd, const std::string& octets);
// The tooltip `wnd` shows, as octets; empty when it has none.
std::string GetToolTip(const CWnd* wnd);
