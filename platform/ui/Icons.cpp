#include "platform/ui/Icons.h"

#include "platform/ui/CDC.h"

#include <QImage>
#include <QPainter>
#include <map>

namespace {

std::map<UINT, QImage>& icons() {
    static std::map<UINT, QImage> table;
    return table;
}

} // namespace

void RegisterIconResource(UINT resourceId, const QImage& image) {
    icons()[resourceId] = image;
}

HICON LoadIcon(UINT resourceId) {
    return icons().count(resourceId) ? HICON(resourceId) : 0;
}

const QImage& IconImage(HICON icon) {
    static const QImage none;
    auto it = icons().find(UINT(icon));
    return it == icons().end() ? none : it->second;
}

BOOL DrawIcon(CDC& dc, int x, int y, HICON icon) {
    const QImage& image = IconImage(icon);
    QImage* target = dc.GetTargetImage();
    if (image.isNull() || !target)
        return FALSE;
    QPainter painter(target);
    painter.drawImage(x, y, image);
    return TRUE;
}
