#include "app/bindings.h"

#include <array>

#include "commands/commands.h"

namespace tessavik::app {
namespace {

constexpr ui::ControlName kProbeTimer = "时钟1";
constexpr ui::ControlName kHotKeyNotify = "标签3";
constexpr std::int32_t kProbePeriodMs = 200;
constexpr int kEscape = 27;  // VK_ESCAPE, without modifiers

struct FixedBinding {
    ui::ControlName control;
    ui::EventKind event;
    void (*handler)(AppContext&);  // the event's arguments are ignored by every handler
};

constexpr std::array<FixedBinding, 4> kFixedBindings = {{
    {ui::kMainWindow, ui::EventKind::Created,
     [](AppContext& app) { onMainWindowCreated(app.controls, app.commands); }},
    {kProbeTimer, ui::EventKind::Periodic,
     [](AppContext& app) { probeTick(app.probe, app.fields, app.probeState); }},
    {kHotKeyNotify, ui::EventKind::Feedback,
     [](AppContext& app) { commands::pauseToggle(app.controls); }},
    {"选择框1", ui::EventKind::Clicked,
     [](AppContext& app) { commands::applyAlwaysOnTop(app.controls); }},
}};

}  // namespace

void onMainWindowCreated(ui::Controls& controls, commands::CommandPlatform& commands) {
    ui::NativeWindow owner = controls.windowHandle(ui::kMainWindow);
    ui::NativeWindow notify = controls.windowHandle(kHotKeyNotify);
    // A refused key is not reported: sampling runs anyway, only Esc cannot pause it.
    commands::registerHotKey(commands, owner, notify, 0, kEscape);
    controls.setTimerPeriod(kProbeTimer, kProbePeriodMs);
}

std::vector<Binding> makeBindings(AppContext& app) {
    std::vector<Binding> bindings;
    for (const FixedBinding& fixed : kFixedBindings) {
        bindings.push_back({fixed.control, fixed.event,
                            [&app, run = fixed.handler](const ui::EventArgs&) { run(app); }});
    }
    for (const commands::CopyRow& row : commands::kCopyTable) {
        bindings.push_back(
            {row.box, ui::EventKind::DoubleClick, [&app, &row](const ui::EventArgs&) {
                 commands::copyField(app.controls, app.commands, row);
             }});
    }
    return bindings;
}

}  // namespace tessavik::app
