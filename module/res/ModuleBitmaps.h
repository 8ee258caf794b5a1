#pragma once
// The module faceplates of the two large and the two small slots, and the blank covers of
// empty slots.

void RegisterModuleBitmaps();
