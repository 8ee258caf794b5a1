#include "platform/ui/ControlStyles.h"
#include "platform/ui/EditWidgets.h"
#include "platform/ui/WinMessages.h"
#include "platform/ui/WindowSystem.h"

#include <QEvent>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextBlock>
#include <QVariant>

namespace {

constexpr const char* kTextProperty = "taurelText";

QString shownText(const QString& windowText) {
    QString s = windowText;
    s.replace("\r\n", "\n");
    return s;
}

class MultiLineEditWidget : public QPlainTextEdit {
public:
    MultiLineEditWidget(QWidget* parent, DWORD style) : QPlainTextEdit(parent) {
        setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
        setReadOnly((style & ES_READONLY) != 0);
        setLineWrapMode(QPlainTextEdit::NoWrap);
        setVerticalScrollBarPolicy((style & WS_VSCROLL) ? Qt::ScrollBarAsNeeded
                                                        : Qt::ScrollBarAlwaysOff);
        setHorizontalScrollBarPolicy((style & WS_HSCROLL) ? Qt::ScrollBarAsNeeded
                                                          : Qt::ScrollBarAlwaysOff);
        // Read-only text still shows its selection when the edit does not have the focus.
        QPalette pal = palette();
        pal.setColor(QPalette::Inactive, QPalette::Highlight,
                     pal.color(QPalette::Active, QPalette::Highlight));
        pal.setColor(QPalette::Inactive, QPalette::HighlightedText,
                     pal.color(QPalette::Active, QPalette::HighlightedText));
        setPalette(pal);
        connect(this, &QPlainTextEdit::textChanged, this, [this] {
            if (m_syncing)
                return;
            QString text = toPlainText();
            text.replace("\n", "\r\n");
            m_syncing = true;
            setProperty(kTextProperty, text);
            m_syncing = false;
        });
    }

protected:
    bool event(QEvent* e) override {
        if (e->type() == QEvent::DynamicPropertyChange && !m_syncing) {
            QString wanted = shownText(property(kTextProperty).toString());
            if (wanted != toPlainText()) {
                m_syncing = true;
                setPlainText(wanted);
                m_syncing = false;
            }
        }
        return QPlainTextEdit::event(e);
    }
    void keyPressEvent(QKeyEvent* e) override {
        if (e->key() == Qt::Key_Escape) {
            ForwardEditKey(this, VK_ESCAPE);
            return;
        }
        QPlainTextEdit::keyPressEvent(e);
    }
    void focusOutEvent(QFocusEvent* e) override {
        QPlainTextEdit::focusOutEvent(e);
        if (e->reason() != Qt::PopupFocusReason)
            ForwardEditFocusLoss(this);
    }

private:
    bool m_syncing = false;
};

} // namespace

QWidget* MakeMultiLineEditWidget(QWidget* parent, DWORD style, HWND) {
    return new MultiLineEditWidget(parent, style);
}

int ShownPosition(const std::string& text, int index) {
    int shown = 0;
    for (int i = 0; i < index && std::size_t(i) < text.size(); ++i)
        if (!(text[std::size_t(i)] == '\r' && std::size_t(i) + 1 < text.size() &&
              text[std::size_t(i) + 1] == '\n'))
            ++shown;
    return shown;
}

bool SetMultiLineSel(QWidget* widget, int start, int end) {
    auto* edit = dynamic_cast<MultiLineEditWidget*>(widget);
    if (!edit)
        return false;
    std::string text = edit->property(kTextProperty).toString().toStdString();
    int length = int(text.size());
    start = std::clamp(start, 0, length);
    end = end < 0 ? length : std::clamp(end, start, length);
    QTextCursor cursor = edit->textCursor();
    cursor.setPosition(ShownPosition(text, start));
    cursor.setPosition(ShownPosition(text, end), QTextCursor::KeepAnchor);
    edit->setTextCursor(cursor);
    edit->ensureCursorVisible();
    return true;
}

void ForwardEditKey(QWidget* widget, WPARAM key) {
    if (HWND hwnd = WindowSystem::FromWidget(widget))
        WindowSystem::Dispatch(hwnd, WM_KEYDOWN, key, 0);
}

bool ForwardEndingKey(QWidget* widget, const QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        ForwardEditKey(widget, VK_RETURN);
        return true;
    }
    if (event->key() == Qt::Key_Escape) {
        ForwardEditKey(widget, VK_ESCAPE);
        return true;
    }
    return false;
}

void ForwardEditFocusLoss(QWidget* widget) {
    if (HWND hwnd = WindowSystem::FromWidget(widget))
        WindowSystem::Dispatch(hwnd, WM_KILLFOCUS, 0, 0);
}
