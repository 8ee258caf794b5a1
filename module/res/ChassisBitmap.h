#pragma once
// The empty chassis (the panel's background) and the program's icon.

void RegisterChassisBitmap();
void RegisterModuleIcon();
