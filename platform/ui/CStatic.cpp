#include "platform/ui/CStatic.h"

#include "platform/ui/GdiObjects.h"

#include <QEvent>
#include <QLabel>
#include <QVariant>

namespace {

constexpr const char* kTextProperty = "taurelText";

// Shows the window text (the layer's text property) whenever it changes.
class StaticWidget : public QLabel {
public:
    StaticWidget(QWidget* parent, DWORD style) : QLabel(parent) {
        Qt::Alignment horizontal = Qt::AlignLeft;
        if ((style & 0x3) == SS_CENTER)
            horizontal = Qt::AlignHCenter;
        else if ((style & 0x3) == SS_RIGHT)
            horizontal = Qt::AlignRight;
        setAlignment(horizontal | Qt::AlignTop);
        setWordWrap(true);
        setTextFormat(Qt::PlainText);
    }

protected:
    bool event(QEvent* e) override {
        if (e->type() == QEvent::DynamicPropertyChange)
            setText(property(kTextProperty).toString());
        return QLabel::event(e);
    }
};

} // namespace

// The widget of "STATIC" windows (registered as a built-in class by the window system).
QWidget* MakeStaticWidget(QWidget* parent, DWORD style, HWND) {
    return new StaticWidget(parent, style);
}

BOOL CStatic::Create(const char* text, DWORD style, const RECT& rect, CWnd* parent, UINT id) {
    return CWnd::Create("STATIC", text, style, rect, parent, id);
}
