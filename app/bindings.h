#pragma once
// Which handler runs for which control event of the main window: the bindings as a table.

#include <vector>

#include "commands/command_platform.h"
#include "probe/probe.h"
#include "ui/controls.h"
#include "ui/event_table.h"

namespace tessavik::app {

// What the handlers work on; all of it lives as long as the main window.
struct AppContext {
    ui::Controls& controls;
    commands::CommandPlatform& commands;
    ProbePlatform& probe;
    FieldSink& fields;
    ProbeState& probeState;
};

struct Binding {
    ui::ControlName control;
    ui::EventKind event;
    ui::EventHandler handler;
};

// The created handler, the probe tick, the pause toggle, always on top, and one copy handler
// per row of the copy table.
std::vector<Binding> makeBindings(AppContext& app);

// The main window's created handler: registers Esc for the main window with 标签3 notified,
// then starts 时钟1 at 200 ms.
void onMainWindowCreated(ui::Controls& controls, commands::CommandPlatform& commands);

}  // namespace tessavik::app
