#include "platform/ui/ButtonControl.h"

#include <algorithm>
#include <string>
#include <vector>

#include "platform/ui/AccessibleInfo.h"
#include "platform/ui/CWnd.h"
#include "platform/ui/ControlStyles.h"
#include "platform/ui/DrawText.h"
#include "platform/ui/TextFit.h"
#include "platform/ui/WindowDC.h"
#include "platform/ui/WindowSystem.h"

#include <QVariant>

namespace {

constexpr const char* kPressedProperty = "taurelPressed";

bool isPressed(const WindowRecord* rec) {
    return rec->widget && rec->widget->property(kPressedProperty).toBool();
}

void setPressed(WindowRecord* rec, bool pressed) {
    if (rec->widget && isPressed(rec) != pressed) {
        rec->widget->setProperty(kPressedProperty, pressed);
        CWnd::FromHandle(rec->hwnd)->Invalidate(FALSE);
    }
}

// Raised: white and light edges top-left, grey and black bottom-right; pressed: the reverse
// pair of single edges and the caption one pixel down and right.
void paintPushButton(CWnd* wnd, CDC& dc, const CRect& all, bool pressed, bool enabled) {
    dc.FillSolidRect(&all, GetSysColor(COLOR_BTNFACE));
    CRect inner(all.left + 1, all.top + 1, all.right - 1, all.bottom - 1);
    if (pressed) {
        dc.Draw3dRect(&all, GetSysColor(COLOR_3DDKSHADOW), GetSysColor(COLOR_BTNHIGHLIGHT));
        dc.Draw3dRect(&inner, GetSysColor(COLOR_BTNSHADOW), GetSysColor(COLOR_BTNFACE));
    } else {
        dc.Draw3dRect(&all, GetSysColor(COLOR_BTNHIGHLIGHT), GetSysColor(COLOR_3DDKSHADOW));
        dc.Draw3dRect(&inner, GetSysColor(COLOR_BTNFACE), GetSysColor(COLOR_BTNSHADOW));
    }
    CRect text(all.left + 2, all.top + 2, all.right - 2, all.bottom - 2);
    if (pressed)
        text.OffsetRect(1, 1);
    dc.SetTextColor(GetSysColor(enabled ? COLOR_BTNTEXT : COLOR_GRAYTEXT));
    DrawText(dc, wnd->GetWindowText(), text, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

// The etched frame starts at half the caption height; the caption sits on the face colour
// 8 pixels from the left, interrupting the top edge.
void paintGroupBox(CWnd* wnd, CDC& dc, const CRect& all) {
    dc.FillSolidRect(&all, GetSysColor(COLOR_BTNFACE));
    std::string caption = wnd->GetWindowText();
    int textHeight = int(dc.GetTextExtent("Xg").cy);
    CRect frame(all.left, all.top + textHeight / 2, all.right, all.bottom);
    dc.Draw3dRect(&frame, GetSysColor(COLOR_BTNSHADOW), GetSysColor(COLOR_BTNHIGHLIGHT));
    CRect inner(frame.left + 1, frame.top + 1, frame.right - 1, frame.bottom - 1);
    dc.Draw3dRect(&inner, GetSysColor(COLOR_BTNHIGHLIGHT), GetSysColor(COLOR_BTNSHADOW));
    if (caption.empty())
        return;
    int width = int(dc.GetTextExtent(caption).cx);
    CRect label(all.left + 8, all.top, all.left + 8 + width + 4, all.top + textHeight);
    dc.FillSolidRect(&label, GetSysColor(COLOR_BTNFACE));
    dc.SetTextColor(GetSysColor(COLOR_BTNTEXT));
    label.left += 2;
    DrawText(dc, caption, label, DT_LEFT | DT_SINGLELINE);
}

void paint(WindowRecord* rec) {
    CWnd* wnd = CWnd::FromHandle(rec->hwnd);
    CPaintDC dc(wnd);
    dc.SelectObject(rec->font);
    CRect all;
    wnd->GetClientRect(&all);
    if ((rec->style & BS_TYPEMASK) == BS_GROUPBOX)
        paintGroupBox(wnd, dc, all);
    else
        paintPushButton(wnd, dc, all, isPressed(rec), wnd->IsWindowEnabled());
}

void click(WindowRecord* rec) {
    HWND self = rec->hwnd;
    if (HWND parent = rec->parent)
        ::SendMessage(parent, WM_COMMAND, MAKEWPARAM(int(rec->id), BN_CLICKED), LPARAM(self));
}

} // namespace

LRESULT ButtonClassProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    WindowRecord* rec = WindowSystem::Find(hwnd);
    if (!rec)
        return 0;
    bool group = (rec->style & BS_TYPEMASK) == BS_GROUPBOX;
    switch (msg) {
    case WM_PAINT:
        paint(rec);
        return 0;
    case WM_SETTEXT:
    case WM_ENABLE: {
        LRESULT r = DefWindowProc(hwnd, msg, wParam, lParam);
        CWnd::FromHandle(hwnd)->Invalidate(FALSE);
        return r;
    }
    case WM_LBUTTONDOWN:
        if (!group) {
            CWnd::FromHandle(hwnd)->SetFocus();
            setPressed(rec, true);
        }
        return 0;
    case WM_MOUSEMOVE:
        if (!group && !(wParam & MK_LBUTTON))
            setPressed(rec, false);
        return 0;
    case WM_LBUTTONUP:
        if (!group && isPressed(rec)) {
            setPressed(rec, false);
            click(rec);
        }
        return 0;
    case WM_KEYDOWN:
        if (!group && wParam == VK_SPACE)
            click(rec);
        return 0;
    case BM_CLICK:
        if (!group && CWnd::FromHandle(hwnd)->IsWindowEnabled())
            click(rec);
        return 0;
    case WM_GETOBJECT: {
        // A group box reads as the frame of what it holds, a push button by its caption.
        auto& info = *reinterpret_cast<AccessibleInfo*>(lParam);
        info.self.role = group ? AccRole::Grouping : AccRole::Button;
        info.self.name = StripMnemonic(CWnd::FromHandle(hwnd)->GetWindowText()).shown;
        info.self.pressed = !group && isPressed(rec);
        info.self.focusable = !group;
        return TRUE;
    }
    default:
        return DefWindowProc(hwnd, msg, wParam, lParam);
    }
}

namespace {

// The words of `text` in lines no wider than `width` (a word wider than that stands alone).
std::vector<std::string> BreakIntoLines(CDC& dc, const std::string& text, int width) {
    std::vector<std::string> lines;
    std::string current;
    std::size_t at = 0;
    while (at < text.size()) {
        std::size_t end = text.find(' ', at);
        std::string word = text.substr(at, end == std::string::npos ? std::string::npos : end - at);
        at = end == std::string::npos ? text.size() : end + 1;
        std::string joined = current.empty() ? word : current + " " + word;
        if (!current.empty() && dc.GetTextExtent(joined).cx > width) {
            lines.push_back(current);
            current = word;
        } else {
            current = joined;
        }
    }
    lines.push_back(current);
    return lines;
}

} // namespace

LRESULT StaticClassProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    WindowRecord* rec = WindowSystem::Find(hwnd);
    if (!rec)
        return 0;
    switch (msg) {
    case WM_PAINT: {
        CWnd* wnd = CWnd::FromHandle(hwnd);
        CPaintDC dc(wnd);
        dc.SelectObject(rec->font);
        CRect all;
        wnd->GetClientRect(&all);
        dc.FillSolidRect(&all, GetSysColor(COLOR_BTNFACE));
        CRect text = all;
        UINT format = DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS;
        if (rec->style & SS_SUNKEN) {
            dc.Draw3dRect(&all, GetSysColor(COLOR_BTNSHADOW), GetSysColor(COLOR_BTNHIGHLIGHT));
            text = CRect(all.left + 2, all.top + 1, all.right - 2, all.bottom - 1);
            format |= DT_VCENTER;
        }
        if ((rec->style & 3) == SS_CENTER)
            format |= DT_CENTER;
        else if ((rec->style & 3) == SS_RIGHT)
            format |= DT_RIGHT;
        dc.SetTextColor(GetSysColor(wnd->IsWindowEnabled() ? COLOR_BTNTEXT : COLOR_GRAYTEXT));
        // Static text breaks between words when its window has room for more than one line.
        const int lineHeight = std::max(1, dc.GetTextExtent("Ag").cy);
        std::vector<std::string> lines = {wnd->GetWindowText()};
        if (!(rec->style & SS_SUNKEN) && text.Height() >= 2 * lineHeight)
            lines = BreakIntoLines(dc, lines[0], text.Width());
        CRect line = text;
        for (const std::string& l : lines) {
            line.bottom = std::min(text.bottom, line.top + lineHeight);
            if (line.top >= text.bottom)
                break;
            DrawText(dc, l, line, format);
            line.top += lineHeight;
        }
        return 0;
    }
    case WM_SETTEXT: {
        LRESULT r = DefWindowProc(hwnd, msg, wParam, lParam);
        CWnd::FromHandle(hwnd)->Invalidate(FALSE);
        return r;
    }
    case WM_GETOBJECT: {
        // Drawn without mnemonics, so read as written.
        auto& info = *reinterpret_cast<AccessibleInfo*>(lParam);
        info.self.role = AccRole::Label;
        info.self.name = CWnd::FromHandle(hwnd)->GetWindowText();
        return TRUE;
    }
    default:
        return DefWindowProc(hwnd, msg, wParam, lParam);
    }
}
