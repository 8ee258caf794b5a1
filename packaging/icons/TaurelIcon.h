#pragma once
// The desktop icon: a rack switch with a row of lit ports, drawn for each theme size rather
// than scaled from one bitmap, so the small sizes keep whole ports instead of a blur.

#include <QImage>

// Ports shown on the front at a given icon size: fewer at small sizes so each stays visible.
int IconPortCount(int size);
// The icon at size x size pixels, transparent outside the rounded tile.
QImage DrawTaurelIcon(int size);
