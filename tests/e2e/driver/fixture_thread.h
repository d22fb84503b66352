#pragma once
// The driver's own target windows, made and served by a thread of their own that does nothing
// but pump messages, so the program's WM_GETTEXT to them is always answered at once while the
// test thread waits or types. Each window records when it was asked for its text: the probe
// sends exactly one WM_GETTEXT per tick to a window with a title, so the record counts ticks.

#include <windows.h>

#include <chrono>
#include <deque>
#include <functional>
#include <future>
#include <map>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace tessavik::e2e {

using Clock = std::chrono::steady_clock;

struct FixtureSpec {
    RECT rect{};                   // screen pixels, or the parent's client pixels for a child
    std::string title = "e2e target";
    HWND parent = nullptr;
    bool visible = true;
    bool topmost = false;
};

class FixtureThread {
public:
    FixtureThread();
    ~FixtureThread();
    FixtureThread(const FixtureThread&) = delete;
    FixtureThread& operator=(const FixtureThread&) = delete;

    HWND create(const FixtureSpec& spec);
    void destroy(HWND window);
    void move(HWND window, const RECT& rect);
    DWORD threadId() const { return threadId_; }

    // When `window` received WM_GETTEXT, oldest first.
    std::vector<Clock::time_point> textReads(HWND window) const;
    std::size_t textReadCount(HWND window) const { return textReads(window).size(); }
    // WM_GETTEXT received by all of this thread's windows together.
    std::size_t totalTextReads() const;

    // Runs `task` on the window thread and waits for it.
    void run(std::function<void()> task);

private:
    static LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void loop(std::promise<DWORD>& started);
    void recordTextRead(HWND window);

    mutable std::mutex mutex_;
    std::deque<std::function<void()>> tasks_;
    std::map<HWND, std::vector<Clock::time_point>> textReads_;
    std::size_t totalTextReads_ = 0;
    DWORD threadId_ = 0;
    std::thread thread_;
};

}  // namespace tessavik::e2e
