#include "tests/e2e/driver/fixture_thread.h"

namespace tessavik::e2e {

namespace {
constexpr char kFixtureClass[] = "TessavikE2eTarget";
constexpr UINT kRunTasks = WM_APP + 1;
}  // namespace

FixtureThread::FixtureThread() {
    std::promise<DWORD> started;
    auto id = started.get_future();
    thread_ = std::thread([this, &started] { loop(started); });
    threadId_ = id.get();
}

FixtureThread::~FixtureThread() {
    ::PostThreadMessageA(threadId_, WM_QUIT, 0, 0);
    thread_.join();
}

void FixtureThread::loop(std::promise<DWORD>& started) {
    MSG message;
    ::PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE);  // makes the thread's queue
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = windowProc;
    windowClass.hInstance = ::GetModuleHandleA(nullptr);
    windowClass.hbrBackground = static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH));
    windowClass.lpszClassName = kFixtureClass;
    ::RegisterClassA(&windowClass);
    started.set_value(::GetCurrentThreadId());

    while (::GetMessageA(&message, nullptr, 0, 0) > 0) {
        if (message.hwnd == nullptr && message.message == kRunTasks) {
            std::unique_lock lock(mutex_);
            while (!tasks_.empty()) {
                auto task = std::move(tasks_.front());
                tasks_.pop_front();
                lock.unlock();
                task();
                lock.lock();
            }
            continue;
        }
        ::TranslateMessage(&message);
        ::DispatchMessageA(&message);
    }
    // Windows of this thread go with it; destroying them here keeps their messages in order.
    ::EnumThreadWindows(
        ::GetCurrentThreadId(), [](HWND w, LPARAM) { return ::DestroyWindow(w), TRUE; }, 0);
}

void FixtureThread::run(std::function<void()> task) {
    std::promise<void> done;
    auto finished = done.get_future();
    {
        std::lock_guard lock(mutex_);
        tasks_.push_back([&] {
            task();
            done.set_value();
        });
    }
    ::PostThreadMessageA(threadId_, kRunTasks, 0, 0);
    finished.get();
}

HWND FixtureThread::create(const FixtureSpec& spec) {
    HWND window = nullptr;
    run([&] {
        const DWORD style = spec.parent ? WS_CHILD | WS_CLIPSIBLINGS : WS_POPUP;
        const DWORD exStyle = spec.parent    ? 0
                              : spec.topmost ? WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE | WS_EX_TOPMOST
                                             : WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE;
        window = ::CreateWindowExA(exStyle, kFixtureClass, spec.title.c_str(), style, spec.rect.left,
                                   spec.rect.top, spec.rect.right - spec.rect.left,
                                   spec.rect.bottom - spec.rect.top, spec.parent, nullptr,
                                   ::GetModuleHandleA(nullptr), this);
        if (window && spec.visible) ::ShowWindow(window, SW_SHOWNOACTIVATE);
    });
    return window;
}

void FixtureThread::destroy(HWND window) {
    run([&] { ::DestroyWindow(window); });
}

void FixtureThread::move(HWND window, const RECT& rect) {
    run([&] {
        ::SetWindowPos(window, nullptr, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
                       SWP_NOZORDER | SWP_NOACTIVATE);
    });
}

std::vector<Clock::time_point> FixtureThread::textReads(HWND window) const {
    std::lock_guard lock(mutex_);
    auto found = textReads_.find(window);
    return found == textReads_.end() ? std::vector<Clock::time_point>{} : found->second;
}

std::size_t FixtureThread::totalTextReads() const {
    std::lock_guard lock(mutex_);
    return totalTextReads_;
}

void FixtureThread::recordTextRead(HWND window) {
    std::lock_guard lock(mutex_);
    textReads_[window].push_back(Clock::now());
    ++totalTextReads_;
}

LRESULT CALLBACK FixtureThread::windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
        ::SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    } else if (message == WM_GETTEXT) {
        if (auto* self = reinterpret_cast<FixtureThread*>(::GetWindowLongPtrA(window, GWLP_USERDATA))) {
            self->recordTextRead(window);
        }
    }
    return ::DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace tessavik::e2e
