#include "module/identity/ModuleIdentity.h"

#include "platform/ui/CWinApp.h"

std::string ModuleWindowTitle(const ModuleIdentity& identity) {
    return identity.deviceName + ":" + identity.agentAddress;
}

ModuleIdentity SwitchIdentity() {
    auto* source = dynamic_cast<CModuleIdentitySource*>(AfxGetApp());
    return source ? source->Identity() : ModuleIdentity{};
}
