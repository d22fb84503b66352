#include "tests/e2e/driver/target_facts.h"

#include <algorithm>
#include <cstdint>

#include "tests/e2e/driver/window_query.h"

namespace tessavik::e2e {

const std::array<std::string_view, 14> kFieldBoxes = {
    "编辑框_句柄", "编辑框_标题", "编辑框_类名", "编辑框_鼠标位置", "编辑框_鼠标相对窗口位置",
    "编辑框_父句柄", "编辑框_顶级句柄", "编辑框_线程ID", "编辑框_进程ID", "编辑框_进程路径",
    "编辑框_顶边", "编辑框_左边", "编辑框_高度", "编辑框_宽度",
};

std::string handleText(HWND window) {
    const auto low = static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(window));
    return std::to_string(static_cast<std::int32_t>(low));
}

std::string idText(DWORD id) { return std::to_string(static_cast<std::int32_t>(id)); }

FieldTexts expectedFields(const TargetFacts& facts) {
    RECT r = windowRect(facts.window);
    r.left = std::max(r.left, LONG{0});
    r.top = std::max(r.top, LONG{0});
    DWORD pid = 0;
    const DWORD tid = ::GetWindowThreadProcessId(facts.window, &pid);
    const auto x = std::to_string(facts.cursor.x);
    const auto y = std::to_string(facts.cursor.y);
    return {
        {"编辑框_句柄", handleText(facts.window)},
        {"编辑框_标题", facts.title},
        {"编辑框_类名", facts.className},
        {"编辑框_鼠标位置", "X=" + x + " | Y=" + y},
        {"编辑框_鼠标相对窗口位置", "左:" + std::to_string(facts.cursor.x - r.left) + " 右:" +
                                      std::to_string(facts.cursor.y - r.top)},
        {"编辑框_父句柄", handleText(::GetParent(facts.window))},
        {"编辑框_顶级句柄", handleText(::GetAncestor(facts.window, GA_ROOT))},
        {"编辑框_线程ID", idText(tid)},
        {"编辑框_进程ID", idText(pid)},
        {"编辑框_进程路径", facts.imagePath},
        {"编辑框_顶边", std::to_string(r.top)},
        {"编辑框_左边", std::to_string(r.left)},
        {"编辑框_高度", std::to_string(r.bottom - r.top)},
        {"编辑框_宽度", std::to_string(r.right - r.left)},
    };
}

std::string ownImagePath() {
    std::string path(MAX_PATH, '\0');
    const DWORD length = ::GetModuleFileNameA(nullptr, path.data(), MAX_PATH);
    path.resize(length);
    return path;
}

}  // namespace tessavik::e2e
