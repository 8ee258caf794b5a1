// controls-gallery: shows every custom control in one window, or with --graphs the graph
// windows fed with synthetic samples. With --screenshot FILE.png it renders the window
// offscreen into FILE.png and exits.

#include "tools/controls-gallery/GalleryWindow.h"
#include "tools/controls-gallery/GraphsWindow.h"

#include <QApplication>
#include <QPixmap>
#include <QWidget>
#include <cstdio>
#include <cstring>
#include <string>

namespace {

int usage() {
    std::fprintf(stderr, "usage: controls-gallery [--graphs] [--screenshot FILE.png]\n");
    return 2;
}

int screenshot(CWnd& gallery, const std::string& file) {
    QWidget* window = gallery.GetWidget();
    window->show();
    for (int i = 0; i < 5; ++i)
        QCoreApplication::processEvents();
    if (!window->grab().save(QString::fromStdString(file), "PNG")) {
        std::fprintf(stderr, "controls-gallery: cannot write %s\n", file.c_str());
        return 1;
    }
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    std::string shotFile;
    bool graphs = false;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--screenshot") == 0 && i + 1 < argc)
            shotFile = argv[++i];
        else if (std::strcmp(argv[i], "--graphs") == 0)
            graphs = true;
        else
            return usage();
    }
    // A screenshot needs no display.
    if (!shotFile.empty())
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    if (graphs) {
        CGraphsGalleryWnd window;
        if (!window.CreateGallery()) {
            std::fprintf(stderr, "controls-gallery: cannot create the graph windows\n");
            return 1;
        }
        if (!shotFile.empty())
            return screenshot(window, shotFile);
        window.StartLive();
        window.ShowWindow(SW_SHOW);
        return app.exec();
    }
    if (!CGalleryWnd::RegisterControls()) {
        std::fprintf(stderr, "controls-gallery: cannot register the control classes\n");
        return 1;
    }
    CGalleryWnd gallery;
    if (!gallery.CreateGallery()) {
        std::fprintf(stderr, "controls-gallery: cannot create the window\n");
        return 1;
    }
    if (!shotFile.empty())
        return screenshot(gallery, shotFile);
    gallery.ShowWindow(SW_SHOW);
    return app.exec();
}
