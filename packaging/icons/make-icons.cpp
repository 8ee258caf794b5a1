// Writes the desktop icon into a hicolor theme tree: DIR/NxN/apps/taurel.png for each size
// given after DIR. Run at build time, so the installed icons always match this drawing.

#include "packaging/icons/TaurelIcon.h"

#include <QDir>
#include <cstdio>
#include <cstdlib>
#include <string>

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fputs("usage: make-icons DIR SIZE...\n", stderr);
        return 64;
    }
    const QString root = QString::fromLocal8Bit(argv[1]);
    for (int i = 2; i < argc; ++i) {
        const int size = std::atoi(argv[i]);
        if (size < 16 || size > 1024) {
            std::fprintf(stderr, "make-icons: bad size %s\n", argv[i]);
            return 64;
        }
        const QString folder = QString("%1/%2x%2/apps").arg(root).arg(size);
        if (!QDir().mkpath(folder) || !DrawTaurelIcon(size).save(folder + "/taurel.png")) {
            std::fprintf(stderr, "make-icons: cannot write %s\n", qPrintable(folder));
            return 1;
        }
    }
    return 0;
}
