#include "platform/ui/CTabCtrl.h"
#include "platform/ui/OctetText.h"

#include "platform/ui/AccessibleWindow.h"
#include "platform/ui/GdiObjects.h"
#include "platform/ui/WindowSystem.h"

#include <QEvent>
#include <QPainter>
#include <QStyleOptionTabWidgetFrame>
#include <QTabBar>

namespace {

// Room between the frame and the display area on every side.
constexpr int kFrameMargin = 2;

// The tab bar along the top edge and the frame of the display area below it.
class TabWidget : public QWidget {
public:
    TabWidget(QWidget* parent, HWND hwnd) : QWidget(parent), m_bar(new QTabBar(this)) {
        m_bar->setDrawBase(false);
        m_bar->setExpanding(false);
        m_bar->setUsesScrollButtons(false);
        // Tab reaches the tabs themselves, which show the focus on the current one and turn
        // pages with the arrow keys.
        m_bar->setFocusPolicy(Qt::TabFocus);
        setFocusProxy(m_bar);
        AccessibleWindows::DescribeByMessages(this);
        QObject::connect(m_bar, &QTabBar::currentChanged, this, [this, hwnd](int) {
            if (!m_quiet)
                Notify(hwnd);
        });
    }

    QTabBar* Bar() const { return m_bar; }
    int BarHeight() const { return m_bar->sizeHint().height(); }
    // Runs `change` without telling the parent (selections the program makes itself).
    template <class F> void Quietly(F change) {
        m_quiet = true;
        change();
        m_quiet = false;
    }
    void Relayout() { m_bar->setGeometry(0, 0, width(), BarHeight()); }

protected:
    bool event(QEvent* e) override {
        if (e->type() == QEvent::FontChange)
            Relayout();
        return QWidget::event(e);
    }
    void resizeEvent(QResizeEvent*) override { Relayout(); }
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        QStyleOptionTabWidgetFrame frame;
        frame.initFrom(this);
        frame.rect = QRect(0, BarHeight() - 1, width(), height() - BarHeight() + 1);
        frame.shape = QTabBar::RoundedNorth;
        frame.tabBarSize = m_bar->size();
        style()->drawPrimitive(QStyle::PE_FrameTabWidget, &frame, &painter, this);
    }

private:
    static void Notify(HWND hwnd) {
        WindowRecord* rec = WindowSystem::Find(hwnd);
        if (!rec || !rec->parent)
            return;
        NMHDR header;
        header.hwndFrom = hwnd;
        header.idFrom = rec->id;
        header.code = TCN_SELCHANGE;
        WindowSystem::Dispatch(rec->parent, WM_NOTIFY, WPARAM(rec->id), LPARAM(&header));
    }

    QTabBar* m_bar;
    bool m_quiet = false;
};

QWidget* MakeTabWidget(QWidget* parent, DWORD, HWND hwnd) {
    return new TabWidget(parent, hwnd);
}

TabWidget* tabsOf(const CTabCtrl* self) {
    return dynamic_cast<TabWidget*>(self->GetWidget());
}

} // namespace

void CTabCtrl::Register() {
    WNDCLASS known;
    if (!GetClassInfo(AfxGetInstanceHandle(), "SysTabControl32", &known))
        WindowSystem::RegisterBuiltinClass("SysTabControl32", MakeTabWidget, nullptr);
}

int CTabCtrl::InsertItem(int item, const char* text) {
    TabWidget* tabs = tabsOf(this);
    if (!tabs || item < 0)
        return -1;
    int at = 0;
    tabs->Quietly([&] { at = tabs->Bar()->insertTab(item, TextFromOctets(text ? text : "")); });
    tabs->Relayout();
    return at;
}

int CTabCtrl::GetItemCount() const {
    TabWidget* tabs = tabsOf(this);
    return tabs ? tabs->Bar()->count() : 0;
}

int CTabCtrl::GetCurSel() const {
    TabWidget* tabs = tabsOf(this);
    return tabs ? tabs->Bar()->currentIndex() : -1;
}

int CTabCtrl::SetCurSel(int item) {
    TabWidget* tabs = tabsOf(this);
    if (!tabs || item < 0 || item >= tabs->Bar()->count())
        return -1;
    int previous = tabs->Bar()->currentIndex();
    tabs->Quietly([&] { tabs->Bar()->setCurrentIndex(item); });
    return previous;
}

void CTabCtrl::AdjustRect(BOOL larger, LPRECT rect) const {
    TabWidget* tabs = tabsOf(this);
    if (!tabs || !rect)
        return;
    int top = tabs->BarHeight() + kFrameMargin;
    int sign = larger ? -1 : 1;
    rect->left += sign * kFrameMargin;
    rect->top += sign * top;
    rect->right -= sign * kFrameMargin;
    rect->bottom -= sign * kFrameMargin;
}

LRESULT CTabCtrl::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_SETFONT) {
        if (TabWidget* tabs = tabsOf(this)) {
            auto* font = reinterpret_cast<CFont*>(wParam);
            tabs->Bar()->setFont(font ? font->GetQFont() : QFont());
            tabs->Relayout();
            tabs->update();
        }
        return 0;
    }
    if (msg == WM_GETOBJECT) {
        // The tabs read themselves; the frame around the page reads as the page shown.
        TabWidget* tabs = tabsOf(this);
        auto& info = *reinterpret_cast<AccessibleInfo*>(lParam);
        info.self.role = AccRole::Grouping;
        if (tabs && tabs->Bar()->currentIndex() >= 0)
            info.self.name =
                tabs->Bar()->tabText(tabs->Bar()->currentIndex()).trimmed().toStdString();
        return TRUE;
    }
    return CWnd::WindowProc(msg, wParam, lParam);
}
