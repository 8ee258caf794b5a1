#include "platform/ui/AccessibleWindow.h"

#include "platform/ui/WinMessages.h"
#include "platform/ui/WindowSystem.h"
#include "platform/ui/WindowWidget.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QMap>
#include <QVariant>

namespace {

constexpr const char* kLabelProperty = "taurelLabel";
constexpr const char* kDescribedProperty = "taurelDescribed";

QAccessible::Role qtRole(AccRole role) {
    switch (role) {
    case AccRole::Pane:
        return QAccessible::Pane;
    case AccRole::Button:
        return QAccessible::Button;
    case AccRole::MenuBar:
        return QAccessible::MenuBar;
    case AccRole::MenuButton:
        return QAccessible::ButtonMenu;
    case AccRole::Table:
        return QAccessible::Table;
    case AccRole::Cell:
        return QAccessible::Cell;
    case AccRole::ComboBox:
        return QAccessible::ComboBox;
    case AccRole::SpinBox:
        return QAccessible::SpinBox;
    case AccRole::CheckBox:
        return QAccessible::CheckBox;
    case AccRole::Label:
        return QAccessible::StaticText;
    case AccRole::Grouping:
        return QAccessible::Grouping;
    case AccRole::StatusBar:
        return QAccessible::StatusBar;
    case AccRole::Indicator:
        // The screen-reader bridge knows no indicator role; an LED is a picture of a light.
        return QAccessible::Graphic;
    case AccRole::Graphic:
        return QAccessible::Graphic;
    case AccRole::List:
        return QAccessible::List;
    case AccRole::ListItem:
        return QAccessible::ListItem;
    case AccRole::None:
        break;
    }
    return QAccessible::Client;
}

void addStates(QAccessible::State& state, const AccItem& item) {
    if (item.focusable)
        state.focusable = true;
    if (item.focused)
        state.focused = true;
    if (item.selectable)
        state.selectable = true;
    if (item.selected)
        state.selected = true;
    if (item.checkable)
        state.checkable = true;
    if (item.checked)
        state.checked = true;
    if (item.pressed)
        state.pressed = true;
    if (item.unavailable)
        state.disabled = true;
    if (item.hasPopup)
        state.hasPopup = true;
}

QString text(const std::string& s) {
    return QString::fromUtf8(s.data(), qsizetype(s.size()));
}

// The desktop's screen-reader bridge passes on names and descriptions but no value text, so an
// item without a description of its own is described by its value (a choice, a count, a state).
QString describedBy(const AccItem& item) {
    return text(item.description.empty() ? item.value : item.description);
}

class WindowAccessible;

// A part of a window without a window of its own: a button of a menu bar, a cell, a port.
class PartAccessible : public QAccessibleInterface, public QAccessibleTableCellInterface {
public:
    PartAccessible(WindowAccessible* owner, int index) : m_owner(owner), m_index(index) {}

    bool isValid() const override;
    QObject* object() const override { return nullptr; }
    QWindow* window() const override;
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override;
    QAccessible::Role role() const override;
    QAccessible::State state() const override;
    void* interface_cast(QAccessible::InterfaceType type) override;

    // Cell of a table.
    bool isSelected() const override { return Item().selected; }
    QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int columnIndex() const override;
    int rowIndex() const override;
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override { return parent(); }

private:
    AccItem Item() const;

    WindowAccessible* m_owner;
    int m_index;
};

class WindowAccessible : public QAccessibleWidget, public QAccessibleTableInterface {
public:
    explicit WindowAccessible(QWidget* widget) : QAccessibleWidget(widget) {}
    ~WindowAccessible() override {
        for (QAccessible::Id id : m_parts)
            QAccessible::deleteAccessibleInterface(id);
    }

    // What the window says of itself now; `answered` false when it says nothing.
    AccessibleInfo Info(bool* answered = nullptr) const {
        AccessibleInfo info;
        HWND hwnd = WindowSystem::FromWidget(widget());
        bool said = hwnd && WindowSystem::Dispatch(hwnd, WM_GETOBJECT, 0, LPARAM(&info)) != 0;
        if (answered)
            *answered = said;
        return info;
    }
    int RealChildren() const { return QAccessibleWidget::childCount(); }
    QWidget* Widget() const { return widget(); }

    QAccessible::Role role() const override {
        bool answered = false;
        AccessibleInfo info = Info(&answered);
        if (answered && info.self.role != AccRole::None)
            return qtRole(info.self.role);
        if (widget()->isWindow())
            return QAccessible::Dialog;
        HWND hwnd = WindowSystem::FromWidget(widget());
        WindowRecord* rec = WindowSystem::Find(hwnd);
        if (rec && rec->className == "#32770")
            return QAccessible::Pane; // a page of a dialog
        return QAccessible::Client;
    }

    QString text(QAccessible::Text t) const override {
        bool answered = false;
        AccessibleInfo info = Info(&answered);
        switch (t) {
        case QAccessible::Name:
            if (answered && !info.self.name.empty())
                return text(info.self.name);
            if (widget()->isWindow())
                return widget()->windowTitle();
            if (!widget()->accessibleName().isEmpty())
                return widget()->accessibleName();
            if (QString label = widget()->property(kLabelProperty).toString(); !label.isEmpty())
                return label;
            // A window that says nothing of itself (a dialog's page) reads its window text.
            return answered ? QString() : widget()->property("taurelText").toString();
        case QAccessible::Description:
            return answered ? describedBy(info.self) : QString();
        case QAccessible::Value:
            return answered ? text(info.self.value) : QString();
        default:
            return QAccessibleWidget::text(t);
        }
    }

    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        bool answered = false;
        AccessibleInfo info = Info(&answered);
        if (answered)
            addStates(s, info.self);
        return s;
    }

    int childCount() const override { return RealChildren() + int(Info().items.size()); }

    QAccessibleInterface* child(int index) const override {
        int real = RealChildren();
        if (index < real)
            return QAccessibleWidget::child(index);
        int part = index - real;
        if (part >= int(Info().items.size()))
            return nullptr;
        auto found = m_parts.find(part);
        if (found != m_parts.end())
            return QAccessible::accessibleInterface(*found);
        auto* iface = new PartAccessible(const_cast<WindowAccessible*>(this), part);
        m_parts.insert(part, QAccessible::registerAccessibleInterface(iface));
        return iface;
    }

    int indexOfChild(const QAccessibleInterface* child) const override {
        for (auto it = m_parts.begin(); it != m_parts.end(); ++it)
            if (QAccessible::accessibleInterface(it.value()) == child)
                return RealChildren() + it.key();
        return QAccessibleWidget::indexOfChild(child);
    }

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TableInterface && Info().columns > 0)
            return static_cast<QAccessibleTableInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    // A part's own item, or an empty one once the window has fewer parts.
    AccItem Part(int index) const {
        AccessibleInfo info = Info();
        return index < int(info.items.size()) ? info.items[std::size_t(index)] : AccItem{};
    }
    bool HasPart(int index) const { return index < int(Info().items.size()); }
    int Columns() const { return Info().columns; }
    QAccessibleInterface* PartInterface(int index) const { return child(RealChildren() + index); }

    // Table.
    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override {
        AccessibleInfo info = Info();
        if (row < 0 || column < 0 || row >= info.rows || column >= info.columns)
            return nullptr;
        return PartInterface(row * info.columns + column);
    }
    int selectedCellCount() const override { return int(selectedCells().size()); }
    QList<QAccessibleInterface*> selectedCells() const override {
        QList<QAccessibleInterface*> cells;
        AccessibleInfo info = Info();
        for (std::size_t i = 0; i < info.items.size(); ++i)
            if (info.items[i].selected)
                cells.append(PartInterface(int(i)));
        return cells;
    }
    QString columnDescription(int column) const override {
        AccessibleInfo info = Info();
        return column >= 0 && column < int(info.columnHeaders.size())
                   ? text(info.columnHeaders[std::size_t(column)])
                   : QString();
    }
    QString rowDescription(int row) const override { return QString::number(row + 1); }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return int(selectedRows().size()); }
    int columnCount() const override { return Info().columns; }
    int rowCount() const override { return Info().rows; }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override {
        QList<int> rows;
        AccessibleInfo info = Info();
        for (int r = 0; r < info.rows; ++r)
            if (info.columns > 0 && info.items[std::size_t(r * info.columns)].selected)
                rows.append(r);
        return rows;
    }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int row) const override { return selectedRows().contains(row); }
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent*) override {}

private:
    static QString text(const std::string& s) { return ::text(s); }

    mutable QMap<int, QAccessible::Id> m_parts;
};

bool PartAccessible::isValid() const {
    return m_owner->isValid() && m_owner->HasPart(m_index);
}

QWindow* PartAccessible::window() const {
    return m_owner->window();
}

QAccessibleInterface* PartAccessible::parent() const {
    return m_owner;
}

AccItem PartAccessible::Item() const {
    return m_owner->Part(m_index);
}

QString PartAccessible::text(QAccessible::Text t) const {
    AccItem item = Item();
    switch (t) {
    case QAccessible::Name:
        return ::text(item.name);
    case QAccessible::Description:
        return describedBy(item);
    case QAccessible::Value:
        return ::text(item.value);
    default:
        return QString();
    }
}

QRect PartAccessible::rect() const {
    AccItem item = Item();
    QWidget* w = m_owner->Widget();
    QPoint origin = w->mapToGlobal(QPoint(item.rect.left, item.rect.top));
    return QRect(origin, QSize(item.rect.Width(), item.rect.Height()));
}

QAccessible::Role PartAccessible::role() const {
    return qtRole(Item().role);
}

QAccessible::State PartAccessible::state() const {
    QAccessible::State s;
    AccItem item = Item();
    addStates(s, item);
    if (!m_owner->Widget()->isVisible())
        s.invisible = true;
    return s;
}

void* PartAccessible::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::TableCellInterface && m_owner->Columns() > 0)
        return static_cast<QAccessibleTableCellInterface*>(this);
    return nullptr;
}

int PartAccessible::columnIndex() const {
    int columns = m_owner->Columns();
    return columns > 0 ? m_index % columns : 0;
}

int PartAccessible::rowIndex() const {
    int columns = m_owner->Columns();
    return columns > 0 ? m_index / columns : 0;
}

QAccessibleInterface* factory(const QString&, QObject* object) {
    if (auto* widget = dynamic_cast<WindowWidget*>(object))
        return new WindowAccessible(widget);
    auto* widget = qobject_cast<QWidget*>(object);
    if (widget && widget->property(kDescribedProperty).toBool())
        return new WindowAccessible(widget);
    return nullptr;
}

} // namespace

namespace AccessibleWindows {

void Install() {
    static bool installed = false;
    if (installed)
        return;
    installed = true;
    QAccessible::installFactory(factory);
}

void DescribeByMessages(QWidget* window) {
    if (window)
        window->setProperty(kDescribedProperty, true);
}

void SetLabel(QWidget* control, const std::string& label) {
    if (!control)
        return;
    QString name = QString::fromUtf8(label.data(), qsizetype(label.size()));
    control->setProperty(kLabelProperty, name);
    // A stock control, or the stock edit inside a custom one, reads the label as its name.
    if (!dynamic_cast<WindowWidget*>(control) && control->accessibleName().isEmpty())
        control->setAccessibleName(name);
    for (QWidget* inner : control->findChildren<QWidget*>())
        if (!dynamic_cast<WindowWidget*>(inner) && inner->accessibleName().isEmpty() &&
            inner->focusPolicy() != Qt::NoFocus)
            inner->setAccessibleName(name);
}

void Notify(QWidget* window, AccEvent event, int item) {
    if (!window || !QAccessible::isActive())
        return;
    QAccessible::Event kind = QAccessible::StateChanged;
    switch (event) {
    case AccEvent::Focus:
        kind = QAccessible::Focus;
        break;
    case AccEvent::NameChanged:
        kind = QAccessible::NameChanged;
        break;
    case AccEvent::ValueChanged:
        kind = QAccessible::ValueChanged;
        break;
    case AccEvent::SelectionChanged:
        kind = QAccessible::Selection;
        break;
    case AccEvent::StateChanged:
        break;
    }
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(window);
    if (!iface)
        return;
    int child = -1;
    if (item >= 0)
        if (auto* own = dynamic_cast<WindowAccessible*>(iface))
            child = own->RealChildren() + item;
    if (kind == QAccessible::StateChanged) {
        QAccessibleStateChangeEvent e(window, QAccessible::State());
        if (child >= 0)
            e.setChild(child);
        QAccessible::updateAccessibility(&e);
        return;
    }
    QAccessibleEvent e(window, kind);
    if (child >= 0)
        e.setChild(child);
    QAccessible::updateAccessibility(&e);
}

} // namespace AccessibleWindows
