#include "module/res/PanelResources.h"

#include "module/res/ChassisBitmap.h"
#include "module/res/ModuleBitmaps.h"
#include "module/res/PortBitmaps.h"

void RegisterPanelResources() {
    static bool done = false;
    if (done)
        return;
    done = true;
    RegisterChassisBitmap();
    RegisterModuleBitmaps();
    RegisterPortBitmaps();
    RegisterLedBitmaps();
    RegisterModuleIcon();
}
