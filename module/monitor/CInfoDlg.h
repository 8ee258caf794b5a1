#pragma once
// The information dialog (slot 0, device information, and slots 50 to 77, port information):
// reads a group of objects with one get request and shows them as "Object" and "Description".

#include "module/dialogbase/CSwitchInfoDlg.h"

#include <cstdint>
#include <memory>

class CSnmpClass;
class CSnmpMsg;

class CInfoDlg : public CSwitchInfoDlg {
public:
    static constexpr int kDescriptionWidth = 500;
    static constexpr int kMinObjectWidth = 120;

    CInfoDlg(CWnd* mainWnd, CTableDlgData* record);
    ~CInfoDlg() override;
    // The factory's function for the information slots.
    static CWnd* CreateFor(CWnd* mainWnd, CDlgData* record);

    // Sends the get, unless one is outstanding.
    void StartRead();
    void OnReadReply(std::uint16_t code, CSnmpMsg* msg);

    int SamplesCount() const { return m_nSamples; }
    const CSnmpClass& ReadObject() const { return *m_pRead; }

protected:
    void InitGrid() override;
    const char* CounterCaption() const override { return "Samples"; }
    const char* CounterStart() const override { return "1"; }
    void Refresh() override { StartRead(); }
    void OnButton(const CDlgButton& button) override;

private:
    std::unique_ptr<CSnmpClass> m_pRead;
    int m_nSamples = 0;
};

// The width of the "Object" column: the widest row name's four fifths, at least 120 pixels.
int ObjectColumnWidth(int widestName);
