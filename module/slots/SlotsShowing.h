#pragma once
// Which open windows must read again after a set: the table and information slots whose
// objects include a written one. A slot with keys (a port's information) shows one instance;
// a walked table (keys not fixed) shows every instance of its columns; a scalar table shows ".0".
// Forms are left out: they show what the operator typed.

#include "module/slots/SlotRecords.h"

#include <string>
#include <vector>

// The slots of `records` that show any of `names` (full object names, instance included).
std::vector<int> SlotsShowing(const SlotRecordTable& records,
                              const std::vector<std::string>& names);
// The same over the records every main window builds: the keys of table and information slots
// are fixed when they are built, so one copy answers for all.
std::vector<int> SlotsShowing(const std::vector<std::string>& names);
