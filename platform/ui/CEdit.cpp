#include "platform/ui/CEdit.h"

#include "platform/ui/ControlStyles.h"
#include "platform/ui/EditWidgets.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QVariant>

namespace {

constexpr const char* kTextProperty = "taurelText";
// The most characters a line edit takes when no limit is set.
constexpr int kUnlimited = 32767;

// Keeps the window text (the layer's text property) and the line edit's text the same in both
// directions: WM_SETTEXT writes the property, the operator writes the line edit.
class EditWidget : public QLineEdit {
public:
    explicit EditWidget(QWidget* parent) : QLineEdit(parent) {
        setFrame(false);
        connect(this, &QLineEdit::textChanged, this,
                [this](const QString& text) { setProperty(kTextProperty, text); });
    }

protected:
    bool event(QEvent* e) override {
        if (e->type() == QEvent::DynamicPropertyChange) {
            QString wanted = property(kTextProperty).toString();
            if (wanted != text())
                setText(wanted);
        }
        return QLineEdit::event(e);
    }
    // Return and Escape end in-place editing; the window hears of them and of losing the focus.
    void keyPressEvent(QKeyEvent* e) override {
        if (ForwardEndingKey(this, e))
            return;
        QLineEdit::keyPressEvent(e);
    }
    void focusOutEvent(QFocusEvent* e) override {
        QLineEdit::focusOutEvent(e);
        if (e->reason() != Qt::PopupFocusReason)
            ForwardEditFocusLoss(this);
    }
};

QLineEdit* editOf(const CEdit* self) {
    return qobject_cast<QLineEdit*>(self->GetWidget());
}

} // namespace

// The widget of "EDIT" windows (registered as a built-in class by the window system).
QWidget* MakeEditWidget(QWidget* parent, DWORD style, HWND hwnd) {
    if (style & ES_MULTILINE)
        return MakeMultiLineEditWidget(parent, style, hwnd);
    auto* edit = new EditWidget(parent);
    if ((style & 3) == ES_CENTER)
        edit->setAlignment(Qt::AlignCenter);
    else if ((style & 3) == ES_RIGHT)
        edit->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return edit;
}

BOOL CEdit::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id) {
    return CWnd::Create("EDIT", nullptr, style, rect, parent, id);
}

void CEdit::LimitText(int chars) {
    if (QLineEdit* edit = editOf(this))
        edit->setMaxLength(chars > 0 ? chars : kUnlimited);
}

void CEdit::SetSel(int start, int end) {
    if (SetMultiLineSel(GetWidget(), start, end))
        return;
    QLineEdit* edit = editOf(this);
    if (!edit)
        return;
    int length = int(edit->text().size());
    start = std::clamp(start, 0, length);
    end = end < 0 ? length : std::clamp(end, start, length);
    edit->setSelection(start, end - start);
}

LRESULT CEdit::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_SETFONT) {
        if (QWidget* edit = GetWidget()) {
            auto* font = reinterpret_cast<CFont*>(wParam);
            edit->setFont(font ? font->GetQFont() : QFont());
            if (lParam)
                edit->update();
        }
        return 0;
    }
    return CWnd::WindowProc(msg, wParam, lParam);
}
