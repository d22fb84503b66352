#include "commands/command_platform.h"
#include "commands/commands.h"
#include "probe/text.h"

namespace tessavik::commands {

namespace {
constexpr ui::ControlName kBalloonTip = "气球提示框1";
constexpr int kNoIcon = -1;
}  // namespace

void copyField(ui::Controls& controls, CommandPlatform& platform, const CopyRow& row) {
    const std::string text = concatTexts({row.caption, controls.getEditText(row.box)});
    const bool copied =
        setClipboardText(platform, controls.windowHandle(ui::kMainWindow), text) == 1;
    const Point cursor = platform.GetCursorPos();
    controls.popUpBalloon(kBalloonTip, cursor.x, cursor.y, copied ? row.success : row.failure,
                          kNoIcon, true);
}

}  // namespace tessavik::commands
