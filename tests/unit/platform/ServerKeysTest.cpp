#include "platform/keylock/ServerKeys.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

using namespace ServerKeys;

namespace {

TRemovedEntry Entry(int key, int group, int level, std::uint32_t keysym, std::uint8_t actionType)
{
    TRemovedEntry entry;
    entry.KeyCode = std::uint8_t(key);
    entry.Group = std::uint8_t(group);
    entry.Level = std::uint8_t(level);
    entry.KeySym = keysym;
    entry.Action[0] = actionType;
    entry.Action[1] = 0x81;
    entry.Action[7] = 0xFE;
    return entry;
}

} // namespace

TEST(ServerKeysRecord, RoundTripsAndRefusesWhatItDidNotWrite)
{
    const std::vector<TRemovedEntry> entries { Entry(67, 0, 4, 0x1008FE01, 0x0D), Entry(22, 1, 1, 0xFED5, 0x0C),
                                               Entry(255, 3, 7, 0x1008FE0C, 0) };
    std::vector<std::uint32_t> words = EncodeRecord(0x00600001, entries);
    std::uint32_t owner = 0;
    std::vector<TRemovedEntry> decoded;
    ASSERT_TRUE(DecodeRecord(words, owner, decoded));
    EXPECT_EQ(owner, 0x00600001u);
    EXPECT_EQ(decoded, entries);
    ASSERT_TRUE(DecodeRecord(EncodeRecord(7, {}), owner, decoded));
    EXPECT_TRUE(decoded.empty());

    std::vector<std::uint32_t> bad = words;
    bad[0] ^= 1; // not our mark
    EXPECT_FALSE(DecodeRecord(bad, owner, decoded));
    bad = words;
    bad.pop_back(); // cut short
    EXPECT_FALSE(DecodeRecord(bad, owner, decoded));
    bad = words;
    bad[2] = 0xFFFFFFFF; // a count far beyond the words
    EXPECT_FALSE(DecodeRecord(bad, owner, decoded));
    bad = words;
    bad[3] |= 0x01000000; // a key field with bits we never set
    EXPECT_FALSE(DecodeRecord(bad, owner, decoded));
    EXPECT_FALSE(DecodeRecord({}, owner, decoded));
}

TEST(ServerKeysRecord, TheWaysOutAreTheConsoleSwitchesAndTheServerKill)
{
    for (std::uint32_t vt = 0x1008FE01; vt <= 0x1008FE0C; ++vt)
        EXPECT_TRUE(IsServerKeySym(vt)) << std::hex << vt;
    EXPECT_TRUE(IsServerKeySym(0xFED5));
    for (std::uint32_t other : { 0x1008FE00u, 0x1008FE0Du, 0xFFBEu /* F1 */, 0xFF08u /* BackSpace */, 0u })
        EXPECT_FALSE(IsServerKeySym(other)) << std::hex << other;
    std::uint8_t action[8] {};
    for (std::uint8_t type : { 0x0C, 0x0D }) { // terminate, switch screen
        action[0] = type;
        EXPECT_TRUE(IsServerAction(action));
    }
    for (std::uint8_t type : { 0x00, 0x01, 0x0B, 0x0E }) {
        action[0] = type;
        EXPECT_FALSE(IsServerAction(action));
    }
}

// These change the keymap of the display they run on, so they run only where the test run
// owns the display (the X server unit test script sets KD_XSERVER_TESTS).
class ServerKeysXServerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!std::getenv("KD_XSERVER_TESTS") || !std::getenv("DISPLAY"))
            GTEST_SKIP() << "needs a display of its own (KD_XSERVER_TESTS) and xkbcomp";
        original = Dump();
        ASSERT_NE(original.find("Terminate_Server"), std::string::npos) << "run setxkbmap -option terminate:ctrl_alt_bksp";
    }
    static std::string Dump()
    {
        std::string text;
        FILE* pipe = popen("xkbcomp -xkb \"$DISPLAY\" - 2>/dev/null", "r");
        if (!pipe)
            return text;
        std::array<char, 4096> buffer {};
        for (std::size_t n; (n = fread(buffer.data(), 1, buffer.size(), pipe)) > 0;)
            text.append(buffer.data(), n);
        pclose(pipe);
        return text;
    }
    static bool HasServerKeys(const std::string& dump)
    {
        const std::string symbols = dump.substr(dump.find("xkb_symbols"));
        return symbols.find("XF86Switch_VT_") != std::string::npos || symbols.find("Terminate_Server") != std::string::npos;
    }
    std::string original;
};

TEST_F(ServerKeysXServerTest, LockTakesTheKeysOutAndUnlockPutsBackTheExactKeymap)
{
    Lock();
    ASSERT_TRUE(Locked());
    EXPECT_FALSE(HasServerKeys(Dump()));
    Lock(); // a second lock changes nothing
    Unlock();
    EXPECT_FALSE(Locked());
    EXPECT_EQ(Dump(), original);
    Unlock(); // nor does a second unlock
    EXPECT_EQ(Dump(), original);
}

TEST_F(ServerKeysXServerTest, AStartAfterACrashPutsTheUsersKeysBackFirst)
{
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        Lock();
        _exit(Locked() ? 0 : 1); // ends without exit handlers, as a killed run would
    }
    int status = 0;
    waitpid(child, &status, 0);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    ASSERT_FALSE(HasServerKeys(Dump()));

    // The crashed run's changed keymap is never taken for the user's.
    Lock();
    EXPECT_FALSE(HasServerKeys(Dump()));
    Unlock();
    EXPECT_EQ(Dump(), original);
}

TEST_F(ServerKeysXServerTest, AnEscapingExceptionPutsTheKeysBack)
{
    EXPECT_DEATH(
        {
            Lock();
            // An exception that nothing catches ends in std::terminate, as one escaping main does.
            const auto escape = [] { throw std::runtime_error("escaped"); };
            [&escape]() noexcept { escape(); }();
        },
        "");
    EXPECT_EQ(Dump(), original);
}
