#include "platform/ui/CComboBox.h"
#include "platform/ui/OctetText.h"

#include "platform/ui/EditWidgets.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QStyledItemDelegate>
#include <QVariant>

namespace {

constexpr const char* kTextProperty = "taurelText";

// Items of a fixed height, so the drop-down rows match the list rows they edit.
class FixedHeightDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    int height = 0;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QSize size = QStyledItemDelegate::sizeHint(option, index);
        if (height > 0)
            size.setHeight(height);
        return size;
    }
};

class ComboWidget : public QComboBox {
public:
    explicit ComboWidget(QWidget* parent) : QComboBox(parent) {
        delegate = new FixedHeightDelegate(this);
        setItemDelegate(delegate);
        connect(this, &QComboBox::currentTextChanged, this,
                [this](const QString& text) { setProperty(kTextProperty, text); });
    }
    FixedHeightDelegate* delegate;
    int extent = 0;

    void showPopup() override {
        if (extent > 0)
            view()->setMinimumWidth(extent);
        QComboBox::showPopup();
    }

protected:
    void keyPressEvent(QKeyEvent* e) override {
        if (ForwardEndingKey(this, e))
            return;
        QComboBox::keyPressEvent(e);
    }
    void focusOutEvent(QFocusEvent* e) override {
        QComboBox::focusOutEvent(e);
        if (e->reason() != Qt::PopupFocusReason && !view()->isVisible())
            ForwardEditFocusLoss(this);
    }
};

ComboWidget* comboOf(const CComboBox* self) {
    return dynamic_cast<ComboWidget*>(self->GetWidget());
}

} // namespace

// The widget of "COMBOBOX" windows (registered as a built-in class by the window system).
QWidget* MakeComboBoxWidget(QWidget* parent, DWORD, HWND) {
    return new ComboWidget(parent);
}

BOOL CComboBox::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id) {
    return CWnd::Create("COMBOBOX", nullptr, style, rect, parent, id);
}

int CComboBox::AddString(const char* text) {
    ComboWidget* combo = comboOf(this);
    if (!combo)
        return CB_ERR;
    // The choice stays as it was: a drop-down list starts with nothing chosen.
    int current = combo->currentIndex();
    combo->addItem(TextFromOctets(text ? text : ""));
    combo->setCurrentIndex(current);
    return combo->count() - 1;
}

int CComboBox::GetCount() const {
    ComboWidget* combo = comboOf(this);
    return combo ? combo->count() : 0;
}

int CComboBox::SetCurSel(int index) {
    ComboWidget* combo = comboOf(this);
    if (!combo || index >= combo->count())
        return CB_ERR;
    combo->setCurrentIndex(index < 0 ? -1 : index);
    return index < 0 ? CB_ERR : index;
}

int CComboBox::GetCurSel() const {
    ComboWidget* combo = comboOf(this);
    return combo ? combo->currentIndex() : CB_ERR;
}

std::string CComboBox::GetLBText(int index) const {
    ComboWidget* combo = comboOf(this);
    return combo ? OctetsFromText(combo->itemText(index)) : std::string();
}

void CComboBox::SetItemHeight(int height) {
    if (ComboWidget* combo = comboOf(this))
        combo->delegate->height = height;
}

int CComboBox::GetItemHeight() const {
    ComboWidget* combo = comboOf(this);
    return combo ? combo->delegate->height : 0;
}

void CComboBox::SetHorizontalExtent(int width) {
    if (ComboWidget* combo = comboOf(this))
        combo->extent = width;
}

int CComboBox::GetHorizontalExtent() const {
    ComboWidget* combo = comboOf(this);
    return combo ? combo->extent : 0;
}

BOOL CComboBox::SetMinVisibleItems(int count) {
    ComboWidget* combo = comboOf(this);
    if (!combo || count < 1)
        return FALSE;
    combo->setMaxVisibleItems(count);
    return TRUE;
}

int CComboBox::GetMinVisible() const {
    ComboWidget* combo = comboOf(this);
    return combo ? combo->maxVisibleItems() : 0;
}
