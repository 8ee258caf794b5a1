#include "platform/ui/GdiObjects.h"

#include "platform/ui/SysColors.h"

#include <map>
#include <memory>

namespace {

COLORREF classicColor(int index) {
    switch (index) {
    case COLOR_WINDOW:
    case COLOR_BTNHIGHLIGHT:
    case COLOR_HIGHLIGHTTEXT:
        return RGB(255, 255, 255);
    case COLOR_WINDOWFRAME:
    case COLOR_WINDOWTEXT:
    case COLOR_BTNTEXT:
    case COLOR_3DDKSHADOW:
        return RGB(0, 0, 0);
    case COLOR_BACKGROUND:
        return RGB(0, 128, 128);
    case COLOR_HIGHLIGHT:
        return RGB(0, 0, 128);
    case COLOR_BTNSHADOW:
    case COLOR_GRAYTEXT:
        return RGB(128, 128, 128);
    case COLOR_SCROLLBAR:
    case COLOR_ACTIVEBORDER:
    case COLOR_BTNFACE:
    default:
        return RGB(192, 192, 192);
    }
}

} // namespace

COLORREF GetSysColor(int index) {
    if (auto fromPalette = PaletteSysColor(index))
        return *fromPalette;
    return classicColor(index);
}

CBrush* GetSysColorBrush(int index) {
    static std::map<int, std::unique_ptr<CBrush>> brushes;
    auto& slot = brushes[index];
    if (!slot)
        slot = std::make_unique<CBrush>(GetSysColor(index));
    // The palette may have changed since: the brush paints the colour of now.
    slot->m_color = GetSysColor(index);
    return slot.get();
}

BOOL CPen::CreatePen(int style, int width, COLORREF color) {
    m_style = style;
    m_width = width < 1 ? 1 : width;
    m_color = color;
    m_created = true;
    return TRUE;
}

BOOL CBrush::CreateSolidBrush(COLORREF color) {
    m_color = color;
    m_created = true;
    return TRUE;
}

std::string MapFontFace(const std::string& face) {
    if (face == "Arial" || face == "MS Sans Serif" || face.empty())
        return "Liberation Sans";
    if (face == "Terminal")
        return "DejaVu Sans Mono";
    return face;
}

QFont MakeFont(const std::string& face, int pixelHeight, int weight) {
    QFont font(QString::fromStdString(MapFontFace(face)));
    font.setPixelSize(pixelHeight > 0 ? pixelHeight : 13);
    font.setBold(weight >= 600);
    font.setStyleStrategy(QFont::NoAntialias);
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}

BOOL CFont::CreateFont(int height, const char* faceName, int weight) {
    // A positive height asks for the whole cell; the character height is about 5/6 of it.
    int pixels = height < 0 ? -height : (height * 5 + 3) / 6;
    m_font = MakeFont(faceName ? faceName : "", pixels, weight);
    m_created = true;
    return TRUE;
}

namespace {
std::map<UINT, QImage>& bitmapResources() {
    static std::map<UINT, QImage> resources;
    return resources;
}
} // namespace

void RegisterBitmapResource(UINT resourceId, const QImage& image) {
    bitmapResources()[resourceId] = image.convertToFormat(QImage::Format_RGB32);
}

BOOL CBitmap::CreateCompatibleBitmap(int width, int height) {
    m_image = QImage(std::max(width, 1), std::max(height, 1), QImage::Format_RGB32);
    m_image.fill(Qt::black);
    m_created = true;
    return TRUE;
}

BOOL CBitmap::LoadBitmap(UINT resourceId) {
    auto it = bitmapResources().find(resourceId);
    if (it == bitmapResources().end())
        return FALSE;
    m_image = it->second;
    m_created = true;
    return TRUE;
}

BOOL CRgn::CreateRectRgn(int left, int top, int right, int bottom) {
    m_rect = CRect(left, top, right, bottom);
    m_created = true;
    return TRUE;
}
