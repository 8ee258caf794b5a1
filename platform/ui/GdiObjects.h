#pragma once
// Pens, brushes, fonts, bitmaps and rectangular regions for CDC, plus the system colours.
// Fonts are requested by face and pixel height; the classic faces map to fonts Debian ships.

#include "platform/core/CObject.h"
#include "platform/ui/WinTypes.h"

#include <QFont>
#include <QImage>
#include <string>

// System colour indexes (GetSysColor), with the classic desktop scheme's values.
constexpr int COLOR_SCROLLBAR = 0;
constexpr int COLOR_BACKGROUND = 1;
constexpr int COLOR_WINDOW = 5;
constexpr int COLOR_WINDOWFRAME = 6;
constexpr int COLOR_WINDOWTEXT = 8;
constexpr int COLOR_ACTIVEBORDER = 10;
constexpr int COLOR_HIGHLIGHT = 13;
constexpr int COLOR_HIGHLIGHTTEXT = 14;
constexpr int COLOR_BTNFACE = 15;
constexpr int COLOR_BTNSHADOW = 16;
constexpr int COLOR_GRAYTEXT = 17;
constexpr int COLOR_BTNTEXT = 18;
constexpr int COLOR_BTNHIGHLIGHT = 20;
constexpr int COLOR_3DDKSHADOW = 21;

COLORREF GetSysColor(int index);

// Pen styles.
constexpr int PS_SOLID = 0;
constexpr int PS_NULL = 5;

// Font weights.
constexpr int FW_DONTCARE = 0;
constexpr int FW_NORMAL = 400;
constexpr int FW_BOLD = 700;

class CGdiObject : public CObject {
public:
    ~CGdiObject() override = default;
    // Whether the object has been created (the framework's non-null handle).
    bool IsCreated() const { return m_created; }

protected:
    bool m_created = false;
};

class CPen : public CGdiObject {
public:
    CPen() = default;
    CPen(int style, int width, COLORREF color) { CreatePen(style, width, color); }
    BOOL CreatePen(int style, int width, COLORREF color);
    int m_style = PS_SOLID;
    int m_width = 1;
    COLORREF m_color = RGB(0, 0, 0);
};

class CBrush : public CGdiObject {
public:
    CBrush() = default;
    explicit CBrush(COLORREF color) { CreateSolidBrush(color); }
    BOOL CreateSolidBrush(COLORREF color);
    COLORREF m_color = RGB(255, 255, 255);
};

// The system brush of a system colour; lives for the whole program.
CBrush* GetSysColorBrush(int index);

class CFont : public CGdiObject {
public:
    // height < 0: character height in pixels; > 0: cell height in pixels; 0: default (13).
    BOOL CreateFont(int height, const char* faceName, int weight = 0);
    const QFont& GetQFont() const { return m_font; }

private:
    QFont m_font;
};

// The face actually used for a requested face ("Arial" and "MS Sans Serif" → Liberation Sans,
// "Terminal" → DejaVu Sans Mono; others are passed on as asked).
std::string MapFontFace(const std::string& face);
// Builds the Qt font for a face and pixel height, unsmoothed so text pixels are reproducible.
QFont MakeFont(const std::string& face, int pixelHeight, int weight);

class CBitmap : public CGdiObject {
public:
    BOOL CreateCompatibleBitmap(int width, int height);
    // Loads a bitmap registered under the resource id (RegisterBitmapResource).
    BOOL LoadBitmap(UINT resourceId);
    CSize GetSize() const { return CSize(m_image.width(), m_image.height()); }
    QImage& Image() { return m_image; }
    const QImage& Image() const { return m_image; }

private:
    QImage m_image;
};

// Makes an image loadable by resource id with CBitmap::LoadBitmap.
void RegisterBitmapResource(UINT resourceId, const QImage& image);

class CRgn : public CGdiObject {
public:
    BOOL CreateRectRgn(int left, int top, int right, int bottom);
    BOOL CreateRectRgnIndirect(const RECT& r) {
        return CreateRectRgn(r.left, r.top, r.right, r.bottom);
    }
    CRect m_rect;
};
