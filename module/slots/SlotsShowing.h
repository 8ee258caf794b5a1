#pragma once
// Which open windows must read again after a set: the slots whose objects include a written
// one. A slot with keys (a port's information, a port's settings) shows one instance; a walked
// table (keys not fixed) shows every instance of its columns; a scalar table shows ".0". The
// forms that take the keys of the entry their opener chose (SlotOpening) may show any row of
// their table. Write-only objects are shown by no window.
//
// Table and information windows re-read on any PANEL_REFRESH. Settings forms and the Set
// Configuration pages read again only on the one that names a set (PANEL_REFRESH_WRITTEN):
// they keep what the operator typed, and take the switch's value into every input left alone.

#include "module/slots/SlotRecords.h"

#include <string>
#include <vector>

// The table and information slots of `records` that show any of `names` (full object names,
// instance included).
std::vector<int> SlotsShowing(const SlotRecordTable& records,
                              const std::vector<std::string>& names);
// The same over the records every main window builds: the keys of table and information slots
// are fixed when they are built, so one copy answers for all.
std::vector<int> SlotsShowing(const std::vector<std::string>& names);

// The settings forms and Set Configuration among `records` that show any of `names`.
std::vector<int> FormSlotsShowing(const SlotRecordTable& records,
                                  const std::vector<std::string>& names);
std::vector<int> FormSlotsShowing(const std::vector<std::string>& names);
