#pragma once
// FakeDesktop: a scripted ProbePlatform for running the probe without Windows.
//
// It models: windows with a rectangle, a parent (child windows) or an owner (top-level pop-ups),
// a Z order among siblings (the order in which they were added, topmost first), the visible
// style (IsWindowVisible also asks the ancestors), text, class name, thread and process ids; a
// process table with each process's first-module path; the cursor; WindowFromPoint (the topmost
// visible window at the point, descending into children); DCs, pens and snapshots handed out and
// taken back, counted, with each DC's mix mode and selected object.
//
// It does not model: Z order changes after a window is added, disabled windows, window regions,
// message queues or threads (a text read answers at once, or "times out" when made to fail),
// brushes, real drawing, or several monitors beyond signed coordinates. Sleep is recorded, never
// slept. Release calls (DeleteObject, ReleaseDC, CloseHandle) cannot be made to fail, nor can
// putting back what a DC held when it was got (the stock pen, R2_COPYPEN): GDI fails those only
// for bad handles, and they are what the counters check.
//
// Any operation can be made to fail: always, for the next N calls, or at random with a seeded
// generator. A failed call gives what the real call gives on failure (0, false, nullopt, empty).
// Calls are recorded as text, "Name(arg, arg)", when recording is on (the default).

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <random>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "probe/probe_platform.h"

namespace tessavik {

enum class FakeOp {
    GetCursorPos,
    WindowFromPoint,
    GetWindowRect,
    GetParent,
    GetWindow,
    IsWindowVisible,
    IsWindow,
    SendGetTextLength,
    SendGetText,
    GetClassNameA,
    GetAncestor,
    GetWindowThreadProcessId,
    CreateToolhelp32Snapshot,
    Module32First,
    GetDesktopWindow,
    GetWindowDC,
    SetROP2,
    CreatePen,
    SelectObject,
    Rectangle,
    Count,
};

struct FakeWindow {
    WindowHandle handle = 0;
    Rect rect;
    WindowHandle parent = 0;  // the parent of a child window; 0 for a top-level window
    WindowHandle owner = 0;   // the owner of a top-level pop-up
    bool visible = true;
    bool hitTransparent = false;  // passed over by WindowFromPoint, as an HTTRANSPARENT window
    bool rectUnreadable = false;  // GetWindowRect fails for it
    std::string text{};
    std::optional<std::int64_t> reportedTextLength{};  // what WM_GETTEXTLENGTH answers, if not the text's length
    std::string className{};
    std::uint32_t threadId = 0;
    std::uint32_t processId = 0;
};

struct FakeResourceCounts {
    std::int64_t dcsGot = 0;
    std::int64_t dcsReleased = 0;
    std::int64_t pensCreated = 0;
    std::int64_t pensDeleted = 0;
    std::int64_t snapshotsOpened = 0;
    std::int64_t snapshotsClosed = 0;
    std::int64_t invalidSnapshotsClosed = 0;
    // Misuse: releasing what is not live, deleting a pen still selected into a DC, or releasing a
    // DC whose mix mode or selected object was not put back.
    std::int64_t badReleases = 0;
    std::int64_t selectedPensDeleted = 0;
    std::int64_t dirtyDcsReleased = 0;
    std::int64_t sleeps = 0;
    std::int64_t sleptMilliseconds = 0;
};

class FakeDesktop : public ProbePlatform {
public:
    static constexpr WindowHandle kDesktopWindow = 0x10010;
    static constexpr DcHandle kFirstDc = 1001;
    static constexpr GdiObject kStockPen = 2000;  // selected into every new DC
    static constexpr GdiObject kFirstPen = 2001;
    static constexpr SnapshotHandle kFirstSnapshot = 3001;
    static constexpr int kInitialMixMode = 13;  // R2_COPYPEN
    static constexpr std::uint32_t kOwnProcessId = 4242;

    // Adds a window below its existing siblings.
    void addWindow(const FakeWindow& window);
    // The window as added, to change it between calls; it must exist.
    FakeWindow& window(WindowHandle handle);
    void setCursor(std::optional<Point> cursor) { cursor_ = cursor; }
    // The first-module path of a process; a process without one gives no snapshot.
    void addProcess(std::uint32_t processId, std::string imagePath);

    void failAlways(FakeOp op) { failures_[index(op)].always = true; }
    void failNext(FakeOp op, int calls) { failures_[index(op)].next = calls; }
    void failRandomly(FakeOp op, double probability) { failures_[index(op)].probability = probability; }
    void failEveryOpRandomly(double probability);
    void seed(std::uint64_t seed) { random_.seed(seed); }
    void clearFailures();

    void setRecording(bool on) { recording_ = on; }
    const std::vector<std::string>& calls() const { return calls_; }
    void clearCalls() { calls_.clear(); }
    const FakeResourceCounts& counts() const { return counts_; }
    std::size_t liveDcs() const { return dcs_.size(); }
    std::size_t livePens() const { return pens_.size(); }
    std::size_t liveSnapshots() const { return snapshots_.size(); }

    // ProbePlatform
    std::optional<Point> GetCursorPos() override;
    WindowHandle WindowFromPoint(Point p) override;
    bool GetWindowRect(WindowHandle w, Rect& r) override;
    WindowHandle GetParent(WindowHandle w) override;
    WindowHandle GetWindow(WindowHandle w, std::uint32_t cmd) override;
    bool IsWindowVisible(WindowHandle w) override;
    bool IsWindow(WindowHandle w) override;
    std::optional<std::int64_t> SendGetTextLength(WindowHandle w) override;
    std::string SendGetText(WindowHandle w, std::size_t capacity) override;
    std::string GetClassNameA(WindowHandle w, std::size_t capacity) override;
    WindowHandle GetAncestor(WindowHandle w, std::uint32_t flags) override;
    std::uint32_t GetWindowThreadProcessId(WindowHandle w, std::uint32_t* processId) override;
    SnapshotHandle CreateToolhelp32Snapshot(std::uint32_t flags, std::uint32_t processId) override;
    bool Module32First(SnapshotHandle snapshot, ModuleRecord& record) override;
    void CloseHandle(SnapshotHandle snapshot) override;
    WindowHandle GetDesktopWindow() override;
    DcHandle GetWindowDC(WindowHandle w) override;
    int SetROP2(DcHandle dc, int mode) override;
    GdiObject CreatePen(int style, int width, std::uint32_t color) override;
    GdiObject SelectObject(DcHandle dc, GdiObject object) override;
    bool Rectangle(DcHandle dc, int left, int top, int right, int bottom) override;
    void Sleep(std::uint32_t milliseconds) override;
    bool DeleteObject(GdiObject object) override;
    int ReleaseDC(WindowHandle w, DcHandle dc) override;

private:
    struct Failure {
        bool always = false;
        int next = 0;
        double probability = 0.0;
    };
    struct Node {
        FakeWindow window;
        WindowHandle next = 0;         // the sibling below
        WindowHandle firstChild = 0;
        WindowHandle lastChild = 0;
    };
    struct Dc {
        WindowHandle window;
        int mixMode = kInitialMixMode;
        GdiObject selected = kStockPen;
    };

    static constexpr std::size_t index(FakeOp op) { return static_cast<std::size_t>(op); }
    bool fails(FakeOp op);
    void record(std::string_view name, std::initializer_list<std::int64_t> args);
    const Node* find(WindowHandle w) const;
    Dc* findDc(DcHandle dc);
    WindowHandle topmostAt(WindowHandle firstSibling, Point p) const;

    std::unordered_map<WindowHandle, Node> windows_;
    Node desktop_;  // its children are the top-level windows
    std::optional<Point> cursor_;
    std::unordered_map<std::uint32_t, std::string> processes_;

    std::array<Failure, static_cast<std::size_t>(FakeOp::Count)> failures_{};
    std::mt19937_64 random_{1};
    std::uniform_real_distribution<double> unit_{0.0, 1.0};

    bool recording_ = true;
    std::vector<std::string> calls_;

    FakeResourceCounts counts_;
    // The live ones; hashed so that a leaking probe stays fast enough to be told about it.
    std::unordered_map<DcHandle, Dc> dcs_;
    std::unordered_set<GdiObject> pens_;
    std::unordered_map<SnapshotHandle, std::uint32_t> snapshots_;  // with the process listed
    DcHandle nextDc_ = kFirstDc;
    GdiObject nextPen_ = kFirstPen;
    SnapshotHandle nextSnapshot_ = kFirstSnapshot;
};

}  // namespace tessavik
