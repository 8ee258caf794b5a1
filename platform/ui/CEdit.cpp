#include "platform/ui/CEdit.h"

#include "platform/ui/ControlStyles.h"
#include "platform/ui/EditWidgets.h"
#include "platform/ui/WindowSystem.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QValidator>
#include <QVariant>

#include <algorithm>

namespace {

constexpr const char* kTextProperty = "taurelText";
// The most characters an edit takes when no limit is set (Qt's own default).
constexpr int kUnlimited = 32767;

int CodePoints(QStringView text) {
    int count = 0;
    for (qsizetype i = 0; i < text.size(); ++i, ++count)
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            ++i;
    return count;
}

// The UTF-16 length of the first `points` code points of `text`.
qsizetype UnitsOf(QStringView text, int points) {
    qsizetype i = 0;
    for (; i < text.size() && points > 0; ++i, --points)
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            ++i;
    return i;
}

// Cuts what a change inserted so the text keeps at most `limit` code points: the characters
// inserted last go first, whole, and the text that was there before stays. True when it cut.
bool CutToLimit(const QString& before, QString& text, int& cursor, int limit) {
    const int excess = CodePoints(text) - limit;
    if (excess <= 0)
        return false;
    // The inserted part: what differs between the two texts after their common ends.
    qsizetype front = 0;
    while (front < before.size() && front < text.size() && before[front] == text[front])
        ++front;
    if (front > 0 && text[front - 1].isHighSurrogate())
        --front;
    qsizetype back = 0;
    while (back < before.size() - front && back < text.size() - front &&
           before[before.size() - 1 - back] == text[text.size() - 1 - back])
        ++back;
    if (back > 0 && text[text.size() - back].isLowSurrogate())
        --back;
    const QStringView inserted = QStringView(text).mid(front, text.size() - front - back);
    const int kept = std::max(0, CodePoints(inserted) - excess);
    const qsizetype keptUnits = UnitsOf(inserted, kept);
    text.remove(front + keptUnits, inserted.size() - keptUnits);
    cursor = int(front + keptUnits);
    return true;
}

// Keeps the window text (the layer's text property) and the line edit's text the same in both
// directions: WM_SETTEXT writes the property, the operator writes the line edit.
class EditWidget : public QLineEdit {
public:
    explicit EditWidget(QWidget* parent) : QLineEdit(parent), m_limiter(this) {
        setFrame(false);
        setValidator(&m_limiter);
        connect(this, &QLineEdit::textChanged, this, [this](const QString& text) {
            m_accepted = text;
            setProperty(kTextProperty, text);
        });
    }
    void SetLimit(int chars) { m_limit = chars > 0 ? chars : kUnlimited; }

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

private:
    // Holds every change, typed or set, to the limit.
    class Limiter : public QValidator {
    public:
        explicit Limiter(EditWidget* edit) : m_edit(edit) {}
        State validate(QString& input, int& pos) const override {
            if (CutToLimit(m_edit->m_accepted, input, pos, m_edit->m_limit))
                m_edit->TellParentOfCut();
            return Acceptable;
        }

    private:
        EditWidget* m_edit;
    };

    // Posted: the parent hears of the cut after the edit has finished the change.
    void TellParentOfCut() {
        CWnd* self = CWnd::FromHandle(WindowSystem::FromWidget(this));
        CWnd* parent = self ? self->GetParent() : nullptr;
        if (parent && parent->m_hWnd)
            parent->PostMessage(WM_COMMAND, MAKEWPARAM(self->GetDlgCtrlID(), EN_MAXTEXT),
                                LPARAM(self->m_hWnd));
    }

    Limiter m_limiter;
    QString m_accepted;
    int m_limit = kUnlimited;
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
    if (auto* edit = dynamic_cast<EditWidget*>(GetWidget()))
        edit->SetLimit(chars);
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

void CEdit::SetPasswordChar(char mark) {
    if (QLineEdit* edit = editOf(this))
        edit->setEchoMode(mark ? QLineEdit::Password : QLineEdit::Normal);
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
