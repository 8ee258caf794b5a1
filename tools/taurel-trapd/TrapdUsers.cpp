#include "tools/taurel-trapd/TrapdUsers.h"

#include <fstream>

#include "snmp/UsmUserOptions.h"

namespace {

// Words separated by blanks; a word in double quotes may hold blanks.
std::vector<std::string> Words(const std::string& text) {
    std::vector<std::string> words;
    std::size_t i = 0;
    while (i < text.size()) {
        while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) {
            ++i;
        }
        if (i >= text.size()) {
            break;
        }
        std::string word;
        if (text[i] == '"') {
            const std::size_t end = text.find('"', i + 1);
            word = text.substr(i + 1, end == std::string::npos ? std::string::npos : end - i - 1);
            i = end == std::string::npos ? text.size() : end + 1;
        } else {
            while (i < text.size() && text[i] != ' ' && text[i] != '\t') {
                word += text[i++];
            }
        }
        words.push_back(std::move(word));
    }
    return words;
}

bool ParseWords(const std::vector<std::string>& words, UsmUser& user, std::string& error) {
    user = UsmUser{};
    const std::size_t n = words.size();
    std::size_t i = 0;
    if (i < n && words[i] == "-e") {
        if (i + 1 >= n) {
            error = "createUser -e needs an engine ID";
            return false;
        }
        if (!ParseUsmOption('e', words[i + 1], user, error)) {
            return false;
        }
        i += 2;
    }
    if (i >= n) {
        error = "createUser needs a user name";
        return false;
    }
    if (!ParseUsmOption('u', words[i++], user, error)) {
        return false;
    }
    if (i < n) {
        if (!ParseUsmOption('a', words[i], user, error)) {
            return false;
        }
        if (i + 1 >= n) {
            error = "createUser: no authentication passphrase";
            return false;
        }
        user.authPassword = UsmSecret(words[i + 1]);
        user.level = UsmSecurityLevel::AuthNoPriv;
        i += 2;
    }
    if (i < n) {
        if (!ParseUsmOption('x', words[i], user, error)) {
            return false;
        }
        user.privPassword = i + 1 < n ? UsmSecret(words[i + 1]) : user.authPassword;
        user.level = UsmSecurityLevel::AuthPriv;
        i += i + 1 < n ? 2 : 1;
    }
    if (i != n) {
        error = "createUser: unexpected words after the privacy passphrase";
        return false;
    }
    return true;
}

} // namespace

bool ParseCreateUser(const std::string& text, UsmUser& user, std::string& error) {
    std::vector<std::string> words = Words(text);
    const bool ok = ParseWords(words, user, error);
    for (std::string& word : words) {
        WipeText(word);
    }
    return ok && CheckUsmUser(user, error);
}

bool ReadUsersFile(const std::string& path, std::vector<UsmUser>& users, std::string& error) {
    std::ifstream in(path);
    if (!in) {
        error = "cannot read " + path;
        return false;
    }
    std::string line;
    int number = 0;
    while (std::getline(in, line)) {
        ++number;
        const std::vector<std::string> words = Words(line);
        if (words.empty() || words.front().front() == '#') {
            continue;
        }
        UsmUser user;
        if (words.front() != "createUser" ||
            !ParseCreateUser(line.substr(line.find("createUser") + 10), user, error)) {
            error = path + ":" + std::to_string(number) + ": " +
                    (error.empty() ? "not a createUser line" : error);
            WipeText(line);
            return false;
        }
        WipeText(line);
        users.push_back(std::move(user));
    }
    return true;
}
