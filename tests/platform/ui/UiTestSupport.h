#pragma once
// Shared by the window-layer and control tests: a QApplication for the whole test program,
// a window that records its numbered messages, pixel reads from retained surfaces, and mouse
// actions sent as real Qt events.

#include "platform/ui/CWnd.h"

#include <functional>
#include <vector>

struct RecordedMessage {
    UINT msg;
    WPARAM wParam;
    LPARAM lParam;
    bool operator==(const RecordedMessage& o) const {
        return msg == o.msg && wParam == o.wParam && lParam == o.lParam;
    }
};

// Records WM_COMMAND, WM_TIMER and every message from WM_USER on; `onMessage` runs first.
class RecordingWnd : public CWnd {
public:
    std::vector<RecordedMessage> messages;
    std::function<void(UINT, WPARAM, LPARAM)> onMessage;
    int destroyed = 0;
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
    // Messages with this number only.
    std::vector<RecordedMessage> Only(UINT msg) const;
};

// A visible top-level window of the given client size, to hold controls.
class TestFrame : public RecordingWnd {
public:
    explicit TestFrame(int width = 500, int height = 300);
};

// Delivers every posted message and event that is waiting.
void PumpMessages();

// The pixel at (x, y) of the window's retained surface, after painting what is invalid.
COLORREF Pixel(CWnd* wnd, int x, int y);

void LeftDown(CWnd* wnd, int x, int y);
void LeftUp(CWnd* wnd, int x, int y);
// A move with the left button held (after LeftDown).
void DragTo(CWnd* wnd, int x, int y);
// A move with no button held.
void Hover(CWnd* wnd, int x, int y);
