#include "tests/dialogs/DialogTestSupport.h"

#include "dialogs/NmDlgResources.h"
#include "snmp/CSnmpClass.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QThread>
#include <QWidget>

const _NmOidTable kSystemRows[6] = {
    {SNMP_TYPE_OCTETS, SNMP_ACCESS_READONLY, "1.3.6.1.2.1.1.1", "sysDescr", nullptr, 0},
    {SNMP_TYPE_OID, SNMP_ACCESS_READONLY, "1.3.6.1.2.1.1.2", "sysObjectID", nullptr, 0},
    {SNMP_TYPE_TIMETICKS, SNMP_ACCESS_READONLY, "1.3.6.1.2.1.1.3", "sysUpTime", nullptr, 0},
    {SNMP_TYPE_OCTETS, SNMP_ACCESS_READWRITE, "1.3.6.1.2.1.1.4", "sysContact", nullptr, 0},
    {SNMP_TYPE_OCTETS, SNMP_ACCESS_READWRITE, "1.3.6.1.2.1.1.5", "sysName", nullptr, 0},
    {SNMP_TYPE_OCTETS, SNMP_ACCESS_READWRITE, "1.3.6.1.2.1.1.6", "sysLocation", nullptr, 0},
};

TestGetDialog::TestGetDialog(CWnd* parent, const std::string& key, const std::string& address,
                             int rowCount, const _NmOidTable* table)
    : CNmDlgList(parent, key, address, "tessla", "marbelo", rowCount, table, ".0") {
    m_pSnmp = new CSnmpClass(this, address, "tessla", "marbelo", rowCount, table, ".0");
    RegisterReplyReceiver();
    Create();
}

BOOL TestGetDialog::OnInitDialog() {
    CNmDlgList::OnInitDialog();
    m_imageList.Create(IDB_NMDLG_LIST_IMAGES, 16, 1, kNmListMaskColor);
    m_imageList.SetOverlayImage(4, 1);
    m_listCtrl.SetImageList(&m_imageList, LVSIL_SMALL);
    m_listCtrl.InsertColumn(0, "Object", LVCFMT_LEFT, 140, 0, kNmDefaultColor);
    m_listCtrl.InsertColumn(1, "Description", LVCFMT_LEFT, 200, 1, kNmDefaultColor);
    int row = 0;
    for (CSnmpOid* oid : m_pSnmp->GetOidList()) {
        bool writable = (oid->m_wAccess & 0x02) != 0;
        m_listCtrl.InsertItem(LVIF_TEXT | LVIF_IMAGE, row, oid->m_strName.c_str(), 0, 0,
                              writable ? 2 : 1, 0, writable ? RGB(0, 0, 255) : kNmDefaultColor);
        ++row;
    }
    Refresh();
    return TRUE;
}

void TestGetDialog::Refresh() {
    if (m_dwPendingReqId == 0)
        SendAndWait(SNMP_PDU_GET);
}

void TestGetDialog::OnSnmpSendReply(UINT code, LPARAM lParam) {
    auto* msg = reinterpret_cast<CSnmpMsg*>(lParam);
    ++replies;
    if (msg && msg->m_pPdu && msg->m_pPdu->m_dwReqId != m_dwPendingReqId && code == 0) {
        CSnmpMsg::Release(msg);
        return;
    }
    m_dwPendingReqId = 0;
    if (code) {
        DisplayStatus(std::uint16_t(code));
    } else {
        DisplayStatus(msg->m_pPdu);
        if (msg->m_pPdu->m_dwErrorStatus == 0) {
            auto vb = msg->m_pPdu->m_varBindList.begin();
            int row = 0;
            for (CSnmpOid* oid : m_pSnmp->GetOidList()) {
                if (vb == msg->m_pPdu->m_varBindList.end())
                    break;
                oid->m_strValue = CSnmpClass::FormatValue(*vb++, oid);
                m_listCtrl.SetItemText(row++, 1, oid->m_strValue.c_str());
            }
        }
    }
    CSnmpMsg::Release(msg);
}

void SaveScreenshot(CWnd* wnd, const std::string& name) {
    QByteArray dir = qgetenv("TAUREL_SCREENSHOTS");
    if (dir.isEmpty() || !wnd->GetWidget())
        return;
    QDir().mkpath(QString::fromLocal8Bit(dir));
    wnd->GetWidget()->grab().save(QString::fromLocal8Bit(dir) + "/" + QString::fromStdString(name) +
                                  ".png");
}

bool PumpUntil(const std::function<bool()>& done, int ms) {
    QElapsedTimer timer;
    timer.start();
    while (!done()) {
        if (timer.elapsed() > ms)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(2);
    }
    return true;
}
