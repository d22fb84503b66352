#include "tests/support/fake_desktop.h"

#include <algorithm>
#include <stdexcept>
#include <utility>

#include "probe/geometry.h"

namespace tessavik {

void FakeDesktop::addWindow(const FakeWindow& window) {
    if (window.handle == 0 || windows_.contains(window.handle))
        throw std::invalid_argument("FakeDesktop: window handle 0 or already in use");
    Node& parent = window.parent ? windows_.at(window.parent) : desktop_;
    if (parent.lastChild)
        windows_.at(parent.lastChild).next = window.handle;
    else
        parent.firstChild = window.handle;
    parent.lastChild = window.handle;
    windows_.emplace(window.handle, Node{window});
}

FakeWindow& FakeDesktop::window(WindowHandle handle) { return windows_.at(handle).window; }

void FakeDesktop::addProcess(std::uint32_t processId, std::string imagePath) {
    processes_[processId] = std::move(imagePath);
}

void FakeDesktop::failEveryOpRandomly(double probability) {
    for (Failure& f : failures_) f.probability = probability;
}

void FakeDesktop::clearFailures() { failures_.fill(Failure{}); }

bool FakeDesktop::fails(FakeOp op) {
    Failure& f = failures_[index(op)];
    if (f.always) return true;
    if (f.next > 0) {
        --f.next;
        return true;
    }
    return f.probability > 0.0 && unit_(random_) < f.probability;
}

void FakeDesktop::record(std::string_view name, std::initializer_list<std::int64_t> args) {
    if (!recording_) return;
    std::string call(name);
    call += '(';
    bool first = true;
    for (std::int64_t arg : args) {
        if (!first) call += ", ";
        call += std::to_string(arg);
        first = false;
    }
    call += ')';
    calls_.push_back(std::move(call));
}

const FakeDesktop::Node* FakeDesktop::find(WindowHandle w) const {
    const auto it = windows_.find(w);
    return it == windows_.end() ? nullptr : &it->second;
}

FakeDesktop::Dc* FakeDesktop::findDc(DcHandle dc) {
    const auto it = dcs_.find(dc);
    return it == dcs_.end() ? nullptr : &it->second;
}

WindowHandle FakeDesktop::topmostAt(WindowHandle firstSibling, Point p) const {
    for (WindowHandle w = firstSibling; w;) {
        const Node& node = windows_.at(w);
        if (node.window.visible && !node.window.hitTransparent && containsPoint(node.window.rect, p)) return w;
        w = node.next;
    }
    return 0;
}

std::optional<Point> FakeDesktop::GetCursorPos() {
    record("GetCursorPos", {});
    if (fails(FakeOp::GetCursorPos)) return std::nullopt;
    return cursor_;
}

WindowHandle FakeDesktop::WindowFromPoint(Point p) {
    record("WindowFromPoint", {p.x, p.y});
    if (fails(FakeOp::WindowFromPoint)) return 0;
    WindowHandle hit = topmostAt(desktop_.firstChild, p);
    for (WindowHandle child = hit; child; child = topmostAt(windows_.at(hit).firstChild, p)) hit = child;
    return hit;
}

bool FakeDesktop::GetWindowRect(WindowHandle w, Rect& r) {
    record("GetWindowRect", {w});
    const Node* node = find(w);
    if (!node || node->window.rectUnreadable || fails(FakeOp::GetWindowRect)) return false;
    r = node->window.rect;
    return true;
}

WindowHandle FakeDesktop::GetParent(WindowHandle w) {
    record("GetParent", {w});
    const Node* node = find(w);
    if (!node || fails(FakeOp::GetParent)) return 0;
    return node->window.parent ? node->window.parent : node->window.owner;
}

WindowHandle FakeDesktop::GetWindow(WindowHandle w, std::uint32_t cmd) {
    record("GetWindow", {w, cmd});
    const Node* node = find(w);
    if (!node || cmd != kGwHwndNext || fails(FakeOp::GetWindow)) return 0;
    return node->next;
}

bool FakeDesktop::IsWindowVisible(WindowHandle w) {
    record("IsWindowVisible", {w});
    if (fails(FakeOp::IsWindowVisible)) return false;
    for (const Node* node = find(w); node; node = find(node->window.parent))
        if (!node->window.visible) return false;
    return find(w) != nullptr;
}

bool FakeDesktop::IsWindow(WindowHandle w) {
    record("IsWindow", {w});
    return find(w) && !fails(FakeOp::IsWindow);
}

std::optional<std::int64_t> FakeDesktop::SendGetTextLength(WindowHandle w) {
    record("SendGetTextLength", {w});
    const Node* node = find(w);
    if (!node || fails(FakeOp::SendGetTextLength)) return std::nullopt;
    return node->window.reportedTextLength.value_or(static_cast<std::int64_t>(node->window.text.size()));
}

std::string FakeDesktop::SendGetText(WindowHandle w, std::size_t capacity) {
    record("SendGetText", {w, static_cast<std::int64_t>(capacity)});
    const Node* node = find(w);
    if (!node || capacity == 0 || fails(FakeOp::SendGetText)) return {};
    return node->window.text.substr(0, capacity - 1);
}

std::string FakeDesktop::GetClassNameA(WindowHandle w, std::size_t capacity) {
    record("GetClassNameA", {w, static_cast<std::int64_t>(capacity)});
    const Node* node = find(w);
    if (!node || capacity == 0 || fails(FakeOp::GetClassNameA)) return {};
    return node->window.className.substr(0, capacity - 1);
}

WindowHandle FakeDesktop::GetAncestor(WindowHandle w, std::uint32_t flags) {
    record("GetAncestor", {w, flags});
    const Node* node = find(w);
    if (!node || flags != kGaRoot || fails(FakeOp::GetAncestor)) return 0;
    while (node->window.parent) node = find(node->window.parent);
    return node->window.handle;
}

std::uint32_t FakeDesktop::GetWindowThreadProcessId(WindowHandle w, std::uint32_t* processId) {
    record("GetWindowThreadProcessId", {w});
    if (processId) *processId = 0;
    const Node* node = find(w);
    if (!node || fails(FakeOp::GetWindowThreadProcessId)) return 0;
    if (processId) *processId = node->window.processId;
    return node->window.threadId;
}

SnapshotHandle FakeDesktop::CreateToolhelp32Snapshot(std::uint32_t flags, std::uint32_t processId) {
    record("CreateToolhelp32Snapshot", {flags, processId});
    // Process 0 is the calling process.
    const std::uint32_t listed = processId ? processId : kOwnProcessId;
    if (flags != kTh32csSnapModule || !processes_.contains(listed) || fails(FakeOp::CreateToolhelp32Snapshot))
        return kInvalidSnapshot;
    ++counts_.snapshotsOpened;
    snapshots_.emplace(nextSnapshot_, listed);
    return nextSnapshot_++;
}

bool FakeDesktop::Module32First(SnapshotHandle snapshot, ModuleRecord& record) {
    this->record("Module32First", {static_cast<std::int64_t>(snapshot)});
    const auto it = snapshots_.find(snapshot);
    if (it == snapshots_.end() || fails(FakeOp::Module32First)) return false;
    // The system's path field ends with a zero byte, so at most 259 bytes of path fit.
    const std::string& path = processes_.at(it->second);
    const std::size_t n = std::min(path.size(), sizeof record.exePath - 1);
    std::copy_n(path.data(), n, record.exePath);
    record.exePath[n] = '\0';
    return true;
}

void FakeDesktop::CloseHandle(SnapshotHandle snapshot) {
    record("CloseHandle", {static_cast<std::int64_t>(snapshot)});
    if (snapshot == kInvalidSnapshot) {
        ++counts_.invalidSnapshotsClosed;
        return;
    }
    if (snapshots_.erase(snapshot) == 0) {
        ++counts_.badReleases;
        return;
    }
    ++counts_.snapshotsClosed;
}

WindowHandle FakeDesktop::GetDesktopWindow() {
    record("GetDesktopWindow", {});
    return fails(FakeOp::GetDesktopWindow) ? 0 : kDesktopWindow;
}

DcHandle FakeDesktop::GetWindowDC(WindowHandle w) {
    record("GetWindowDC", {w});
    if ((w != kDesktopWindow && !find(w)) || fails(FakeOp::GetWindowDC)) return 0;
    ++counts_.dcsGot;
    dcs_.emplace(nextDc_, Dc{w});
    return nextDc_++;
}

int FakeDesktop::SetROP2(DcHandle dc, int mode) {
    record("SetROP2", {static_cast<std::int64_t>(dc), mode});
    Dc* d = findDc(dc);
    if (!d || (mode != kInitialMixMode && fails(FakeOp::SetROP2))) return 0;
    return std::exchange(d->mixMode, mode);
}

GdiObject FakeDesktop::CreatePen(int style, int width, std::uint32_t color) {
    record("CreatePen", {style, width, color});
    if (fails(FakeOp::CreatePen)) return 0;
    ++counts_.pensCreated;
    pens_.insert(nextPen_);
    return nextPen_++;
}

GdiObject FakeDesktop::SelectObject(DcHandle dc, GdiObject object) {
    record("SelectObject", {static_cast<std::int64_t>(dc), static_cast<std::int64_t>(object)});
    Dc* d = findDc(dc);
    const bool known = object == kStockPen || pens_.contains(object);
    if (!d || !known || (object != kStockPen && fails(FakeOp::SelectObject))) return 0;
    return std::exchange(d->selected, object);
}

bool FakeDesktop::Rectangle(DcHandle dc, int left, int top, int right, int bottom) {
    record("Rectangle", {static_cast<std::int64_t>(dc), left, top, right, bottom});
    return findDc(dc) && !fails(FakeOp::Rectangle);
}

void FakeDesktop::Sleep(std::uint32_t milliseconds) {
    record("Sleep", {milliseconds});
    ++counts_.sleeps;
    counts_.sleptMilliseconds += milliseconds;
}

bool FakeDesktop::DeleteObject(GdiObject object) {
    record("DeleteObject", {static_cast<std::int64_t>(object)});
    if (!pens_.contains(object)) {
        ++counts_.badReleases;
        return false;
    }
    // Windows refuses to delete a pen that a DC still holds; the pen then leaks.
    if (std::any_of(dcs_.begin(), dcs_.end(), [object](const auto& d) { return d.second.selected == object; })) {
        ++counts_.selectedPensDeleted;
        return false;
    }
    pens_.erase(object);
    ++counts_.pensDeleted;
    return true;
}

int FakeDesktop::ReleaseDC(WindowHandle w, DcHandle dc) {
    record("ReleaseDC", {w, static_cast<std::int64_t>(dc)});
    const auto it = dcs_.find(dc);
    if (it == dcs_.end() || it->second.window != w) {
        ++counts_.badReleases;
        return 0;
    }
    if (it->second.mixMode != kInitialMixMode || it->second.selected != kStockPen) ++counts_.dirtyDcsReleased;
    dcs_.erase(it);
    ++counts_.dcsReleased;
    return 1;
}

}  // namespace tessavik
