#include "commands/commands.h"

namespace tessavik::commands {

namespace {
constexpr ui::ControlName kOnTopBox = "选择框1";
}  // namespace

void applyAlwaysOnTop(ui::Controls& controls) {
    controls.setAlwaysOnTop(ui::kMainWindow, controls.isChecked(kOnTopBox) == 1 ? 1 : 0);
}

}  // namespace tessavik::commands
