// The SNMPv3 options as net-snmp spells them: what they set, what they refuse before anything
// is sent, and the passphrases wiped from the argument strings.
#include <gtest/gtest.h>

#include <cstring>

#include "snmp/UsmUserOptions.h"
#include "tools/taurel-snmp/ClientArgs.h"

namespace {

TEST(ClientUsmArgs, TakesEveryOptionApartOrJoined) {
    ClientCommand command;
    std::string error;
    ASSERT_TRUE(ParseClientArgs({"-v",           "3",   "-u",      "ops",       "-l",
                                 "authPriv",     "-a",  "SHA-512", "-A",        "auth-pass",
                                 "-x",           "AES", "-X",      "priv-pass", "-e",
                                 "0x80001F8804", "-n",  "bridge1", "bulkwalk",  "127.0.0.1:1161",
                                 "1.3.6.1.2.1.1"},
                                command, error))
        << error;
    EXPECT_EQ(command.version, SNMP_VERSION_3);
    EXPECT_EQ(command.usm.userName, "ops");
    EXPECT_EQ(command.usm.level, UsmSecurityLevel::AuthPriv);
    EXPECT_EQ(command.usm.auth, UsmAuthProtocol::SHA512);
    EXPECT_EQ(command.usm.priv, UsmPrivProtocol::AES128);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(command.usm.authPassword.data()),
                          command.usm.authPassword.size()),
              "auth-pass");
    EXPECT_EQ(command.usm.engineId, (std::vector<std::uint8_t>{0x80, 0x00, 0x1f, 0x88, 0x04}));
    EXPECT_EQ(command.usm.contextName, "bridge1");

    ClientCommand joined;
    ASSERT_TRUE(ParseClientArgs(
        {"-v3", "-uops", "-lauthNoPriv", "-aSHA", "-Aauth-pass", "get", "127.0.0.1", "1.3"}, joined,
        error))
        << error;
    EXPECT_EQ(joined.usm.auth, UsmAuthProtocol::SHA1);
    EXPECT_EQ(joined.usm.level, UsmSecurityLevel::AuthNoPriv);
    ClientCommand guest;
    EXPECT_TRUE(
        ParseClientArgs({"-v", "3", "-u", "guest", "get", "127.0.0.1", "1.3"}, guest, error))
        << "noAuthNoPriv is the default level and needs no passphrase";
}

TEST(ClientUsmArgs, RefusesWhatCannotMakeAUsableUser) {
    const std::vector<std::string> get = {"get", "127.0.0.1", "1.3"};
    const std::vector<std::pair<std::vector<std::string>, std::string>> bad = {
        {{"-v", "3"}, "SNMPv3 needs a user name (-u)"},
        {{"-v", "3", "-u", "ops", "-l", "authNoPriv", "-A", "short"},
         "the authentication passphrase (-A) needs at least 8 characters"},
        {{"-v", "3", "-u", "ops", "-l", "authPriv", "-A", "auth-pass"},
         "the privacy passphrase (-X) needs at least 8 characters"},
        {{"-v", "3", "-u", "ops", "-l", "authprivate"}, "bad security level: authprivate"},
        {{"-v", "3", "-u", "ops", "-a", "SHA-257"}, "bad authentication protocol: SHA-257"},
        {{"-v", "3", "-u", "ops", "-x", "DES"}, "bad privacy protocol: DES (AES is offered)"},
        {{"-v", "3", "-u", "ops", "-e", "80001"}, "bad engine ID (hex, up to 32 octets): 80001"},
        {{"-v", "3", "-u", std::string(33, 'u')}, "user name longer than 32 characters"},
        {{"-v", "4"}, "bad version: 4 (1, 2c or 3)"},
    };
    for (const auto& [options, message] : bad) {
        std::vector<std::string> args = options;
        args.insert(args.end(), get.begin(), get.end());
        ClientCommand command;
        std::string error;
        EXPECT_FALSE(ParseClientArgs(args, command, error)) << message;
        EXPECT_EQ(error, message);
    }
}

TEST(ClientUsmArgs, PassphrasesAreWipedFromTheArgumentStrings) {
    char program[] = "taurel-snmp";
    char a[] = "-A";
    char authPass[] = "auth-pass";
    char joined[] = "-Xpriv-pass";
    char user[] = "-uops";
    char* argv[] = {program, a, authPass, joined, user};
    std::vector<std::string> args(argv + 1, argv + 5);
    WipeUsmPassphrases(args, 5, argv);
    EXPECT_EQ(std::string(authPass, sizeof authPass - 1), std::string(sizeof authPass - 1, '\0'));
    EXPECT_EQ(std::string(joined), "-X");
    EXPECT_EQ(std::strlen(joined + 3), 0u);
    EXPECT_EQ(std::string(user), "-uops");
    EXPECT_EQ(args, (std::vector<std::string>{"-A", "", "", "-uops"}));
}

} // namespace
