#pragma once
// Where the events window's notifications come from, and how it says so in its log: the
// journal of the system's taurel-trapd service, and the program's own listener (started with
// --trap-port, or by --demo for its switch), which keeps what it receives in a journal in the
// user's data folder. Only the managed switch's notifications are shown: those whose sender
// is the switch's agent address.

#include <cstdint>
#include <string>

// Where taurel-trapd keeps its journal when it runs as the system service.
inline constexpr const char* kSystemJournalPath = "/var/lib/taurel/notifications.sqlite";

// $XDG_DATA_HOME/taurel/notifications.sqlite; $HOME/.local/share/... when XDG_DATA_HOME is
// unset or not an absolute path (as the XDG rules say); empty when neither is known.
std::string UserJournalPath(const char* xdgDataHome, const char* home);

// The sender address the switch's notifications carry: the host of "host[:port]".
std::string SwitchSourceAddress(const std::string& agentAddress);

// The window's one line when nothing can bring notifications.
std::string NoEventSourceText();
// "Events of 10.0.0.5 from taurel-trapd's journal PATH".
std::string SystemJournalSourceText(const std::string& source, const std::string& path);
// "Events of 10.0.0.5 received on port 1162, kept in PATH" (or "not kept" without a path).
std::string ListenerSourceText(const std::string& source, std::uint16_t port,
                               const std::string& journalPath);

// "Events", or "Events (3)" while three arrived that the window has not shown.
std::string EventsMenuText(int unseen);
