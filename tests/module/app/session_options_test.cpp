// The SNMP session options, the secrets file and the passphrase prompt, without a switch.

#include "module/app/CPassphraseDialog.h"
#include "module/app/ProgramOptions.h"
#include "module/app/SecretsFile.h"
#include "module/app/SnmpSessionStart.h"
#include "tests/platform/ui/UiTestSupport.h"

#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <fstream>
#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace {

std::string Text(const UsmSecret& secret) {
    return std::string(reinterpret_cast<const char*>(secret.data()), secret.size());
}

TEST(SessionOptions, TakenOutBeforeTheSlashSearchWithTheToolsWords) {
    const ProgramOptions o = ParseProgramOptions(
        {"/NCore", "--snmp-version", "3", "--v3-user=ops", "--v3-level", "authNoPriv", "--v3-auth",
         "SHA-512", "--v3-engine-id", "0x80001f8804", "--v3-secrets", "/tmp/Net"});
    ASSERT_TRUE(o.error.empty()) << o.error;
    EXPECT_EQ(o.commandLine, "/NCore") << "a secrets path is never read as /N";
    EXPECT_EQ(o.snmp.version, SNMP_VERSION_3);
    EXPECT_EQ(o.snmp.userName, "ops");
    EXPECT_EQ(o.snmp.level, UsmSecurityLevel::AuthNoPriv);
    EXPECT_EQ(o.snmp.auth, UsmAuthProtocol::SHA512);
    EXPECT_EQ(o.snmp.engineId, (std::vector<std::uint8_t>{0x80, 0x00, 0x1f, 0x88, 0x04}));
    EXPECT_EQ(o.snmp.secretsFile, "/tmp/Net");
    EXPECT_TRUE(NeedsAuthPassphrase(o.snmp));
    EXPECT_FALSE(NeedsPrivPassphrase(o.snmp));

    const ProgramOptions plain = ParseProgramOptions({"/I10.0.0.1"});
    EXPECT_EQ(plain.snmp.version, SNMP_VERSION_1);
    EXPECT_FALSE(NeedsAuthPassphrase(plain.snmp));
    EXPECT_EQ(ParseProgramOptions({"--snmp-version", "2c"}).snmp.version, SNMP_VERSION_2C);
    EXPECT_EQ(
        DescribeSnmpSession(ParseProgramOptions({"--snmp-version", "3", "--v3-user", "ops"}).snmp),
        "SNMPv3 user \"ops\" at authPriv (SHA-256, AES)");
}

TEST(SessionOptions, RefusalsNameTheOptionAndNeverEchoAPassphrase) {
    const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
        {{"--snmp-version", "2"}, "--snmp-version takes 1, 2c or 3"},
        {{"--v3-user", "ops"}, "--v3-user needs --snmp-version 3"},
        {{"--snmp-version", "2c", "--v3-secrets", "f"}, "--v3-secrets needs --snmp-version 3"},
        {{"--snmp-version", "3"}, "--snmp-version 3 needs --v3-user NAME"},
        {{"--snmp-version", "3", "--v3-user", "ops", "--v3-level", "secure"},
         "--v3-level: bad security level: secure"},
        {{"--snmp-version", "3", "--v3-user"}, "--v3-user needs a value"},
    };
    for (const auto& [args, error] : cases)
        EXPECT_EQ(ParseProgramOptions(args).error, error) << ::testing::PrintToString(args);
    // A passphrase typed where the protocol goes is not printed back.
    for (const char* option : {"--v3-auth", "--v3-priv"}) {
        const ProgramOptions o = ParseProgramOptions(
            {"--snmp-version", "3", "--v3-user", "ops", option, "my-secret-pass"});
        EXPECT_FALSE(o.error.empty());
        EXPECT_EQ(o.error.find("my-secret-pass"), std::string::npos) << o.error;
    }
    // The demo brings its own user.
    EXPECT_TRUE(ParseProgramOptions({"--demo", "--snmp-version", "3"}).error.empty());
}

class SecretsFileTest : public ::testing::Test {
protected:
    std::string Write(const std::string& content, fs::perms permissions) {
        const std::string path = dir.filePath("secrets").toStdString();
        std::ofstream(path, std::ios::binary | std::ios::trunc) << content;
        fs::permissions(path, permissions);
        return path;
    }
    QTemporaryDir dir;
    UsmSecret auth, priv;
    std::string error;
};

TEST_F(SecretsFileTest, ReadOnlyWhenPrivateLineByLine) {
    const std::string path = Write("auth pass 1\r\npriv:pass:2\nignored\n", fs::perms::owner_read);
    ASSERT_TRUE(ReadSecretsFile(path, true, auth, priv, error)) << error;
    EXPECT_EQ(Text(auth), "auth pass 1");
    EXPECT_EQ(Text(priv), "priv:pass:2");
    ASSERT_TRUE(ReadSecretsFile(Write("only-auth", fs::perms::owner_read | fs::perms::owner_write),
                                false, auth, priv, error));
    EXPECT_EQ(Text(auth), "only-auth");
}

TEST_F(SecretsFileTest, RefusedWithTheReasonAndNothingKept) {
    using P = fs::perms;
    EXPECT_FALSE(ReadSecretsFile(Write("a-pass-1\nb-pass-2\n", P::owner_read | P::group_read), true,
                                 auth, priv, error));
    EXPECT_NE(error.find("others than its owner may read it (mode 0440)"), std::string::npos)
        << error;
    EXPECT_NE(error.find("chmod 600"), std::string::npos);
    EXPECT_EQ(error.find("a-pass-1"), std::string::npos);
    EXPECT_EQ(SecretsFilePermissionProblem(P::owner_all | P::others_write),
              "others than its owner may change it (mode 0702)");
    EXPECT_EQ(SecretsFilePermissionProblem(P::owner_read | P::owner_write), "");

    EXPECT_FALSE(ReadSecretsFile(Write("a-pass-1\n", P::owner_read), true, auth, priv, error));
    EXPECT_NE(error.find("no privacy passphrase on its second line"), std::string::npos);
    EXPECT_TRUE(auth.empty()) << "a refused file leaves no half of its secrets behind";
    EXPECT_FALSE(ReadSecretsFile(Write("\nb-pass-2\n", P::owner_read), true, auth, priv, error));
    EXPECT_NE(error.find("no authentication passphrase"), std::string::npos);
    EXPECT_FALSE(ReadSecretsFile(dir.path().toStdString(), false, auth, priv, error));
    EXPECT_NE(error.find("no regular file"), std::string::npos);
    EXPECT_FALSE(ReadSecretsFile(dir.filePath("none").toStdString(), false, auth, priv, error));
    EXPECT_NE(error.find("no such file"), std::string::npos);
}

TEST(SessionSecrets, TheFileOrThePromptAndCancelEndsIt) {
    SnmpSessionOptions options;
    options.version = SNMP_VERSION_3;
    options.userName = "ops";
    int asked = 0;
    PassphraseRequest seen;
    const PassphraseAsker answer = [&](const PassphraseRequest& request, UsmSecret& a,
                                       UsmSecret& p) {
        ++asked;
        seen = request;
        a = UsmSecret("typed-auth");
        p = UsmSecret("typed-priv");
        return true;
    };
    SnmpSecrets secrets;
    std::string error;
    EXPECT_EQ(ObtainSessionSecrets(options, "10.0.0.9", answer, 15.0, secrets, error),
              SessionSecrets::Taken);
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(seen.userName, "ops");
    EXPECT_EQ(seen.agentAddress, "10.0.0.9");
    EXPECT_TRUE(seen.privacy);
    EXPECT_EQ(seen.giveUpAfterSeconds, 15.0);
    EXPECT_EQ(Text(secrets.priv), "typed-priv");

    const PassphraseAsker cancel = [](const PassphraseRequest&, UsmSecret& a, UsmSecret&) {
        a = UsmSecret("half-typed");
        return false;
    };
    SnmpSecrets none;
    EXPECT_EQ(ObtainSessionSecrets(options, "10.0.0.9", cancel, {}, none, error),
              SessionSecrets::Cancelled);
    EXPECT_TRUE(none.auth.empty());

    options.level = UsmSecurityLevel::NoAuthNoPriv;
    EXPECT_EQ(ObtainSessionSecrets(options, "10.0.0.9", cancel, {}, none, error),
              SessionSecrets::Taken)
        << "noAuthNoPriv asks for nothing";
}

TEST(PassphraseDialog, OkWaitsForEightCharactersEachAndEscCancels) {
    PumpMessages();
    CPassphraseDialog dialog({"ops", "10.0.0.9", true, {}});
    dialog.show();
    QPushButton* ok = dialog.Buttons()->button(QDialogButtonBox::Ok);
    EXPECT_FALSE(ok->isEnabled());
    QTest::keyClicks(dialog.AuthField(), "auth-pass");
    QTest::keyClicks(dialog.PrivField(), "short");
    EXPECT_FALSE(ok->isEnabled()) << "the privacy passphrase is still too short";
    QTest::keyClicks(dialog.PrivField(), "-priv");
    EXPECT_TRUE(ok->isEnabled());
    EXPECT_EQ(dialog.AuthField()->echoMode(), QLineEdit::Password);
    UsmSecret auth, priv;
    dialog.TakePassphrases(auth, priv);
    EXPECT_EQ(Text(auth), "auth-pass");
    EXPECT_EQ(Text(priv), "short-priv");
    EXPECT_TRUE(dialog.AuthField()->text().isEmpty()) << "taken passphrases leave the fields";

    QTest::keyClick(&dialog, Qt::Key_Escape);
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_FALSE(dialog.isVisible());
}

} // namespace
