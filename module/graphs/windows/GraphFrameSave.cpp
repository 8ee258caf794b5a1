// Saving what a graph window shows: its picture as a PNG file, or data the window offers.

#include "module/graphs/windows/CGraphFrameWnd.h"

#include "platform/core/TextFormat.h"
#include "platform/ui/Prompt.h"

#include <QImage>
#include <QPixmap>
#include <QWidget>
#include <fstream>

namespace {
void ReportNotWritten(const std::string& path) {
    AfxMessageBox(FormatText("Cannot write %s.", path.c_str()).c_str(), MB_ICONERROR);
}
} // namespace

bool CGraphFrameWnd::SaveFile(const char* title, const char* suggested, const char* filter,
                              const std::string& data) {
    std::string path;
    if (!CurrentPrompt().GetSaveFileName(m_hWnd, title, suggested, filter, &path))
        return false;
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(data.data(), std::streamsize(data.size()));
    out.close();
    if (!out) {
        ReportNotWritten(path);
        return false;
    }
    return true;
}

void CGraphFrameWnd::SaveImage() {
    std::string path;
    if (!CurrentPrompt().GetSaveFileName(m_hWnd, "Save As PNG", "graph.png", "PNG image (*.png)",
                                         &path))
        return;
    QWidget* widget = GetWidget();
    if (!widget || !widget->grab().save(QString::fromLocal8Bit(path.c_str()), "PNG"))
        ReportNotWritten(path);
}
