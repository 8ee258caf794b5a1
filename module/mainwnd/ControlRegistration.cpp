#include "module/mainwnd/ControlRegistration.h"

#include "controls/BannerCtl/CMsgControl.h"
#include "controls/FlatKeyCtl/CFBCtrl.h"
#include "controls/GridCtl/CTableControl.h"
#include "controls/KoCheck/CCheckBCtrl.h"
#include "controls/KoCombo/CCBCtrl.h"
#include "controls/KoDlgMsg/CDlgMsgControl.h"
#include "controls/KoMenu/CKoMCtrl.h"
#include "controls/KoSample/CSampMsgControl.h"
#include "controls/KoSpin/CUDCtrl.h"
#include "controls/KoTextEdit/CTextEditControl.h"
#include "controls/LogListCtl/CLMsgControl.h"

bool RegisterModuleControls() {
    using Register = int (*)();
    const Register order[] = {
        &CKoMCtrl::Register,         &CTableControl::Register,  &CMsgControl::Register,
        &CLMsgControl::Register,     &CFBCtrl::Register,        &CSampMsgControl::Register,
        &CTextEditControl::Register, &CDlgMsgControl::Register, &CCBCtrl::Register,
        &CCheckBCtrl::Register,      &CUDCtrl::Register};
    bool all = true;
    for (Register r : order)
        all = r() != 0 && all;
    return all;
}
