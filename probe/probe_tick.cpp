#include "probe/probe.h"

namespace tessavik {

void probeTick(ProbePlatform& platform, FieldSink& fields, ProbeState& state) {
    state.targetWindow = windowUnderCursor(platform);
    if (!state.targetWindow) return;
    showTargetInfo(platform, fields, state);
    flashTargetFrame(platform, state.targetWindow);
}

}  // namespace tessavik
