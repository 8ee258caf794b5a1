#pragma once
// Where the recent switches are kept between runs: the folder taurel in the user's config
// folder ($XDG_CONFIG_HOME, normally ~/.config). recent-switches.json holds what identifies
// each switch (name, address, SNMP version, SNMPv3 user, level, protocols and engine ID, the
// time-out) and nothing secret. The communities and passphrases of the entries the operator
// asked to remember go in recent-switches.secrets, which is made readable and writable by its
// owner only and is read only while nobody else may read or change it; without an entry to
// remember it is removed.

#include "module/app/RecentSwitches.h"

#include <string>
#include <vector>

constexpr const char* kRecentSwitchesFile = "recent-switches.json";
constexpr const char* kRememberedSecretsFile = "recent-switches.secrets";

// $XDG_CONFIG_HOME/taurel, or ~/.config/taurel when the variable is not set.
std::string RecentSwitchesFolder();

// The list kept in `folder`: empty when there is none or it cannot be read; an entry that
// cannot be read is left out. When the secrets file may be read by others it is not read
// (`warning` says so) and its entries come back as not remembered, so the next save replaces
// it with a private one.
std::vector<RecentSwitch> LoadRecentSwitches(const std::string& folder, std::string& warning);
// Writes the list and the secrets of its remembered entries; false with `error` set when a
// file cannot be written.
bool SaveRecentSwitches(const std::string& folder, const std::vector<RecentSwitch>& list,
                        std::string& error);
// Reads the list as it is now (another window may have changed it), puts `entry` first and
// writes it back.
bool AddRecentSwitch(const std::string& folder, RecentSwitch entry, std::string& error);
