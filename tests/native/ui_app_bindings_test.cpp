// The program's handler bindings against the main window's description, run with scripted
// controls, commands platform and desktop.

#include <gtest/gtest.h>

#include <set>
#include <utility>

#include "app/bindings.h"
#include "app/controls_field_sink.h"
#include "app/external_functions.h"
#include "commands/commands.h"
#include "commands/hot_key_relay.h"
#include "commands_fakes.h"
#include "probe/text.h"
#include "tests/support/fake_desktop.h"
#include "ui/window_description.h"

namespace tessavik::app {
namespace {

using commands::testing::FakeCommandPlatform;
using commands::testing::RecordingControls;

class BindingsTest : public ::testing::Test {
  protected:
    // Raises the event as the toolkit would: the one handler bound to it.
    void raise(ui::ControlName control, ui::EventKind event) {
        int found = 0;
        for (const Binding& b : bindings) {
            if (b.control == control && b.event == event) {
                b.handler({});
                ++found;
            }
        }
        ASSERT_EQ(found, 1) << control;
    }

    RecordingControls controls;
    FakeCommandPlatform commandPlatform;
    FakeDesktop desktop;
    ControlsFieldSink fields{controls};
    Rect targetRect;
    ProbeState probeState{0, targetRect};
    AppContext app{controls, commandPlatform, desktop, fields, probeState};
    std::vector<Binding> bindings = makeBindings(app);
};

TEST_F(BindingsTest, OneBindingForEveryEventTheDescriptionDeclaresAndNoOther) {
    std::set<std::pair<std::string_view, ui::EventKind>> declared, bound;
    const ui::WindowDescription& d = ui::kMainWindowDescription;
    auto declare = [&declared](std::string_view name, ui::EventSet events) {
        for (auto e : {ui::EventKind::Created, ui::EventKind::Periodic, ui::EventKind::DoubleClick,
                       ui::EventKind::Clicked, ui::EventKind::Feedback}) {
            if (ui::hasEvent(events, e))
                declared.insert({name, e});
        }
    };
    declare(ui::kMainWindow, d.events);
    for (const ui::ControlRow& row : d.controls) declare(row.name, row.events);
    for (const Binding& b : bindings) {
        EXPECT_TRUE(bound.insert({b.control, b.event}).second) << "bound twice: " << b.control;
        EXPECT_TRUE(b.handler) << b.control;
    }
    EXPECT_EQ(bound, declared);
    EXPECT_EQ(bindings.size(), 16u);
}

// Delegates to the recording controls and notes, when the timer is set, whether the hot key
// was already registered.
class OrderWatchingControls final : public ui::Controls {
  public:
    OrderWatchingControls(RecordingControls& inner, FakeCommandPlatform& platform)
        : inner_(inner), platform_(platform) {}
    void setEditText(ui::ControlName b, std::string_view t) override { inner_.setEditText(b, t); }
    std::string getEditText(ui::ControlName b) override { return inner_.getEditText(b); }
    void setTimerPeriod(ui::ControlName t, std::int32_t ms) override {
        hotKeysBeforeTimer = platform_.hotKeys.size();
        inner_.setTimerPeriod(t, ms);
    }
    std::int32_t getTimerPeriod(ui::ControlName t) override { return inner_.getTimerPeriod(t); }
    int isChecked(ui::ControlName b) override { return inner_.isChecked(b); }
    void setAlwaysOnTop(ui::ControlName w, int f) override { inner_.setAlwaysOnTop(w, f); }
    ui::NativeWindow windowHandle(ui::ControlName c) override {
        return c == "标签3" ? kLabelHandle : inner_.windowHandle(c);
    }
    int popUpBalloon(ui::ControlName tip, int x, int y, std::string_view text, int icon,
                     bool autoHide) override {
        return inner_.popUpBalloon(tip, x, y, text, icon, autoHide);
    }

    static constexpr ui::NativeWindow kLabelHandle = 0x20030;
    std::size_t hotKeysBeforeTimer = 99;

  private:
    RecordingControls& inner_;
    FakeCommandPlatform& platform_;
};

TEST_F(BindingsTest, CreatedRegistersEscForTheWindowThenStartsTheProbeTimer) {
    OrderWatchingControls watching(controls, commandPlatform);
    onMainWindowCreated(watching, commandPlatform);
    ASSERT_EQ(commandPlatform.hotKeys.size(), 1u);
    const auto& key = commandPlatform.hotKeys[0];
    EXPECT_EQ(key.owner, RecordingControls::kMainWindowHandle);
    EXPECT_EQ(key.modifiers, 0u);
    EXPECT_EQ(key.virtualKey, 27u);
    EXPECT_EQ(key.id, commands::hotKeyRelay().highestId());
    EXPECT_EQ(commands::hotKeyRelay().notifyWindow(), OrderWatchingControls::kLabelHandle);
    EXPECT_EQ(watching.hotKeysBeforeTimer, 1u);
    EXPECT_EQ(controls.periodsSet, (std::vector<std::int32_t>{200}));
    EXPECT_EQ(controls.lastTimer, "时钟1");
}

TEST_F(BindingsTest, CreatedStartsSamplingEvenWhenEscIsTaken) {
    commandPlatform.failRegisterHotKey = true;
    raise(ui::kMainWindow, ui::EventKind::Created);
    EXPECT_EQ(controls.periodsSet, (std::vector<std::int32_t>{200}));
}

TEST_F(BindingsTest, PeriodicRunsTheProbeTickIntoTheEditBoxes) {
    desktop.addWindow({.handle = 0x30040,
                       .rect = {10, 20, 110, 70},
                       .text = "abc",
                       .className = "Edit",
                       .threadId = 7,
                       .processId = 8});
    desktop.setCursor(Point{50, 40});
    raise("时钟1", ui::EventKind::Periodic);
    EXPECT_EQ(probeState.targetWindow, 0x30040u);
    EXPECT_EQ(controls.getEditText("编辑框_句柄"), intToText(0x30040));
    EXPECT_EQ(controls.getEditText("编辑框_标题"), "abc");
    EXPECT_EQ(controls.getEditText("编辑框_鼠标位置"), "X=50 | Y=40");
    EXPECT_EQ(controls.getEditText("编辑框_宽度"), "100");
    EXPECT_EQ(targetRect, (Rect{10, 20, 110, 70}));
}

TEST_F(BindingsTest, FeedbackTogglesThePauseAndClickedAppliesTheBox) {
    controls.period = 200;
    raise("标签3", ui::EventKind::Feedback);
    EXPECT_EQ(controls.period, 0);
    raise("标签3", ui::EventKind::Feedback);
    EXPECT_EQ(controls.period, 200);
    controls.checked = 0;
    raise("选择框1", ui::EventKind::Clicked);
    EXPECT_EQ(controls.lastCheckBox, "选择框1");
    ASSERT_EQ(controls.onTopCalls.size(), 1u);
    EXPECT_EQ(controls.onTopCalls[0], (std::pair<std::string, int>{"主窗口", 0}));
}

TEST_F(BindingsTest, EachDoubleClickCopiesItsOwnBoxWithItsOwnCaption) {
    for (const commands::CopyRow& row : commands::kCopyTable) {
        SCOPED_TRACE(std::string(row.box));
        controls.boxes.clear();
        controls.boxes[std::string(row.box)] = "1234";
        raise(row.box, ui::EventKind::DoubleClick);
        EXPECT_EQ(commandPlatform.clipboard, std::string(row.caption) + "1234" + '\0');
        ASSERT_FALSE(controls.balloons.empty());
        EXPECT_EQ(controls.balloons.back().text, row.success);
        EXPECT_EQ(controls.balloons.back().tip, "气球提示框1");
    }
}

TEST(ControlsFieldSink, EachFieldGoesToTheEditBoxOfItsName) {
    RecordingControls controls;
    ControlsFieldSink sink(controls);
    for (std::size_t i = 0; i < kInfoFieldCount; ++i) {
        sink.setField(static_cast<InfoField>(i), "v" + std::to_string(i));
    }
    ASSERT_EQ(controls.boxes.size(), kInfoFieldCount);
    for (std::size_t i = 0; i < kInfoFieldCount; ++i) {
        EXPECT_EQ(controls.getEditText(kInfoFieldBoxes[i]), "v" + std::to_string(i));
    }
}

TEST(ExternalFunctions, SixteenNumberedRowsWithTheirLibrariesAsDeclared) {
    int expected = 0;
    for (const ExternalFunction& f : kExternalFunctions) EXPECT_EQ(f.number, expected++);
    EXPECT_EQ(kExternalFunctions[2].library, "user32.dll");
    EXPECT_EQ(kExternalFunctions[2].exportName, "GetAncestor");
    EXPECT_EQ(kExternalFunctions[5].library, "KERNEL32.DLL");
    EXPECT_EQ(kExternalFunctions[5].exportName, "Module32First");
    EXPECT_EQ(kExternalFunctions[13].library, "kernel32");
    EXPECT_EQ(kExternalFunctions[13].exportName, "Sleep");
}

}  // namespace
}  // namespace tessavik::app
