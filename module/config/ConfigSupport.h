#pragma once
// What the configuration windows share: who the switch is, reaching their controls, reading a
// text field whole, the status line, and letting go of replies when a window closes.

#include "module/dialogbase/OutstandingRequest.h"
#include "module/identity/ModuleIdentity.h"
#include "platform/ui/CWnd.h"

#include <cstdint>
#include <initializer_list>
#include <string>

class CDlgMsgControl;
class CSnmpClass;
class CSnmpMsg;
class CSnmpPdu;
class CTextEditControl;
class CObject;

template <class T> T* ControlOf(const CWnd* dialog, int id) {
    return dynamic_cast<T*>(dialog->GetDlgItem(id));
}

// The whole text of a field, as octets (typed text is UTF-8).
std::string FieldText(CTextEditControl* field);
// Sets up a field that takes kTypedTextLimit characters.
void InitField(CTextEditControl* field);

// Shows `text` on the status line; a text the line cannot show whole is its tooltip as well.
void ShowStatus(CDlgMsgControl* line, const std::string& text);
// The reply's status line ("Received at …"), from the reply's error status and index, after
// `lead` when one is given; shortened to fit, and whole as its tooltip.
void ShowReplyStatus(CDlgMsgControl* line, const CSnmpMsg& reply, const std::string& lead = {});

// Posts to the main window while it exists.
void PostToMain(CWnd* mainWnd, UINT msg, int slot);
// After a set the switch took: has every open window that shows a written object read it again
// (PANEL_REFRESH with PANEL_REFRESH_WRITTEN to each such slot but those in `except`: the
// writer's own, and the one it refreshes itself).
void RefreshWindowsShowing(CWnd* mainWnd, const CSnmpPdu& reply, std::initializer_list<int> except);

// The position of the request's object whose name (OID and instance) is `name`; -1 for none.
// A set's reply is paired by name: a set leaves out objects that have nothing to write.
int IndexOfObjectNamed(CSnmpClass& request, const std::string& name);

// Whether the reply is the one `request` waits for; a stray one is released here.
bool AcceptReply(COutstandingRequest& request, CSnmpMsg* msg);
// Whether the reply came back (code 0 with its PDU) rather than timing out or failing.
bool IsAnswer(std::uint16_t code, const CSnmpMsg* msg);
