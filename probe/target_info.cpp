#include <algorithm>
#include <cstdint>

#include "probe/geometry.h"
#include "probe/probe.h"
#include "probe/text.h"

namespace tessavik {

namespace {

// No text read is larger than 64 KiB: longer titles are cut.
constexpr std::int64_t kMaxTitleLength = 65535;
constexpr std::size_t kClassNameCapacity = 259;

std::string idText(std::uint32_t id) { return intToText(static_cast<std::int32_t>(id)); }

std::string windowTitle(ProbePlatform& platform, WindowHandle window) {
    if (!platform.IsWindow(window)) return {};
    // No answer in time, no text, or a length that a broken window made negative: nothing to read.
    const std::optional<std::int64_t> length = platform.SendGetTextLength(window);
    if (!length || *length <= 0) return {};
    const std::int64_t readable = std::min(*length, kMaxTitleLength);
    return platform.SendGetText(window, static_cast<std::size_t>(readable) + 1);
}

// An unreadable cursor counts as the origin.
Point cursorOrOrigin(ProbePlatform& platform) { return platform.GetCursorPos().value_or(Point{}); }

std::uint32_t processIdOf(ProbePlatform& platform, WindowHandle window) {
    std::uint32_t processId = 0;
    platform.GetWindowThreadProcessId(window, &processId);
    return processId;
}

}  // namespace

// Each query goes to the window system anew, in the order of the fields, and each field is written
// before the next query: the cursor is read once for each of x, y, dx and dy.
void showTargetInfo(ProbePlatform& platform, FieldSink& fields, ProbeState& state) {
    const WindowHandle window = state.targetWindow;
    Rect& rect = state.targetRect;

    fields.setField(InfoField::Handle, idText(window));
    fields.setField(InfoField::Title, windowTitle(platform, window));
    fields.setField(InfoField::ClassName, platform.GetClassNameA(window, kClassNameCapacity));

    const std::int32_t x = cursorOrOrigin(platform).x;
    const std::int32_t y = cursorOrOrigin(platform).y;
    fields.setField(InfoField::CursorPos, concatTexts({"X=", intToText(x), " | Y=", intToText(y)}));

    // On failure the rectangle keeps the last one read.
    platform.GetWindowRect(window, rect);
    clampTopLeftToOrigin(rect);

    const double dx = static_cast<double>(cursorOrOrigin(platform).x) - static_cast<double>(rect.left);
    const double dy = static_cast<double>(cursorOrOrigin(platform).y) - static_cast<double>(rect.top);
    fields.setField(InfoField::CursorRelative, concatTexts({"左:", realToText(dx), " 右:", realToText(dy)}));

    fields.setField(InfoField::Parent, idText(platform.GetParent(window)));
    fields.setField(InfoField::Root, idText(platform.GetAncestor(window, kGaRoot)));
    std::uint32_t ignoredProcessId = 0;
    fields.setField(InfoField::ThreadId, idText(platform.GetWindowThreadProcessId(window, &ignoredProcessId)));
    fields.setField(InfoField::ProcessId, idText(processIdOf(platform, window)));
    fields.setField(InfoField::ProcessPath, processImagePath(platform, processIdOf(platform, window)));

    fields.setField(InfoField::Top, intToText(rect.top));
    fields.setField(InfoField::Left, intToText(rect.left));
    fields.setField(InfoField::Height,
                    realToText(static_cast<double>(rect.bottom) - static_cast<double>(rect.top)));
    fields.setField(InfoField::Width,
                    realToText(static_cast<double>(rect.right) - static_cast<double>(rect.left)));
}

}  // namespace tessavik
