// The recent switches on disk: what each file holds, who may read the secrets, and files that
// are damaged or opened up.

#include "module/app/RecentSwitchesStore.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace fs = std::filesystem;

namespace {

std::string Text(const UsmSecret& secret) {
    return std::string(reinterpret_cast<const char*>(secret.data()), secret.size());
}

std::string Contents(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

class RecentStoreTest : public ::testing::Test {
protected:
    std::string Folder() const { return (fs::path(dir.path().toStdString()) / "taurel").string(); }
    fs::path ListFile() const { return fs::path(Folder()) / kRecentSwitchesFile; }
    fs::path SecretsFile() const { return fs::path(Folder()) / kRememberedSecretsFile; }
    std::vector<RecentSwitch> Load() {
        warning.clear();
        return LoadRecentSwitches(Folder(), warning);
    }
    void Add(RecentSwitch entry) {
        std::string error;
        ASSERT_TRUE(AddRecentSwitch(Folder(), std::move(entry), error)) << error;
    }
    static RecentSwitch V3Switch(bool remember) {
        RecentSwitch entry;
        entry.name = "Core";
        entry.address = "192.0.2.1:1161";
        entry.session.version = SNMP_VERSION_3;
        entry.session.userName = "ops";
        entry.session.level = UsmSecurityLevel::AuthPriv;
        entry.session.auth = UsmAuthProtocol::SHA384;
        entry.session.engineId = {0x80, 0x00, 0x1f, 0x88};
        entry.timeoutMs = 3000;
        entry.remember = remember;
        entry.readCommunity = "rd-secret";
        entry.writeCommunity = "wr-secret";
        entry.passphrases = {UsmSecret("auth-secret"), UsmSecret("priv-secret")};
        return entry;
    }

    QTemporaryDir dir;
    std::string warning;
};

TEST_F(RecentStoreTest, WithoutRememberNoSecretReachesTheDisk) {
    Add(V3Switch(false));
    ASSERT_TRUE(fs::exists(ListFile()));
    EXPECT_FALSE(fs::exists(SecretsFile()));
    const std::string list = Contents(ListFile());
    for (const char* secret : {"rd-secret", "wr-secret", "auth-secret", "priv-secret"})
        EXPECT_EQ(list.find(secret), std::string::npos) << secret;

    const std::vector<RecentSwitch> back = Load();
    ASSERT_EQ(back.size(), 1u);
    EXPECT_TRUE(warning.empty()) << warning;
    EXPECT_EQ(back[0].name, "Core");
    EXPECT_EQ(back[0].address, "192.0.2.1:1161");
    EXPECT_EQ(back[0].session.version, SNMP_VERSION_3);
    EXPECT_EQ(back[0].session.userName, "ops");
    EXPECT_EQ(back[0].session.auth, UsmAuthProtocol::SHA384);
    EXPECT_EQ(back[0].session.engineId, (std::vector<std::uint8_t>{0x80, 0x00, 0x1f, 0x88}));
    EXPECT_EQ(back[0].timeoutMs, 3000);
    EXPECT_FALSE(back[0].remember);
    EXPECT_EQ(back[0].readCommunity, "");
}

TEST_F(RecentStoreTest, RememberedSecretsGoToAFileOnlyItsOwnerMayRead) {
    Add(V3Switch(true));
    ASSERT_TRUE(fs::exists(SecretsFile()));
    EXPECT_EQ(fs::status(SecretsFile()).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_EQ(Contents(ListFile()).find("secret"), std::string::npos)
        << "the list itself holds no secret";
    EXPECT_FALSE(fs::exists(SecretsFile().string() + ".new"));

    std::vector<RecentSwitch> back = Load();
    ASSERT_EQ(back.size(), 1u);
    EXPECT_TRUE(back[0].remember);
    EXPECT_EQ(back[0].readCommunity, "rd-secret");
    EXPECT_EQ(back[0].writeCommunity, "wr-secret");
    EXPECT_EQ(Text(back[0].passphrases.auth), "auth-secret");
    EXPECT_EQ(Text(back[0].passphrases.priv), "priv-secret");

    // Connecting to it again without "remember" forgets them, file and all.
    Add(V3Switch(false));
    EXPECT_FALSE(fs::exists(SecretsFile()));
    back = Load();
    ASSERT_EQ(back.size(), 1u);
    EXPECT_FALSE(back[0].remember);
}

TEST_F(RecentStoreTest, ASecretsFileOthersMayReadIsNotUsedAndIsReplaced) {
    Add(V3Switch(true));
    fs::permissions(SecretsFile(), fs::perms::group_read | fs::perms::others_read,
                    fs::perm_options::add);
    std::vector<RecentSwitch> back = Load();
    ASSERT_EQ(back.size(), 1u);
    EXPECT_EQ(warning, SecretsFile().string() +
                           ": others than its owner may read it (mode 0644); the remembered "
                           "communities and passphrases in it are not used");
    EXPECT_FALSE(back[0].remember);
    EXPECT_EQ(back[0].readCommunity, "");

    // The next switch chosen rewrites the list: the open file goes, a private one comes.
    RecentSwitch other = V3Switch(true);
    other.address = "192.0.2.2";
    other.readCommunity = "other-secret";
    Add(other);
    EXPECT_EQ(fs::status(SecretsFile()).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write);
    const std::string secrets = Contents(SecretsFile());
    EXPECT_NE(secrets.find("other-secret"), std::string::npos);
    EXPECT_EQ(secrets.find("rd-secret"), std::string::npos);
}

TEST_F(RecentStoreTest, DamagedFilesGiveWhatCanBeReadAndNeverMore) {
    EXPECT_TRUE(Load().empty()) << "no folder yet";
    fs::create_directories(Folder());
    std::ofstream(ListFile()) << "{\"switches\": [";
    EXPECT_TRUE(Load().empty()) << "cut short";

    // Unknown versions, words no option takes, an SNMPv3 entry without a user, a missing
    // address, and a remembered entry the secrets file knows nothing of.
    std::ofstream(ListFile()) << R"({"switches": [
        {"name": "a", "address": "10.0.0.1", "session": ["--snmp-version", "2"]},
        {"name": "b", "address": "10.0.0.2", "session": ["--snmp-version", "3"]},
        {"name": "c", "address": "10.0.0.3", "session": ["--v3-secrets", "/etc/shadow"]},
        {"name": "d", "session": ["--snmp-version", "1"]},
        {"name": "e", "address": "10.0.0.5", "session": ["--snmp-version"]},
        {"name": "f", "address": "10.0.0.6", "session": ["--snmp-version", "2c"],
         "remember": true, "timeoutMs": 999999},
        "not an entry"
    ]})";
    std::vector<RecentSwitch> back = Load();
    ASSERT_EQ(back.size(), 1u);
    EXPECT_EQ(back[0].name, "f");
    EXPECT_EQ(back[0].session.version, SNMP_VERSION_2C);
    EXPECT_FALSE(back[0].remember) << "nothing remembered for it";
    EXPECT_FALSE(back[0].timeoutMs.has_value()) << "a time-out the option would refuse";

    // More entries than the list keeps: the first ten.
    std::string many = R"({"switches": [)";
    for (int i = 0; i < 14; ++i)
        many += std::string(i ? "," : "") + R"({"name": "n", "address": "10.1.0.)" +
                std::to_string(i) + R"(", "session": ["--snmp-version", "1"]})";
    std::ofstream(ListFile()) << many << "]}";
    back = Load();
    ASSERT_EQ(back.size(), kMaxRecentSwitches);
    EXPECT_EQ(back.back().address, "10.1.0.9");
}

TEST_F(RecentStoreTest, TheFolderIsTheUsersConfigFolder) {
    const QByteArray saved = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", dir.path().toUtf8());
    EXPECT_EQ(RecentSwitchesFolder(), Folder());
    if (saved.isNull())
        qunsetenv("XDG_CONFIG_HOME");
    else
        qputenv("XDG_CONFIG_HOME", saved);
}

} // namespace
