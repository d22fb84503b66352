#pragma once
// A Windows process started by the driver. Whatever happens in a test, the process does not
// outlive its ChildProcess: the destructor terminates it if it still runs.

#include <windows.h>

#include <chrono>
#include <optional>
#include <string>

#include "platform/scoped_handles.h"

namespace tessavik::e2e {

// A Unix path as Wine maps it for Windows programs (the Z: drive is the Unix root).
std::string windowsPathOf(const std::string& unixPath);

class ChildProcess {
public:
    // CreateProcess of `exe` (a Windows path) with the arguments; nullopt when it cannot start.
    static std::optional<ChildProcess> launch(const std::string& exe, const std::string& arguments = {});

    ChildProcess(ChildProcess&&) noexcept = default;
    ChildProcess& operator=(ChildProcess&& other) noexcept;
    ~ChildProcess() { terminate(); }

    DWORD pid() const { return pid_; }
    HANDLE handle() const { return process_.get(); }
    std::chrono::steady_clock::time_point startedAt() const { return startedAt_; }
    bool isRunning() const;
    // The exit code once the process has ended within `timeout`.
    std::optional<DWORD> waitForExit(std::chrono::milliseconds timeout) const;
    void terminate();

    // GetProcessMemoryInfo: private bytes (the commit charge) and the peak working set.
    std::optional<std::size_t> privateBytes() const;
    std::optional<std::size_t> peakWorkingSet() const;
    // GetProcessTimes: user plus kernel time so far, in seconds.
    std::optional<double> cpuSeconds() const;

private:
    ChildProcess(PROCESS_INFORMATION info);

    platform::UniqueKernelHandle process_;
    platform::UniqueKernelHandle thread_;
    DWORD pid_ = 0;
    std::chrono::steady_clock::time_point startedAt_;
};

}  // namespace tessavik::e2e
