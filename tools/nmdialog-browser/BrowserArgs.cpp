#include "tools/nmdialog-browser/BrowserArgs.h"

#include "snmp/SnmpAgentAddress.h"
#include "snmp/UsmUserOptions.h"
#include "tools/nmdialog-browser/BrowserTables.h"

#include <charconv>
#include <cmath>

namespace {

struct DialogName {
    const char* name;
    BrowserDialog dialog;
    const char* defaultTable;
};
const DialogName kDialogs[] = {
    {"get", BrowserDialog::Get, "system"},
    {"getnext", BrowserDialog::GetNext, "interfaces"},
    {"set", BrowserDialog::Set, "system"},
    {"portctrl", BrowserDialog::PortCtrl, "portlock"},
    {"statistic", BrowserDialog::Statistic, "portstats"},
};

bool ParseCount(const std::string& text, int lowest, int highest, int& count) {
    const char* end = text.data() + text.size();
    int value = 0;
    auto [ptr, error] = std::from_chars(text.data(), end, value);
    if (error != std::errc() || ptr != end || value < lowest || value > highest)
        return false;
    count = value;
    return true;
}

bool ParseSeconds(const std::string& text, double& seconds) {
    const char* end = text.data() + text.size();
    auto [ptr, error] = std::from_chars(text.data(), end, seconds);
    return error == std::errc() && ptr == end && std::isfinite(seconds) && seconds > 0 &&
           seconds <= 86400;
}

} // namespace

const char* BrowserDialogName(BrowserDialog dialog) {
    for (const DialogName& d : kDialogs)
        if (d.dialog == dialog)
            return d.name;
    return "";
}

bool ParseBrowserArgs(const std::vector<std::string>& args, BrowserOptions& options,
                      std::string& error) {
    options = BrowserOptions{};
    std::vector<std::string> positional;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--help" || arg == "-h") {
            options.help = true;
            return true;
        }
        if (arg == "--version") {
            options.version = true;
            return true;
        }
        if (arg.size() < 2 || arg[0] != '-') {
            positional.push_back(arg);
            continue;
        }
        // -v and the SNMPv3 user options as taurel-snmp and net-snmp spell them.
        if (arg == "-v" || (arg.size() == 2 && IsUsmOptionLetter(arg[1]))) {
            if (i + 1 >= args.size()) {
                error = "missing value for " + arg;
                return false;
            }
            const std::string& value = args[++i];
            if (arg == "-v" && value != "1" && value != "2c" && value != "3") {
                error = "bad version " + value + " (1, 2c or 3)";
                return false;
            }
            if (arg == "-v") {
                options.v2c = value == "2c";
                options.v3 = value == "3";
            } else if (!ParseUsmOption(arg[1], value, options.usm, error))
                return false;
            continue;
        }
        const bool takesValue = arg == "--table" || arg == "--table-file" || arg == "--instance" ||
                                arg == "-c" || arg == "-w" || arg == "-t" || arg == "-r" ||
                                arg == "--screenshot" || arg == "--quit-after";
        if (!takesValue) {
            error = "unknown option " + arg;
            return false;
        }
        if (i + 1 >= args.size()) {
            error = "missing value for " + arg;
            return false;
        }
        const std::string& value = args[++i];
        if (arg == "--table") {
            if (!FindBuiltinTable(value)) {
                error = "unknown table " + value +
                        " (system, interfaces, traps, portlock, "
                        "portstats)";
                return false;
            }
            options.table = value;
        } else if (arg == "--table-file") {
            options.tableFile = value;
        } else if (arg == "--instance") {
            if (!value.empty() && value[0] != '.') {
                error = "the instance must start with a dot: " + value;
                return false;
            }
            options.instance = value;
        } else if (arg == "-c") {
            options.readCommunity = value;
        } else if (arg == "-w") {
            options.writeCommunity = value;
        } else if (arg == "-t") {
            if (!ParseCount(value, 1, kBrowserMaxTimeoutMs, options.timeoutMs)) {
                error = "-t needs a time-out in milliseconds from 1 to " +
                        std::to_string(kBrowserMaxTimeoutMs);
                return false;
            }
        } else if (arg == "-r") {
            if (!ParseCount(value, 0, kBrowserMaxRetries, options.retries)) {
                error =
                    "-r needs a number of retries from 0 to " + std::to_string(kBrowserMaxRetries);
                return false;
            }
        } else if (arg == "--screenshot") {
            if (value.size() < 5 || value.substr(value.size() - 4) != ".png") {
                error = "--screenshot needs a file name ending in .png";
                return false;
            }
            options.screenshot = value;
        } else {
            double seconds = 0;
            if (!ParseSeconds(value, seconds)) {
                error = "--quit-after needs a number of seconds above 0";
                return false;
            }
            options.quitAfter = seconds;
        }
    }
    if (!options.table.empty() && !options.tableFile.empty()) {
        error = "give either --table or --table-file, not both";
        return false;
    }
    if (positional.size() < 2) {
        error = positional.empty() ? "missing AGENT and DIALOG" : "missing DIALOG";
        return false;
    }
    if (positional.size() > 2) {
        error = "unexpected argument " + positional[2];
        return false;
    }
    SnmpAgentAddress address;
    if (!SplitAgentAddress(positional[0], address)) {
        error = "bad agent address " + positional[0] + " (ADDRESS[:PORT])";
        return false;
    }
    options.agent = positional[0];
    const DialogName* dialog = nullptr;
    for (const DialogName& d : kDialogs)
        if (positional[1] == d.name)
            dialog = &d;
    if (!dialog) {
        error = "unknown dialog " + positional[1] + " (get, getnext, set, portctrl, statistic)";
        return false;
    }
    options.dialog = dialog->dialog;
    if (options.v3 && !CheckUsmUser(options.usm, error))
        return false;
    if (options.table.empty() && options.tableFile.empty())
        options.table = dialog->defaultTable;
    return true;
}

std::optional<double> QuitAfterSeconds(const BrowserOptions& options) {
    if (options.quitAfter)
        return options.quitAfter;
    if (!options.screenshot.empty())
        return kScreenshotQuitAfter;
    return std::nullopt;
}

const char* const kBrowserUsage =
    "Usage: nmdialog-browser AGENT DIALOG [--table NAME | --table-file FILE] [--instance TEXT]\n"
    "                        [-c READ] [-w WRITE] [-t MS] [-r N] [--screenshot FILE.png]\n"
    "                        [--quit-after SECONDS] [-v 1|2c|3 [SNMPv3 OPTIONS]]\n"
    "       nmdialog-browser --help | --version\n"
    "\n"
    "Opens one of the generic MIB dialogs on any SNMPv1, SNMPv2c or SNMPv3 agent.\n"
    "  AGENT            ADDRESS[:PORT] of the agent (port 161 by default)\n"
    "  DIALOG           get, getnext, set, portctrl or statistic\n"
    "  --table NAME     a built-in table: system (instance .0), interfaces, traps,\n"
    "                   portlock (instance .1), portstats (instance .1.1, port 1);\n"
    "                   by default get and set use system, getnext interfaces,\n"
    "                   portctrl portlock, statistic portstats\n"
    "  --table-file F   the objects of file F instead (format below)\n"
    "  --instance TEXT  instance suffix appended to every OID, such as .0 or .1.5\n"
    "  -c READ, -w WRITE  read and write communities (tessla, marbelo)\n"
    "  -t MS            how long each request waits for its reply, in milliseconds (500);\n"
    "                   set dialogs opened from the dialog wait as long.\n"
    "  -r N             send a request again up to N times (0 to 20) when it goes\n"
    "                   unanswered, with the same request id, before showing \"timeout\"\n"
    "                   (0: sent once)\n"
    "  -v 1|2c|3        SNMP version (1 by default); 2c with the communities\n"
    "  -v 3 -u USER -l noAuthNoPriv|authNoPriv|authPriv -a MD5|SHA|SHA-224|SHA-256|SHA-384|\n"
    "     SHA-512 -A PASS -x AES -X PASS [-e ENGINEID] [-n CONTEXT]\n"
    "                   SNMPv3 instead of the communities, as taurel-snmp takes it\n"
    "  --screenshot F   save the dialog as PNG file F just before quitting\n"
    "  --quit-after S   close after S seconds (4 with --screenshot) and print the list's\n"
    "                   rows to standard output, one line each, cells separated by tabs\n"
    "  --help, --version  print this text or the version, and exit\n"
    "\n"
    "Working in the dialogs:\n"
    "  A click anywhere in a row selects it. In getnext, More (or a double click) opens\n"
    "  the set dialog of the selected row's index values; in get, Set opens the set dialog\n"
    "  of the same objects. A set dialog already open for that target is brought to the\n"
    "  front instead of opening a second one; every window's title names its target.\n"
    "  set: click a row to focus it, click it again to edit its value (the whole value is\n"
    "  selected, so typing replaces it); Enter keeps, Escape cancels; Apply writes.\n"
    "  portctrl: ports are columns, read with get-next; click a tick to toggle it (a cross\n"
    "  marks the other value) and Apply writes each changed port. A tick shows the value\n"
    "  that means on (enable, on, up, ...), else the first named value. Ports the last\n"
    "  read did not reach are greyed and cannot be toggled; a read that stopped early\n"
    "  says \"incomplete: N of M ports\", and ports Apply could not write are named.\n"
    "  statistic: the box at the top right is the poll interval in seconds (1 to 3600),\n"
    "  taken as soon as it is typed or spun.\n"
    "\n"
    "Table file: one object per line; blank lines and lines starting with # are skipped.\n"
    "  OID TYPE ACCESS NAME [VALUE=TEXT]...\n"
    "  OID     dotted decimal, without the instance\n"
    "  TYPE    integer, string, oid, ipaddress, counter, gauge, timeticks, opaque or mac\n"
    "  ACCESS  read-only, read-write or write-only, optionally followed by ,index\n"
    "          ,rowstatus or ,hex (for example read-only,index)\n"
    "  NAME    the column or row name; in double quotes when it holds blanks\n"
    "  VALUE=TEXT  named values of an integer object (TEXT quoted when it holds blanks)\n"
    "  Example: 1.3.6.1.2.1.2.2.1.7 integer read-write \"Admin Status\" 1=up 2=down 3=testing\n"
    "A bad line is refused with its number and the reason, and no dialog opens.\n"
    "\n"
    "Exit status: 0 when the dialog closed, 1 when the table file or the screenshot failed\n"
    "or, with --quit-after, when the agent answered none of the dialog's requests (the rows\n"
    "printed are then empty, and the dialog's last status line tells why), 64 for bad\n"
    "arguments.\n";
