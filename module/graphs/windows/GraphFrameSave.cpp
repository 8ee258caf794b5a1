// Saving what a graph window shows: its picture as a PNG file, or data the window offers.

#include "module/graphs/windows/CGraphFrameWnd.h"

#include "module/graphs/windows/ExportHeading.h"
#include "platform/core/Clock.h"
#include "platform/core/TextFormat.h"
#include "platform/ui/Prompt.h"

#include <QFontMetrics>
#include <QImage>
#include <QPainter>
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

QImage CGraphFrameWnd::ExportImage(std::int64_t savedAt) {
    QWidget* widget = GetWidget();
    if (!widget)
        return QImage();
    const QImage window = widget->grab().toImage();
    const qreal ratio = window.devicePixelRatio();
    const QFontMetrics metrics(widget->font());
    const int strip = metrics.height() + 6; // in the window's own units
    const int width = int(window.width() / ratio);
    QImage out(window.width(), window.height() + int(strip * ratio), QImage::Format_RGB32);
    out.setDevicePixelRatio(ratio);
    out.fill(Qt::white);
    QPainter painter(&out);
    painter.drawImage(QPoint(0, strip), window);
    painter.setFont(widget->font());
    painter.setPen(Qt::black);
    const QString heading = QString::fromUtf8(ExportHeading(m_exportCaption, savedAt).c_str());
    painter.drawText(QRect(4, 0, width - 8, strip), Qt::AlignLeft | Qt::AlignVCenter,
                     metrics.elidedText(heading, Qt::ElideRight, width - 8));
    painter.end();
    // The same in the file's text chunks, for tools that list pictures.
    out.setText("Title", QString::fromUtf8(m_exportCaption.c_str()));
    out.setText("Creation Time",
                QString::fromUtf8(FormatLocalTime(savedAt, "%Y-%m-%d %H:%M:%S").c_str()));
    return out;
}

void CGraphFrameWnd::SaveImage() {
    std::string path;
    if (!CurrentPrompt().GetSaveFileName(m_hWnd, "Save As PNG", "graph.png", "PNG image (*.png)",
                                         &path))
        return;
    const QImage image = ExportImage(Clock::now());
    if (image.isNull() || !image.save(QString::fromLocal8Bit(path.c_str()), "PNG"))
        ReportNotWritten(path);
}
