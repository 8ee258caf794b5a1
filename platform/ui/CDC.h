#pragma once
// A device context over a retained image (a window's drawing surface or a bitmap) with the
// drawing rules the controls are written in: a line excludes its end point, rectangles exclude
// their right and bottom edges, text is placed by its top-left corner, raster operation R2_NOT
// inverts. Several device contexts may draw into the same surface one after another.

#include "platform/core/CObject.h"
#include "platform/ui/GdiObjects.h"
#include "platform/ui/WinTypes.h"

#include <QRegion>
#include <memory>
#include <optional>
#include <string>

class QImage;
class QPainter;

constexpr int TRANSPARENT = 1;
constexpr int OPAQUE = 2;
constexpr int R2_NOT = 6;
constexpr int R2_COPYPEN = 13;
constexpr DWORD SRCCOPY = 0x00CC0020;
constexpr int NULLREGION = 1;
constexpr int SIMPLEREGION = 2;
constexpr int COMPLEXREGION = 3;
constexpr int ERROR_REGION = 0;

class CDC : public CObject {
public:
    CDC();
    ~CDC() override;
    CDC(const CDC&) = delete;
    CDC& operator=(const CDC&) = delete;

    // A memory device context: draws into whatever bitmap is selected into it.
    BOOL CreateCompatibleDC(CDC* reference);

    // Selecting returns the previously selected object (null for the built-in defaults: black
    // 1-pixel pen, default font). Selecting null restores the default.
    CPen* SelectObject(CPen* pen);
    CFont* SelectObject(CFont* font);
    CBitmap* SelectObject(CBitmap* bitmap);

    COLORREF SetTextColor(COLORREF color);
    int SetBkMode(int mode);
    int SetROP2(int mode);

    CPoint MoveTo(int x, int y);
    // Draws from the current position to (x, y), excluding (x, y), and moves there.
    BOOL LineTo(int x, int y);
    CPoint GetCurrentPosition() const { return m_pos; }
    // Lines through the vertices in turn, each excluding its end point (so the last vertex is
    // not drawn); the current position is neither used nor moved.
    BOOL Polyline(const POINT* vertices, int count);

    void FillRect(LPCRECT rect, const CBrush* brush);
    void FillSolidRect(LPCRECT rect, COLORREF color);
    void FillSolidRect(int x, int y, int cx, int cy, COLORREF color);
    // One-pixel border of the rectangle in the brush's colour.
    void FrameRect(LPCRECT rect, const CBrush* brush);
    // Top and left edges in topLeft, right and bottom edges in bottomRight, one pixel wide.
    void Draw3dRect(LPCRECT rect, COLORREF topLeft, COLORREF bottomRight);
    void Draw3dRect(int x, int y, int cx, int cy, COLORREF topLeft, COLORREF bottomRight);

    BOOL TextOut(int x, int y, const std::string& text);
    CSize GetTextExtent(const std::string& text) const;

    // Copies a w × h block from src (at sx, sy) to (x, y); only SRCCOPY is supported.
    BOOL BitBlt(int x, int y, int w, int h, CDC* src, int sx, int sy, DWORD rop);
    // Draws an image with its transparency at (x, y), within the clip (image lists use it).
    BOOL DrawImage(int x, int y, const QImage& image);

    // Replaces the clip region with the region's rectangle (null: no clipping beyond the
    // device's own); returns the region kind.
    int SelectClipRgn(const CRgn* region);
    int IntersectClipRect(int left, int top, int right, int bottom);
    int IntersectClipRect(LPCRECT r) {
        return IntersectClipRect(r->left, r->top, r->right, r->bottom);
    }

    COLORREF GetPixel(int x, int y) const;
    COLORREF SetPixel(int x, int y, COLORREF color);

    QImage* GetTargetImage() const { return m_target; }

protected:
    // Draws into `image`; `baseClip` (if any) limits every drawing, like a paint's update region.
    void AttachImage(QImage* image, const std::optional<QRegion>& baseClip = std::nullopt);
    void DetachImage();

private:
    QPainter* Painter();
    // `copy`: the source replaces the destination (blits).
    void ApplyState(QPainter& p, bool forText = false, bool copy = false);
    void FillPixels(const QRect& r, COLORREF color);
    bool CopyRows(int x, int y, int w, int h, const QImage& source, int sx, int sy);
    void PlotLine(int x0, int y0, int x1, int y1);
    int RegionKind() const;

    QImage* m_target = nullptr;
    std::shared_ptr<QPainter> m_painter;
    std::optional<QRegion> m_baseClip;
    std::optional<QRegion> m_clip;
    CPen* m_pen = nullptr;
    CFont* m_font = nullptr;
    CBitmap* m_bitmap = nullptr;
    COLORREF m_textColor = RGB(0, 0, 0);
    COLORREF m_bkColor = RGB(255, 255, 255);
    int m_bkMode = OPAQUE;
    int m_rop = R2_COPYPEN;
    CPoint m_pos;
};
