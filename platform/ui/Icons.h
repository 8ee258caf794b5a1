#pragma once
// Icons by resource id: registered images that windows show as their icon and that can be
// drawn into a device context.

#include "platform/ui/WinTypes.h"

class CDC;
class QImage;

// An icon handle: the resource id it was loaded from; 0 names no icon.
using HICON = std::uintptr_t;

void RegisterIconResource(UINT resourceId, const QImage& image);
// 0 when no icon has that id.
HICON LoadIcon(UINT resourceId);
// The icon's image (a null image for 0 or an unknown handle).
const QImage& IconImage(HICON icon);
// Draws the icon with its top-left corner at (x, y).
BOOL DrawIcon(CDC& dc, int x, int y, HICON icon);
