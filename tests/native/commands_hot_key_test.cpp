// The hot key relay: registration, the modifier table, the message rule; and the two handlers
// that ride on control events, pauseToggle and applyAlwaysOnTop.
#include <gtest/gtest.h>

#include "commands/commands.h"
#include "commands/hot_key_relay.h"
#include "commands_fakes.h"

namespace tessavik::commands {
namespace {

using testing::FakeCommandPlatform;
using testing::HotKeyCall;
using testing::RecordingControls;
using testing::SentMessage;

constexpr ui::NativeWindow kOwner = 0x1000;
constexpr ui::NativeWindow kLabel = 0x2000;
constexpr int kEsc = 27;

struct ModifierCase {
    int relay;
    unsigned system;
};

TEST(TranslateModifiers, MapsTheRelaysBitsAndPassesOtherValuesOn) {
    const ModifierCase cases[] = {
        {0, 0},
        {1, kModControl},
        {2, kModShift},
        {3, kModControl | kModShift},
        {4, kModAlt},
        {5, kModControl | kModAlt},
        {6, kModShift | kModAlt},
        {7, 7},
        {8, 8},
        {-1, 0xFFFFFFFFu},
    };
    for (const auto& c : cases) EXPECT_EQ(translateModifiers(c.relay), c.system) << c.relay;
}

class HotKeyRelayTest : public ::testing::Test {
  protected:
    FakeCommandPlatform platform;
    HotKeyRelay relay;
};

TEST_F(HotKeyRelayTest, FirstRegistrationInstallsTheRelayAndGets33001) {
    EXPECT_EQ(relay.registerHotKey(platform, kOwner, kLabel, 0, kEsc), 33001);
    EXPECT_EQ(platform.installedOn, std::vector<ui::NativeWindow>{kOwner});
    EXPECT_EQ(platform.hotKeys, (std::vector<HotKeyCall>{{kOwner, 33001, 0, 27}}));
    EXPECT_EQ(relay.notifyWindow(), kLabel);
    EXPECT_EQ(relay.savedProcedure(), platform.previousProcedure);
    // The procedure is in place before the system can post the first WM_HOTKEY.
    EXPECT_EQ(platform.calls,
              (std::vector<std::string>{"installRelayProcedure", "RegisterHotKey"}));
}

TEST_F(HotKeyRelayTest, LaterRegistrationsReplaceTheNotifyWindowButNeverReinstall) {
    relay.registerHotKey(platform, kOwner, kLabel, 0, kEsc);
    EXPECT_EQ(relay.registerHotKey(platform, 0x3000, 0x4000, 6, 'K'), 33002);
    EXPECT_EQ(platform.installedOn.size(), 1u);
    EXPECT_EQ(relay.notifyWindow(), 0x4000u);
    EXPECT_EQ(platform.hotKeys.back(), (HotKeyCall{0x3000, 33002, kModShift | kModAlt, 'K'}));
    EXPECT_EQ(relay.highestId(), 33002);
}

TEST_F(HotKeyRelayTest, ARefusedKeyGivesZeroButStillUsesUpItsId) {
    platform.failRegisterHotKey = true;
    EXPECT_EQ(relay.registerHotKey(platform, kOwner, kLabel, 0, kEsc), 0);
    EXPECT_EQ(relay.registrationCount(), 1);
    EXPECT_EQ(relay.serial(), 1);
    EXPECT_EQ(relay.highestId(), 33001);
    EXPECT_EQ(relay.savedProcedure(), platform.previousProcedure);  // stays installed
    platform.failRegisterHotKey = false;
    EXPECT_EQ(relay.registerHotKey(platform, kOwner, kLabel, 0, kEsc), 33002);
}

struct RelayCase {
    const char* name;
    unsigned message;
    WParam w;
    bool relayed;
};

class RelayRule : public ::testing::TestWithParam<RelayCase> {};

TEST_P(RelayRule, RelaysOwnIdsAndPassesEveryMessageOn) {
    FakeCommandPlatform platform;
    HotKeyRelay relay;
    relay.registerHotKey(platform, kOwner, kLabel, 0, kEsc);
    relay.registerHotKey(platform, kOwner, kLabel, 0, 'Q');  // highest id 33002
    const RelayCase& c = GetParam();

    EXPECT_EQ(relay.relay(platform, kOwner, c.message, c.w, 99), platform.procedureResult);

    std::vector<SentMessage> expected;
    if (c.relayed)
        expected.push_back({"SendMessageA", 0, kLabel, kRelayMessage, c.w, 0});
    expected.push_back({"CallWindowProcA", platform.previousProcedure, kOwner, c.message, c.w, 99});
    EXPECT_EQ(platform.messages, expected);
}

INSTANTIATE_TEST_SUITE_P(
    Messages, RelayRule,
    ::testing::Values(RelayCase{"FirstId", kWmHotKey, 33001, true},
                      RelayCase{"HighestId", kWmHotKey, 33002, true},
                      RelayCase{"BelowTheRange", kWmHotKey, 33000, false},
                      RelayCase{"AboveTheRange", kWmHotKey, 33003, false},
                      RelayCase{"SystemSnapDesktop", kWmHotKey, static_cast<WParam>(-2), false},
                      RelayCase{"SystemSnapWindow", kWmHotKey, static_cast<WParam>(-1), false},
                      RelayCase{"NotAHotKey", 0x0100 /* WM_KEYDOWN */, 33001, false}),
    [](const auto& testCase) { return std::string(testCase.param.name); });

TEST(RelayRule, BeforeAnyRegistrationNothingIsRelayed) {
    FakeCommandPlatform platform;
    HotKeyRelay relay;
    relay.relay(platform, kOwner, kWmHotKey, 33001, 0);
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].call, "CallWindowProcA");
}

TEST(PauseToggle, PausesWhenRunningAndResumesWhenPaused) {
    RecordingControls controls;
    controls.period = 200;
    for (int press = 0; press < 3; ++press) pauseToggle(controls);
    EXPECT_EQ(controls.periodsSet, (std::vector<std::int32_t>{0, 200, 0}));
    EXPECT_EQ(controls.lastTimer, "时钟1");
}

TEST(PauseToggle, TakesAnyOtherPeriodAsRunning) {
    RecordingControls controls;
    controls.period = 57;
    pauseToggle(controls);
    EXPECT_EQ(controls.period, 0);
}

TEST(ApplyAlwaysOnTop, OneCallPerClickFollowingTheBox) {
    RecordingControls controls;
    for (int state : {0, 1, 1}) {
        controls.checked = state;
        applyAlwaysOnTop(controls);
    }
    using Call = std::pair<std::string, int>;
    EXPECT_EQ(controls.onTopCalls,
              (std::vector<Call>{{"主窗口", 0}, {"主窗口", 1}, {"主窗口", 1}}));
    EXPECT_EQ(controls.lastCheckBox, "选择框1");
}

}  // namespace
}  // namespace tessavik::commands
