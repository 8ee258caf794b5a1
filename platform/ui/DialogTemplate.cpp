#include "platform/ui/DialogTemplate.h"

#include "platform/ui/GdiObjects.h"

#include <QFontMetrics>
#include <map>

namespace {
std::map<UINT, DialogTemplate>& templates() {
    static std::map<UINT, DialogTemplate> table;
    return table;
}
int mulDiv(int a, int b, int c) {
    return int((std::int64_t(a) * b + (a >= 0 ? c / 2 : -c / 2)) / c);
}
} // namespace

void RegisterDialogTemplate(UINT id, const DialogTemplate& tpl) {
    templates()[id] = tpl;
}

const DialogTemplate* FindDialogTemplate(UINT id) {
    auto it = templates().find(id);
    return it == templates().end() ? nullptr : &it->second;
}

CSize DialogBaseUnits(const std::string& fontFace, int fontPoints) {
    QFontMetrics fm(MakeFont(fontFace, mulDiv(fontPoints, 96, 72), FW_NORMAL));
    int width = fm.horizontalAdvance("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    return CSize((width / 26 + 1) / 2, fm.height());
}

CRect DialogUnitsToPixels(int x, int y, int cx, int cy, CSize base) {
    int left = mulDiv(x, base.cx, 4), top = mulDiv(y, base.cy, 8);
    return CRect(left, top, left + mulDiv(cx, base.cx, 4), top + mulDiv(cy, base.cy, 8));
}
