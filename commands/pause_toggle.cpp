#include "commands/commands.h"

namespace tessavik::commands {

namespace {
constexpr ui::ControlName kProbeTimer = "时钟1";
constexpr std::int32_t kSamplingPeriod = 200;
}  // namespace

void pauseToggle(ui::Controls& controls) {
    const bool paused = controls.getTimerPeriod(kProbeTimer) == 0;
    controls.setTimerPeriod(kProbeTimer, paused ? kSamplingPeriod : 0);
}

}  // namespace tessavik::commands
