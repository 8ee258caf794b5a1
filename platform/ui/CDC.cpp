#include "platform/ui/CDC.h"
#include "platform/ui/OctetText.h"

#include <cstring>

#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <algorithm>
#include <cstdlib>
#include <map>
#include <vector>

namespace {

QColor toQColor(COLORREF c) {
    return QColor(GetRValue(c), GetGValue(c), GetBValue(c));
}

const QFont& defaultFont() {
    static const QFont font = MakeFont("MS Sans Serif", 11, FW_NORMAL);
    return font;
}

// One painter per image, shared by the device contexts drawing into it at the same time
// (a paint handler and a helper that takes its own device context, for example).
std::shared_ptr<QPainter> sharedPainter(QImage* image) {
    static std::map<QImage*, std::weak_ptr<QPainter>> painters;
    auto& slot = painters[image];
    if (auto existing = slot.lock())
        return existing;
    auto created = std::shared_ptr<QPainter>(new QPainter(image), [image](QPainter* p) {
        p->end();
        delete p;
        painters.erase(image);
    });
    slot = created;
    return created;
}

// Bresenham from (x0, y0) towards (x1, y1), stopping before the end point.
void appendLinePixels(std::vector<QPoint>& points, int x0, int y0, int x1, int y1) {
    int dx = std::abs(x1 - x0), dy = -std::abs(y1 - y0);
    int sx = x0 < x1 ? 1 : -1, sy = y0 < y1 ? 1 : -1, err = dx + dy;
    for (int x = x0, y = y0; !(x == x1 && y == y1);) {
        points.emplace_back(x, y);
        int e2 = 2 * err;
        if (e2 >= dy)
            err += dy, x += sx;
        if (e2 <= dx)
            err += dx, y += sy;
    }
}

} // namespace

CDC::CDC() = default;

CDC::~CDC() {
    DetachImage();
}

void CDC::AttachImage(QImage* image, const std::optional<QRegion>& baseClip) {
    DetachImage();
    m_target = image;
    m_baseClip = baseClip;
}

void CDC::DetachImage() {
    m_painter.reset();
    m_target = nullptr;
}

QPainter* CDC::Painter() {
    if (!m_target || m_target->isNull())
        return nullptr;
    if (!m_painter)
        m_painter = sharedPainter(m_target);
    return m_painter.get();
}

void CDC::ApplyState(QPainter& p, bool forText, bool copy) {
    // The painter is shared by every device context of a surface, so the state is set on each
    // drawing; only what differs is changed, because panels blit hundreds of small pictures.
    if (p.renderHints() & (QPainter::Antialiasing | QPainter::TextAntialiasing))
        p.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing, false);
    QPainter::CompositionMode mode = copy ? QPainter::CompositionMode_Source
                                     : m_rop == R2_NOT && !forText
                                         ? QPainter::RasterOp_NotDestination
                                         : QPainter::CompositionMode_SourceOver;
    if (p.compositionMode() != mode)
        p.setCompositionMode(mode);
    std::optional<QRegion> clip = m_baseClip;
    if (m_clip)
        clip = clip ? clip->intersected(*m_clip) : *m_clip;
    if (clip)
        p.setClipRegion(*clip);
    else if (p.hasClipping())
        p.setClipping(false);
}

BOOL CDC::CreateCompatibleDC(CDC*) {
    DetachImage();
    return TRUE;
}

CPen* CDC::SelectObject(CPen* pen) {
    return std::exchange(m_pen, pen);
}
CFont* CDC::SelectObject(CFont* font) {
    return std::exchange(m_font, font);
}

CBitmap* CDC::SelectObject(CBitmap* bitmap) {
    CBitmap* old = std::exchange(m_bitmap, bitmap);
    if (bitmap)
        AttachImage(&bitmap->Image());
    else
        DetachImage();
    return old;
}

COLORREF CDC::SetTextColor(COLORREF color) {
    return std::exchange(m_textColor, color);
}
int CDC::SetBkMode(int mode) {
    return std::exchange(m_bkMode, mode);
}
int CDC::SetROP2(int mode) {
    return std::exchange(m_rop, mode);
}

CPoint CDC::MoveTo(int x, int y) {
    return std::exchange(m_pos, CPoint(x, y));
}

void CDC::FillPixels(const QRect& r, COLORREF color) {
    QPainter* p = Painter();
    if (!p || r.isEmpty())
        return;
    ApplyState(*p);
    p->fillRect(r, toQColor(color));
}

void CDC::PlotLine(int x0, int y0, int x1, int y1) {
    QPainter* p = Painter();
    if (!p)
        return;
    COLORREF color = m_pen ? m_pen->m_color : RGB(0, 0, 0);
    int width = m_pen ? m_pen->m_width : 1;
    if (x0 == x1 && y0 == y1)
        return; // only the excluded end point
    if (width > 1) {
        ApplyState(*p);
        p->setPen(QPen(toQColor(color), width, Qt::SolidLine, Qt::RoundCap));
        p->drawLine(x0, y0, x1, y1);
        return;
    }
    // Horizontal and vertical runs are the common case (grid lines, frames): fill them.
    if (y0 == y1) {
        int from = std::min(x0, x1 + (x1 < x0 ? 1 : 0)), to = std::max(x0, x1 - (x1 > x0 ? 1 : 0));
        FillPixels(QRect(QPoint(from, y0), QPoint(to, y0)), color);
        return;
    }
    if (x0 == x1) {
        int from = std::min(y0, y1 + (y1 < y0 ? 1 : 0)), to = std::max(y0, y1 - (y1 > y0 ? 1 : 0));
        FillPixels(QRect(QPoint(x0, from), QPoint(x0, to)), color);
        return;
    }
    std::vector<QPoint> points;
    appendLinePixels(points, x0, y0, x1, y1);
    ApplyState(*p);
    p->setPen(QPen(toQColor(color), 1));
    p->drawPoints(points.data(), int(points.size()));
}

BOOL CDC::LineTo(int x, int y) {
    if (!m_pen || m_pen->m_style != PS_NULL)
        PlotLine(m_pos.x, m_pos.y, x, y);
    m_pos = CPoint(x, y);
    return TRUE;
}

BOOL CDC::Polyline(const POINT* vertices, int count) {
    QPainter* p = Painter();
    if (!p || count < 2 || (m_pen && m_pen->m_style == PS_NULL))
        return p != nullptr;
    COLORREF color = m_pen ? m_pen->m_color : RGB(0, 0, 0);
    int width = m_pen ? m_pen->m_width : 1;
    std::vector<QPoint> corners;
    corners.reserve(size_t(count));
    for (int i = 0; i < count; ++i)
        corners.emplace_back(vertices[i].x, vertices[i].y);
    ApplyState(*p);
    if (width > 1) {
        p->setPen(QPen(toQColor(color), width, Qt::SolidLine, Qt::RoundCap));
        p->drawPolyline(corners.data(), count);
        return TRUE;
    }
    // One call for all but the last segment (each of their end points is the next one's
    // start, so drawing it is right); the last one leaves out its end point like LineTo.
    if (count > 2) {
        p->setPen(QPen(toQColor(color), 1));
        p->drawPolyline(corners.data(), count - 1);
    }
    PlotLine(vertices[count - 2].x, vertices[count - 2].y, vertices[count - 1].x,
             vertices[count - 1].y);
    return TRUE;
}

void CDC::FillRect(LPCRECT rect, const CBrush* brush) {
    if (brush)
        FillSolidRect(rect, brush->m_color);
}

void CDC::FillSolidRect(LPCRECT r, COLORREF color) {
    FillSolidRect(r->left, r->top, r->right - r->left, r->bottom - r->top, color);
}

void CDC::FillSolidRect(int x, int y, int cx, int cy, COLORREF color) {
    // A negative extent reaches back from x (or y), as the framework's helper does.
    if (cx < 0)
        x += cx, cx = -cx;
    if (cy < 0)
        y += cy, cy = -cy;
    FillPixels(QRect(x, y, cx, cy), color);
}

void CDC::FrameRect(LPCRECT r, const CBrush* brush) {
    if (!brush || r->right <= r->left || r->bottom <= r->top)
        return;
    Draw3dRect(r, brush->m_color, brush->m_color);
}

void CDC::Draw3dRect(LPCRECT r, COLORREF topLeft, COLORREF bottomRight) {
    Draw3dRect(r->left, r->top, r->right - r->left, r->bottom - r->top, topLeft, bottomRight);
}

void CDC::Draw3dRect(int x, int y, int cx, int cy, COLORREF topLeft, COLORREF bottomRight) {
    FillSolidRect(x, y, cx - 1, 1, topLeft);
    FillSolidRect(x, y, 1, cy - 1, topLeft);
    FillSolidRect(x + cx, y, -1, cy, bottomRight);
    FillSolidRect(x, y + cy, cx, -1, bottomRight);
}

BOOL CDC::TextOut(int x, int y, const std::string& text) {
    QPainter* p = Painter();
    if (!p)
        return FALSE;
    const QFont& font = m_font ? m_font->GetQFont() : defaultFont();
    QString s = TextFromOctets(text);
    QFontMetrics fm(font);
    if (m_bkMode == OPAQUE)
        FillPixels(QRect(x, y, fm.horizontalAdvance(s), fm.height()), m_bkColor);
    ApplyState(*p, true);
    p->setPen(toQColor(m_textColor));
    const int scale = int(m_target->devicePixelRatio());
    if (scale > 1 && font.pixelSize() > 0) {
        // On a surface of k pixels per unit the text is laid out in a font k times the size, in
        // the surface's own pixels: glyphs rendered large at the small font's hinted advances
        // would stand apart after wide letters ("Softw are"). The clip, already set, stays.
        QFont large = font;
        large.setPixelSize(font.pixelSize() * scale);
        const QTransform units = p->worldTransform();
        p->setWorldTransform(QTransform::fromScale(1.0 / scale, 1.0 / scale), true);
        p->setFont(large);
        p->drawText(x * scale, y * scale + QFontMetrics(large).ascent(), s);
        p->setWorldTransform(units);
        return TRUE;
    }
    p->setFont(font);
    p->drawText(x, y + fm.ascent(), s);
    return TRUE;
}

CSize CDC::GetTextExtent(const std::string& text) const {
    const QFont& font = m_font ? m_font->GetQFont() : defaultFont();
    QFontMetrics fm(font);
    return CSize(fm.horizontalAdvance(TextFromOctets(text)), fm.height());
}

// A blit between two 32-bit images under at most a rectangular clip copies rows directly: the
// painter's per-call cost is many times that of a small picture's pixels, and panels blit
// hundreds of them. The raster painter draws straight into the image, so rows written here and
// drawings through it never overtake each other. On a surface of k pixels per unit (a 2x
// screen) each source pixel becomes a k × k block: whole pixels, no smoothing.
bool CDC::CopyRows(int x, int y, int w, int h, const QImage& source, int sx, int sy) {
    QImage* target = m_target;
    if (!target || target->format() != QImage::Format_RGB32 ||
        source.format() != QImage::Format_RGB32 || !target->isDetached() || &source == target ||
        source.devicePixelRatio() != 1)
        return false;
    const int k = int(target->devicePixelRatio());
    if (k < 1 || k != target->devicePixelRatio())
        return false;
    QRect area(x, y, w, h);
    std::optional<QRegion> clip = m_baseClip;
    if (m_clip)
        clip = clip ? clip->intersected(*m_clip) : *m_clip;
    if (clip) {
        if (clip->rectCount() > 1)
            return false;
        area = area.intersected(clip->boundingRect());
    }
    area = area.intersected(QRect(0, 0, target->width() / k, target->height() / k));
    // Keep to what the source holds; beyond it nothing is copied.
    area = area.intersected(QRect(x - sx, y - sy, source.width(), source.height()));
    if (area.isEmpty())
        return true;
    const std::size_t bytes = std::size_t(area.width()) * 4 * std::size_t(k);
    for (int row = area.top(); row <= area.bottom(); ++row) {
        const auto* from = reinterpret_cast<const QRgb*>(source.constScanLine(row - y + sy)) +
                           (area.left() - x + sx);
        auto* to = reinterpret_cast<QRgb*>(target->scanLine(row * k)) + area.left() * k;
        if (k == 1)
            std::memcpy(to, from, bytes);
        else
            for (int i = 0; i < area.width(); ++i)
                std::fill_n(to + i * k, k, from[i]);
        for (int copy = 1; copy < k; ++copy)
            std::memcpy(target->scanLine(row * k + copy) + area.left() * k * 4, to, bytes);
    }
    return true;
}

BOOL CDC::DrawImage(int x, int y, const QImage& image) {
    QPainter* p = Painter();
    if (!p || image.isNull())
        return FALSE;
    ApplyState(*p);
    p->setCompositionMode(QPainter::CompositionMode_SourceOver);
    p->drawImage(x, y, image);
    return TRUE;
}

BOOL CDC::BitBlt(int x, int y, int w, int h, CDC* src, int sx, int sy, DWORD rop) {
    if (!src || !src->m_target || rop != SRCCOPY)
        return FALSE;
    if (CopyRows(x, y, w, h, *src->m_target, sx, sy))
        return TRUE;
    QPainter* p = Painter();
    if (!p)
        return FALSE;
    ApplyState(*p, false, true);
    const qreal from = src->m_target->devicePixelRatio();
    p->drawImage(QRect(x, y, w, h), *src->m_target,
                 QRectF(sx * from, sy * from, w * from, h * from));
    return TRUE;
}

int CDC::RegionKind() const {
    if (m_clip && m_clip->isEmpty())
        return NULLREGION;
    return SIMPLEREGION;
}

int CDC::SelectClipRgn(const CRgn* region) {
    if (region)
        m_clip = QRegion(region->m_rect.left, region->m_rect.top, region->m_rect.Width(),
                         region->m_rect.Height());
    else
        m_clip.reset();
    return RegionKind();
}

int CDC::IntersectClipRect(int left, int top, int right, int bottom) {
    QRegion r(left, top, std::max(0, right - left), std::max(0, bottom - top));
    m_clip = m_clip ? m_clip->intersected(r) : r;
    return RegionKind();
}

COLORREF CDC::GetPixel(int x, int y) const {
    const int scale = m_target ? int(m_target->devicePixelRatio()) : 1;
    if (!m_target || !m_target->valid(x * scale, y * scale))
        return 0xFFFFFFFF;
    QRgb c = m_target->pixel(x * scale, y * scale);
    return RGB(qRed(c), qGreen(c), qBlue(c));
}

COLORREF CDC::SetPixel(int x, int y, COLORREF color) {
    FillPixels(QRect(x, y, 1, 1), color);
    return color;
}
