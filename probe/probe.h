#pragma once
// The window probe: find the window under the cursor, show its facts, flash a frame around it.

#include <cstdint>
#include <string>

#include "probe/info_field.h"
#include "probe/probe_platform.h"
#include "probe/probe_types.h"

namespace tessavik {

// The probe's process-wide state. targetRect is owned by the application (allocated zeroed at
// start-up, released at a normal end); the probe only reads and writes it.
struct ProbeState {
    WindowHandle targetWindow = 0;
    Rect& targetRect;
};

// One timer tick: find the target, show its fields, flash its frame.
void probeTick(ProbePlatform& platform, FieldSink& fields, ProbeState& state);

// Writes the fourteen fields for state.targetWindow, refreshing state.targetRect.
void showTargetInfo(ProbePlatform& platform, FieldSink& fields, ProbeState& state);

// The smallest visible window under the cursor among the one the system reports and the siblings
// below it; 0 when there is none.
WindowHandle windowUnderCursor(ProbePlatform& platform);

// The image path of a process, or the empty text.
std::string processImagePath(ProbePlatform& platform, std::uint32_t processId);

// Draws a 4-pixel frame around the window on the desktop, waits 100 ms, erases it, waits 100 ms.
void flashTargetFrame(ProbePlatform& platform, WindowHandle target);

}  // namespace tessavik
