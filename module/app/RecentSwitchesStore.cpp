#include "module/app/RecentSwitchesStore.h"

#include "module/app/ProgramOptions.h"
#include "module/app/SecretsFile.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>
#include <QStandardPaths>

#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace {

// Ten entries take a few kilobytes; a file much larger than this is no list of ours.
constexpr qint64 kMaxFileSize = 1 << 20;

QString Text(const std::string& text) {
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

std::string Text(const QJsonValue& value) {
    return value.toString().toStdString();
}

QString Text(const UsmSecret& secret) {
    return QString::fromUtf8(reinterpret_cast<const char*>(secret.data()),
                             qsizetype(secret.size()));
}

UsmSecret Secret(const QJsonValue& value) {
    QByteArray bytes = value.toString().toUtf8();
    UsmSecret secret(std::string_view(bytes.constData(), std::size_t(bytes.size())));
    bytes.fill('\0');
    return secret;
}

std::string PathIn(const std::string& folder, const char* file) {
    return (fs::path(folder) / file).string();
}

// The whole file, or nothing when it is missing, unreadable or too large.
std::optional<QByteArray> ReadWhole(const std::string& path) {
    QFile file(Text(path));
    if (file.size() > kMaxFileSize || !file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return file.readAll();
}

QJsonObject KeyOf(const RecentSwitch& entry) {
    const std::vector<std::string> version = SnmpSessionArguments(entry.session);
    QJsonObject key;
    key["address"] = Text(entry.address);
    key["version"] = Text(version[1]);
    if (entry.session.version == SNMP_VERSION_3)
        key["user"] = Text(entry.session.userName);
    return key;
}

// The entry's session from the words kept for it, as the command line's options read them.
bool ReadSession(const QJsonArray& words, SnmpSessionOptions& session) {
    if (words.size() % 2 != 0)
        return false;
    for (qsizetype i = 0; i < words.size(); i += 2) {
        const std::string name = Text(words[i]);
        std::string error;
        if (!IsSnmpSessionOption(name) || name == "--v3-secrets" ||
            !TakeSnmpSessionOption(name, Text(words[i + 1]), session, error))
            return false;
    }
    session.firstV3Option.clear();
    std::string error;
    return CheckSnmpSessionOptions(session, false, error);
}

std::optional<RecentSwitch> ReadEntry(const QJsonObject& object) {
    RecentSwitch entry;
    entry.name = Text(object["name"]);
    entry.address = Text(object["address"]);
    if (entry.address.empty() || !ReadSession(object["session"].toArray(), entry.session))
        return std::nullopt;
    if (object.contains("timeoutMs")) {
        const int ms = object["timeoutMs"].toInt(0);
        if (ms >= 1 && ms <= kMaxTimeoutMs)
            entry.timeoutMs = ms;
    }
    entry.remember = object["remember"].toBool(false);
    return entry;
}

QJsonObject EntryObject(const RecentSwitch& entry) {
    QJsonObject object;
    object["name"] = Text(entry.name);
    object["address"] = Text(entry.address);
    QJsonArray words;
    for (const std::string& word : SnmpSessionArguments(entry.session))
        words.append(Text(word));
    object["session"] = words;
    if (entry.timeoutMs)
        object["timeoutMs"] = *entry.timeoutMs;
    object["remember"] = entry.remember;
    return object;
}

QJsonObject SecretsObject(const RecentSwitch& entry) {
    QJsonObject object = KeyOf(entry);
    object["read"] = Text(entry.readCommunity);
    object["write"] = Text(entry.writeCommunity);
    if (!entry.passphrases.auth.empty())
        object["auth"] = Text(entry.passphrases.auth);
    if (!entry.passphrases.priv.empty())
        object["priv"] = Text(entry.passphrases.priv);
    return object;
}

// Gives the remembered entries their secrets from the file; an entry the file has nothing for
// is no longer remembered.
void TakeSecrets(const std::string& path, std::vector<RecentSwitch>& list, std::string& warning) {
    std::error_code failure;
    const fs::file_status status = fs::status(path, failure);
    std::string problem;
    if (!failure && fs::exists(status)) {
        problem = fs::is_regular_file(status) ? SecretsFilePermissionProblem(status.permissions())
                                              : "it is no regular file";
        if (!problem.empty())
            warning = path + ": " + problem + "; the remembered communities and passphrases " +
                      "in it are not used";
    }
    QJsonArray kept;
    if (problem.empty())
        if (std::optional<QByteArray> bytes = ReadWhole(path)) {
            kept = QJsonDocument::fromJson(*bytes).object()["switches"].toArray();
            bytes->fill('\0');
        }
    for (RecentSwitch& entry : list) {
        if (!entry.remember)
            continue;
        entry.remember = false;
        const QJsonObject key = KeyOf(entry);
        for (const QJsonValue& value : kept) {
            const QJsonObject object = value.toObject();
            if (object["address"] != key["address"] || object["version"] != key["version"] ||
                object["user"] != key["user"])
                continue;
            entry.remember = true;
            entry.readCommunity = Text(object["read"]);
            entry.writeCommunity = Text(object["write"]);
            entry.passphrases.auth = Secret(object["auth"]);
            entry.passphrases.priv = Secret(object["priv"]);
            break;
        }
    }
}

// Writes `bytes` to `path` through a new file made private from its first byte, which then
// replaces the old one: no moment exists at which others could read the secrets.
bool WritePrivately(const std::string& path, const QByteArray& bytes, std::string& error) {
    const std::string fresh = path + ".new";
    std::error_code ignored;
    fs::remove(fresh, ignored); // left by a run that ended half way
    QFile file(Text(fresh));
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly,
                   QFileDevice::ReadOwner | QFileDevice::WriteOwner) ||
        file.write(bytes) != bytes.size() || !file.flush()) {
        error = "cannot write " + fresh;
        file.close();
        fs::remove(fresh, ignored);
        return false;
    }
    file.close();
    std::error_code failure;
    fs::rename(fresh, path, failure);
    if (failure) {
        error = "cannot write " + path + ": " + failure.message();
        fs::remove(fresh, ignored);
        return false;
    }
    return true;
}

} // namespace

std::string RecentSwitchesFolder() {
    return (QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + "/taurel")
        .toStdString();
}

std::vector<RecentSwitch> LoadRecentSwitches(const std::string& folder, std::string& warning) {
    std::vector<RecentSwitch> list;
    std::optional<QByteArray> bytes = ReadWhole(PathIn(folder, kRecentSwitchesFile));
    if (!bytes)
        return list;
    for (const QJsonValue& value : QJsonDocument::fromJson(*bytes).object()["switches"].toArray())
        if (std::optional<RecentSwitch> entry = ReadEntry(value.toObject());
            entry && list.size() < kMaxRecentSwitches)
            list.push_back(std::move(*entry));
    TakeSecrets(PathIn(folder, kRememberedSecretsFile), list, warning);
    return list;
}

bool SaveRecentSwitches(const std::string& folder, const std::vector<RecentSwitch>& list,
                        std::string& error) {
    if (!QDir().mkpath(Text(folder))) {
        error = "cannot make the folder " + folder;
        return false;
    }
    QJsonArray entries, secrets;
    for (const RecentSwitch& entry : list) {
        entries.append(EntryObject(entry));
        if (entry.remember)
            secrets.append(SecretsObject(entry));
    }
    const std::string listPath = PathIn(folder, kRecentSwitchesFile);
    QSaveFile file(Text(listPath));
    const QByteArray listBytes = QJsonDocument(QJsonObject{{"switches", entries}}).toJson();
    if (!file.open(QIODevice::WriteOnly) || file.write(listBytes) != listBytes.size() ||
        !file.commit()) {
        error = "cannot write " + listPath;
        return false;
    }
    const std::string secretsPath = PathIn(folder, kRememberedSecretsFile);
    if (secrets.isEmpty()) {
        std::error_code failure;
        fs::remove(secretsPath, failure);
        if (failure) {
            error = "cannot remove " + secretsPath + ": " + failure.message();
            return false;
        }
        return true;
    }
    QByteArray secretBytes = QJsonDocument(QJsonObject{{"switches", secrets}}).toJson();
    const bool written = WritePrivately(secretsPath, secretBytes, error);
    secretBytes.fill('\0');
    return written;
}

bool AddRecentSwitch(const std::string& folder, RecentSwitch entry, std::string& error) {
    std::string warning;
    std::vector<RecentSwitch> list = LoadRecentSwitches(folder, warning);
    RememberRecentSwitch(list, std::move(entry));
    return SaveRecentSwitches(folder, list, error);
}
