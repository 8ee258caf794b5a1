#pragma once
// The four pages of Set Configuration: General (contact, name, location), Console (use of the
// serial port and its rate), Advanced (address-table ageing and learning) and Traps
// (authentication-failure trap).

#include "module/config/CConfigPage.h"
#include "module/config/CEnumChoice.h"
#include "module/config/ShownText.h"

#include <memory>

class CTextEditControl;

class CGeneralPage : public CConfigPage {
public:
    static constexpr UINT kTemplateId = 132;
    static constexpr UINT kContactId = 1003, kNameId = 1004, kLocationId = 1005, kStatusId = 1006;
    CGeneralPage();

protected:
    void SetUpInputs() override;
    void StoreInputs() override;
    void ShowValue(int index, const std::string& text, const CSnmpVarBind& binding) override;

private:
    CTextEditControl* m_pFields[3] = {};
    CShownText m_shown[3];
};

class CConsolePage : public CConfigPage {
public:
    static constexpr UINT kTemplateId = 133;
    static constexpr UINT kUseId = 1001, kRateId = 1002, kStatusId = 1006;
    CConsolePage();

protected:
    void SetUpInputs() override;
    void StoreInputs() override;
    void ShowValue(int index, const std::string& text, const CSnmpVarBind& binding) override;
    void RaiseInputs() override;

private:
    CEnumChoice m_lists[2];
};

class CAdvancedPage : public CConfigPage {
public:
    static constexpr UINT kTemplateId = 143;
    static constexpr UINT kExpiresId = 1015, kLearningId = 1016, kStatusId = 1013;
    CAdvancedPage();
    const CEnumChoice& Learning() const { return m_learning; }

protected:
    void SetUpInputs() override;
    void StoreInputs() override;
    void ShowValue(int index, const std::string& text, const CSnmpVarBind& binding) override;
    void RaiseInputs() override { m_learning.Raise(); }

private:
    CTextEditControl* m_pExpires = nullptr;
    CEnumChoice m_learning;
};

class CTrapsPage : public CConfigPage {
public:
    static constexpr UINT kTemplateId = 158;
    static constexpr UINT kAuthTrapId = 1020, kStatusId = 1025;
    CTrapsPage();

protected:
    void SetUpInputs() override;
    void StoreInputs() override;
    void ShowValue(int index, const std::string& text, const CSnmpVarBind& binding) override;
    void RaiseInputs() override { m_authTrap.Raise(); }

private:
    CEnumChoice m_authTrap;
};
