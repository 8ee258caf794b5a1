#pragma once
// The port pictures (RJ-45 jacks, SC fibre duplex, AUI D-sub, BNC), normal and selected, and the
// LED pictures.

void RegisterPortBitmaps();
void RegisterLedBitmaps();
