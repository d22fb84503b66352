#include "commands/commands.h"

namespace tessavik::commands {

namespace {
constexpr std::string_view kCopied = "复制成功！";
constexpr std::string_view kNotCopied = "复制失败！";
}  // namespace

// 编辑框_父句柄 and 编辑框_顶级句柄 have no row: a double-click on them copies nothing.
const std::array<CopyRow, 12> kCopyTable = {{
    {"编辑框_句柄", "窗口句柄：", kCopied, "复制失败！！"},
    {"编辑框_标题", "窗口标题：", kCopied, kNotCopied},
    {"编辑框_类名", "窗口类名：", kCopied, kNotCopied},
    {"编辑框_鼠标位置", "鼠标位置：", kCopied, kNotCopied},
    {"编辑框_鼠标相对窗口位置", "鼠标相对窗口位置：", kCopied, kNotCopied},
    {"编辑框_线程ID", "线程ID：", kCopied, kNotCopied},
    {"编辑框_进程ID", "进程ID：", kCopied, kNotCopied},
    {"编辑框_进程路径", "进程路径：", kCopied, kNotCopied},
    {"编辑框_左边", "窗口左边：", kCopied, kNotCopied},
    {"编辑框_顶边", "窗口顶边：", kCopied, kNotCopied},
    {"编辑框_宽度", "窗口宽度：", kCopied, kNotCopied},
    {"编辑框_高度", "窗口高度：", kCopied, kNotCopied},
}};

}  // namespace tessavik::commands
