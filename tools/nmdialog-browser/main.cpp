// nmdialog-browser: the generic MIB dialogs as a small MIB browser for any SNMPv1, SNMPv2c or
// SNMPv3 agent.
#include "TaurelVersion.h"
#include "dialogs/CNmDlg.h"
#include "dialogs/CNmDlgLayout.h"
#include "platform/ui/StartupDisplayGuard.h"
#include "snmp/SnmpTransport.h"
#include "snmp/UsmSession.h"
#include "snmp/UsmUserOptions.h"
#include "tools/nmdialog-browser/BrowserArgs.h"
#include "tools/nmdialog-browser/BrowserTables.h"
#include "tools/nmdialog-browser/BrowserWindow.h"
#include "tools/nmdialog-browser/TableFile.h"

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <optional>

#include <fstream>
#include <iostream>

namespace {

// The table the options name: built in, or read from the table file.
bool LoadTarget(const BrowserOptions& options, LoadedTable& loaded, BrowserTarget& target) {
    if (options.tableFile.empty()) {
        const BuiltinTable* table = FindBuiltinTable(options.table);
        target = {table->name, table->rows, table->rowCount, table->instance};
    } else {
        std::ifstream in(options.tableFile);
        std::string error;
        if (!in) {
            std::cerr << "nmdialog-browser: cannot read " << options.tableFile << "\n";
            return false;
        }
        if (!ParseTableFile(in, loaded, error)) {
            std::cerr << "nmdialog-browser: " << options.tableFile << ": " << error << "\n";
            return false;
        }
        std::string name = options.tableFile.substr(options.tableFile.find_last_of('/') + 1);
        target = {name, loaded.rows.data(), int(loaded.rows.size()), ""};
    }
    if (options.instance)
        target.instance = *options.instance;
    return true;
}

// ": " and the status box's last line, or nothing when it has none.
std::string LastStatusLine(const std::string& status) {
    std::string text = status;
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r'))
        text.pop_back();
    const std::size_t start = text.find_last_of('\n');
    text = text.substr(start == std::string::npos ? 0 : start + 1);
    return text.empty() ? std::string() : ": " + text;
}

} // namespace

int main(int argc, char* argv[]) {
    std::vector<std::string> args(argv + 1, argv + argc);
    BrowserOptions options;
    std::string error;
    const bool parsed = ParseBrowserArgs(args, options, error);
    WipeUsmPassphrases(args, argc, argv);
    if (!parsed) {
        std::cerr << "nmdialog-browser: " << error << "\n";
        return kBrowserUsageExit;
    }
    if (options.help) {
        std::cout << kBrowserUsage;
        return 0;
    }
    if (options.version) {
        std::cout << "nmdialog-browser " << kTaurelVersion << "\n";
        return 0;
    }
    LoadedTable loaded;
    BrowserTarget target;
    if (!LoadTarget(options, loaded, target))
        return 1;

    // A screenshot needs no display.
    if (!options.screenshot.empty() && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    std::optional<StartupDisplayGuard> guard(std::in_place, "nmdialog-browser");
    QApplication app(argc, argv);
    guard.reset();
    QApplication::setApplicationName("nmdialog-browser");
    SnmpInit(nullptr);
    // A browser points at any agent: -t means what it says, and replies may be as large as a
    // datagram, as with taurel-snmp. The switch module keeps the engine's defaults.
    SetSnmpPreciseTimeouts(true);
    SetSnmpReceiveLimit(kSnmpMaxDatagram);
    StartSnmpRequestIdsAtRandom();
    if (options.v2c)
        SetSnmpAgentVersion(options.agent, SNMP_VERSION_2C);
    if (options.v3) {
        // Every dialog's requests to the agent go in one session; the passphrases end here.
        SetSnmpAgentSecurity(options.agent, std::make_shared<UsmSession>(options.usm));
        options.usm.authPassword.Wipe();
        options.usm.privPassword.Wipe();
    }

    CNmDlgLayout* dlg = OpenBrowserDialog(options, target);
    const HWND hwnd = dlg->m_hWnd;
    int status = 0;

    // The walk fills the list as the replies come: keep the window fitted, and end with it.
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        if (!IsWindow(hwnd)) {
            nmdlgCloseAll();
            app.quit();
            return;
        }
        FitBrowserDialog(*dlg, options.dialog);
    });
    watch.start(200);

    if (std::optional<double> seconds = QuitAfterSeconds(options))
        QTimer::singleShot(int(*seconds * 1000), [&] {
            if (!IsWindow(hwnd))
                return;
            FitBrowserDialog(*dlg, options.dialog);
            if (!options.screenshot.empty() &&
                !dlg->GetWidget()->grab().save(QString::fromStdString(options.screenshot), "PNG")) {
                std::cerr << "nmdialog-browser: cannot write " << options.screenshot << "\n";
                status = 1;
            }
            for (const std::string& row : ListRows(*dlg))
                std::cout << row << "\n";
            std::cout.flush();
            // Rows that no reply filled are not a result: a script must not take them for one.
            if (dlg->AnsweredReplies() == 0) {
                std::cerr << "nmdialog-browser: " << options.agent << " answered no request"
                          << LastStatusLine(dlg->m_strStatus) << "\n";
                status = 1;
            }
            nmdlgCloseAll();
        });

    app.exec();
    nmdlgCloseAll();
    SnmpDone();
    return status;
}
