#include "module/app/SecretsFile.h"

#include <cstdio>
#include <fstream>
#include <system_error>

namespace fs = std::filesystem;

namespace {

// Two passphrases and their line ends; anything much larger is not such a file.
constexpr std::uintmax_t kMaxSecretsFileSize = 4096;

std::string ModeText(fs::perms permissions) {
    char text[8];
    std::snprintf(text, sizeof text, "%04o", unsigned(permissions & fs::perms::mask));
    return text;
}

// The next line of `text` from `pos` without its line end; false when there is none.
bool NextLine(const std::string& text, std::size_t& pos, std::string& line) {
    if (pos >= text.size())
        return false;
    std::size_t end = text.find('\n', pos);
    if (end == std::string::npos)
        end = text.size();
    std::size_t stop = end;
    if (stop > pos && text[stop - 1] == '\r')
        --stop;
    line.assign(text, pos, stop - pos);
    pos = end + 1;
    return true;
}

} // namespace

std::string SecretsFilePermissionProblem(fs::perms permissions) {
    constexpr fs::perms kOthersRead = fs::perms::group_read | fs::perms::others_read;
    constexpr fs::perms kOthersChange = fs::perms::group_write | fs::perms::others_write;
    const std::string mode = " (mode " + ModeText(permissions) + ")";
    if ((permissions & kOthersRead) != fs::perms::none)
        return "others than its owner may read it" + mode;
    if ((permissions & kOthersChange) != fs::perms::none)
        return "others than its owner may change it" + mode;
    return {};
}

bool ReadSecretsFile(const std::string& path, bool wantPriv, UsmSecret& auth, UsmSecret& priv,
                     std::string& error) {
    std::error_code failure;
    const fs::file_status status = fs::status(path, failure);
    if (failure || !fs::exists(status)) {
        error = "cannot read " + path + ": no such file";
        return false;
    }
    if (!fs::is_regular_file(status)) {
        error = path + " is no regular file";
        return false;
    }
    if (const std::string problem = SecretsFilePermissionProblem(status.permissions());
        !problem.empty()) {
        error = path + ": " + problem + "; make it private with chmod 600 " + path;
        return false;
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        error = "cannot read " + path;
        return false;
    }
    // Read at its full size in one go, and lines taken into room reserved for the whole text:
    // a buffer that grew would leave copies of the passphrases behind in freed memory.
    std::error_code sizeFailure;
    const std::uintmax_t size = fs::file_size(path, sizeFailure);
    if (sizeFailure || size > kMaxSecretsFileSize) {
        error = path + " is too large for a passphrase file";
        return false;
    }
    std::string text(std::size_t(size), '\0');
    in.read(text.data(), std::streamsize(size));
    text.resize(std::size_t(in.gcount()));
    std::size_t pos = 0;
    std::string line;
    line.reserve(text.size());
    const auto takeLine = [&](UsmSecret& secret, const char* what) {
        const bool found = NextLine(text, pos, line) && !line.empty();
        if (found)
            secret = UsmSecret(line);
        else
            error = path + " has no " + what;
        WipeText(line);
        return found;
    };
    const bool ok = takeLine(auth, "authentication passphrase on its first line") &&
                    (!wantPriv || takeLine(priv, "privacy passphrase on its second line"));
    WipeText(text);
    if (!ok) {
        auth.Wipe();
        priv.Wipe();
    }
    return ok;
}
