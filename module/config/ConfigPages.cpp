#include "module/config/ConfigPages.h"

#include "controls/KoCombo/CCBCtrl.h"
#include "controls/KoTextEdit/CTextEditControl.h"
#include "controls/common/ControlMessages.h"
#include "module/config/ChoiceValues.h"
#include "module/config/ConfigSupport.h"
#include "module/tables/ConfigTables.h"
#include "platform/ui/CStatic.h"

namespace {

// Pages fill the display area of the tab control, 226 × 96 dialog units.
DialogTemplate PageTemplate(std::vector<DialogItemTemplate> items) {
    DialogTemplate tpl;
    tpl.cx = 226;
    tpl.cy = 96;
    tpl.style = WS_CHILD;
    tpl.items = std::move(items);
    return tpl;
}

DialogItemTemplate Label(UINT id, int x, int y, int cx, const char* text) {
    return {id, "STATIC", x, y + 2, cx, 10, WS_VISIBLE | SS_LEFT, text};
}

DialogItemTemplate Item(UINT id, const char* className, int x, int y, int cx) {
    return {id, className, x, y, cx, 13, WS_VISIBLE | WS_TABSTOP, ""};
}

DialogItemTemplate StatusLine(UINT id) {
    return {id, "DlgMsgCtrlClass", 8, 78, 210, 11, WS_VISIBLE, ""};
}

const _NmOidTable& ConfigRow(int row) {
    return g_ConfigTable[row];
}

} // namespace

// General: three text fields.

CGeneralPage::CGeneralPage()
    : CConfigPage(PageTemplate({
                      Label(1201, 8, 10, 44, "Contact"),
                      Item(kContactId, "TextEditCtrlClass", 56, 10, 162),
                      Label(1202, 8, 30, 44, "Name"),
                      Item(kNameId, "TextEditCtrlClass", 56, 30, 162),
                      Label(1203, 8, 50, 44, "Location"),
                      Item(kLocationId, "TextEditCtrlClass", 56, 50, 162),
                      StatusLine(kStatusId),
                  }),
                  kStatusId, kConfigGeneralFirstRow, kConfigGeneralRowCount) {}

void CGeneralPage::SetUpInputs() {
    const UINT ids[3] = {kContactId, kNameId, kLocationId};
    for (int i = 0; i < 3; ++i) {
        m_pFields[i] = ControlOf<CTextEditControl>(this, int(ids[i]));
        InitField(m_pFields[i]);
    }
}

void CGeneralPage::StoreInputs() {
    for (int i = 0; i < 3; ++i)
        if (CSnmpOid* object = Object(i))
            object->m_strValue = m_shown[i].OctetsFor(FieldText(m_pFields[i]));
}

void CGeneralPage::ShowValue(int index, const std::string& text, const CSnmpVarBind&) {
    if (index < 0 || index >= 3 || !m_pFields[index])
        return;
    m_pFields[index]->SetText(text.c_str());
    m_shown[index].Remember(text, FieldText(m_pFields[index]));
}

// Console: the serial port's use and its out-of-band rate, listed under their own names.

CConsolePage::CConsolePage()
    : CConfigPage(PageTemplate({
                      Label(1204, 8, 14, 80, "RS232 Port Used As"),
                      Item(kUseId, "ComboBoxCtrlClass", 96, 14, 100),
                      Label(1205, 8, 38, 80, "Out-of-Band Rate"),
                      Item(kRateId, "ComboBoxCtrlClass", 96, 38, 100),
                      StatusLine(kStatusId),
                  }),
                  kStatusId, kConfigConsoleFirstRow, kConfigConsoleRowCount) {}

void CConsolePage::SetUpInputs() {
    // The lists name the values differently from the enumerations: the position links them.
    m_lists[0].Attach(ControlOf<CCBCtrl>(this, int(kUseId)), IndexedChoices({"Console", "SLIP"}),
                      ConfigRow(kConfigConsoleFirstRow).pEnum);
    m_lists[1].Attach(
        ControlOf<CCBCtrl>(this, int(kRateId)),
        IndexedChoices({"baudRate-2400", "baudRate-9600", "baudRate-19200", "baudRate-38400"}),
        ConfigRow(kConfigConsoleFirstRow + 1).pEnum);
}

void CConsolePage::StoreInputs() {
    for (int i = 0; i < 2; ++i)
        if (CSnmpOid* object = Object(i))
            object->m_strValue = m_lists[i].ChosenText();
}

void CConsolePage::ShowValue(int index, const std::string&, const CSnmpVarBind& binding) {
    if (index >= 0 && index < 2)
        m_lists[index].ShowValue(std::int32_t(binding.GetUInt32()));
}

void CConsolePage::RaiseInputs() {
    for (CEnumChoice& list : m_lists)
        list.Raise();
}

// Advanced: the address-table ageing time and learning.

CAdvancedPage::CAdvancedPage()
    : CConfigPage(PageTemplate({
                      Label(1206, 8, 14, 140, "MAC Address Entry Expires (seconds)"),
                      Item(kExpiresId, "TextEditCtrlClass", 150, 14, 68),
                      Label(1207, 8, 38, 140, "Learning State"),
                      Item(kLearningId, "ComboBoxCtrlClass", 150, 38, 68),
                      StatusLine(kStatusId),
                  }),
                  kStatusId, kConfigAdvancedFirstRow, kConfigAdvancedRowCount) {}

void CAdvancedPage::SetUpInputs() {
    m_pExpires = ControlOf<CTextEditControl>(this, int(kExpiresId));
    InitField(m_pExpires);
    m_learning.Attach(ControlOf<CCBCtrl>(this, int(kLearningId)),
                      ConfigRow(kConfigAdvancedFirstRow + 1).pEnum);
}

void CAdvancedPage::StoreInputs() {
    if (CSnmpOid* object = Object(0))
        object->m_strValue = FieldText(m_pExpires);
    if (CSnmpOid* object = Object(1))
        object->m_strValue = m_learning.ChosenText();
}

void CAdvancedPage::ShowValue(int index, const std::string& text, const CSnmpVarBind& binding) {
    if (index == 0 && m_pExpires)
        m_pExpires->SetText(text.c_str());
    else if (index == 1)
        m_learning.ShowValue(std::int32_t(binding.GetUInt32()));
}

// Traps: the authentication-failure trap.

CTrapsPage::CTrapsPage()
    : CConfigPage(PageTemplate({
                      Label(1208, 8, 14, 100, "Authentication Fail Trap"),
                      Item(kAuthTrapId, "ComboBoxCtrlClass", 112, 14, 80),
                      StatusLine(kStatusId),
                  }),
                  kStatusId, kConfigTrapsFirstRow, kConfigTrapsRowCount) {}

void CTrapsPage::SetUpInputs() {
    m_authTrap.Attach(ControlOf<CCBCtrl>(this, int(kAuthTrapId)),
                      ConfigRow(kConfigTrapsFirstRow).pEnum);
}

void CTrapsPage::StoreInputs() {
    if (CSnmpOid* object = Object(0))
        object->m_strValue = m_authTrap.ChosenText();
}

void CTrapsPage::ShowValue(int index, const std::string&, const CSnmpVarBind& binding) {
    if (index == 0)
        m_authTrap.ShowValue(std::int32_t(binding.GetUInt32()));
}
