#pragma once
// The fourteen information fields, in the order a probe tick writes them, and the sink they are
// written through. The main window implements the sink with the edit boxes of the same names.

#include <array>
#include <string_view>

namespace tessavik {

enum class InfoField {
    Handle,          // 编辑框_句柄
    Title,           // 编辑框_标题
    ClassName,       // 编辑框_类名
    CursorPos,       // 编辑框_鼠标位置
    CursorRelative,  // 编辑框_鼠标相对窗口位置
    Parent,          // 编辑框_父句柄
    Root,            // 编辑框_顶级句柄
    ThreadId,        // 编辑框_线程ID
    ProcessId,       // 编辑框_进程ID
    ProcessPath,     // 编辑框_进程路径
    Top,             // 编辑框_顶边
    Left,            // 编辑框_左边
    Height,          // 编辑框_高度
    Width,           // 编辑框_宽度
};

inline constexpr std::size_t kInfoFieldCount = 14;

// The edit box that shows each field (GBK bytes, as every literal of this program).
inline constexpr std::array<std::string_view, kInfoFieldCount> kInfoFieldBoxes = {
    "编辑框_句柄",   "编辑框_标题",   "编辑框_类名",   "编辑框_鼠标位置", "编辑框_鼠标相对窗口位置",
    "编辑框_父句柄", "编辑框_顶级句柄", "编辑框_线程ID", "编辑框_进程ID",  "编辑框_进程路径",
    "编辑框_顶边",   "编辑框_左边",   "编辑框_高度",   "编辑框_宽度",
};

inline constexpr std::string_view infoFieldBox(InfoField f) {
    return kInfoFieldBoxes[static_cast<std::size_t>(f)];
}

class FieldSink {
public:
    virtual ~FieldSink() = default;
    // Replaces the whole text of the field.
    virtual void setField(InfoField field, std::string_view text) = 0;
};

}  // namespace tessavik
