#pragma once
// CTextEditControl ("TextEditCtrlClass"): single-line text entry, a black 1-pixel frame around
// a standard edit control (child id 777) that does the typing, selection, clipboard and caret.
// Focus given to the control goes on into the edit with the whole text selected. Of what the
// edit reports only a cut to the limit reaches the dialog, as EN_MAXTEXT under the control's
// own id, so the dialog can say so at once; the owner reads the text with GetText.

#include "controls/common/ControlClass.h"
#include "platform/ui/CEdit.h"
#include "platform/ui/CWnd.h"

#include <memory>

class CTextEditControl : public CWnd {
public:
    static constexpr UINT kEditId = 777;

    CTextEditControl();
    ~CTextEditControl() override;

    // Registers "TextEditCtrlClass"; 1 when registered (now or before), 0 on failure.
    static int Register();
    // Creates the control window; the first call keeps the style's low word.
    int Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);

    // Gives the edit the bold 12-pixel dialog font; once, after the window exists.
    void InitTextEditMsg();
    void SetText(const char* text);
    // Copies at most size − 1 characters of the edit's text and a terminating NUL.
    void GetText(char* buffer, int size);
    // The most characters (code points) the field takes from now on (0: no limit); text beyond
    // it, typed or set, is cut at whole characters and the parent told (EN_MAXTEXT).
    void LimitText(int chars);

    CEdit* GetEdit() const { return m_edit.get(); }
    bool IsEnabledFlag() const { return m_enabled != 0; }
    WORD GetControlStyle() const { return m_style.Get(); }

    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
    void PostNcDestroy() override { delete this; }

private:
    void OnCreate();
    void OnSize();
    void OnEnable(bool enabled);

    ControlStyleWord m_style;
    CRect m_client;
    std::unique_ptr<CFont> m_font;
    std::unique_ptr<CEdit> m_edit;
    int m_enabled = 1;
};
