#include "tests/e2e/driver/child_process.h"

#include <psapi.h>

#include <algorithm>
#include <vector>

namespace tessavik::e2e {

std::string windowsPathOf(const std::string& unixPath) {
    std::string path = "Z:" + unixPath;
    std::replace(path.begin(), path.end(), '/', '\\');
    return path;
}

std::optional<ChildProcess> ChildProcess::launch(const std::string& exe, const std::string& arguments) {
    std::string commandLine = "\"" + exe + "\"";
    if (!arguments.empty()) commandLine += " " + arguments;
    std::vector<char> writable(commandLine.begin(), commandLine.end());
    writable.push_back('\0');
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    if (!::CreateProcessA(exe.c_str(), writable.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                          &startup, &info)) {
        return std::nullopt;
    }
    return ChildProcess(info);
}

ChildProcess::ChildProcess(PROCESS_INFORMATION info)
    : process_(info.hProcess), thread_(info.hThread), pid_(info.dwProcessId),
      startedAt_(std::chrono::steady_clock::now()) {}

ChildProcess& ChildProcess::operator=(ChildProcess&& other) noexcept {
    if (this != &other) {
        terminate();
        process_ = std::move(other.process_);
        thread_ = std::move(other.thread_);
        pid_ = other.pid_;
        startedAt_ = other.startedAt_;
    }
    return *this;
}

bool ChildProcess::isRunning() const {
    return process_ && ::WaitForSingleObject(process_.get(), 0) == WAIT_TIMEOUT;
}

std::optional<DWORD> ChildProcess::waitForExit(std::chrono::milliseconds timeout) const {
    if (!process_ ||
        ::WaitForSingleObject(process_.get(), static_cast<DWORD>(timeout.count())) != WAIT_OBJECT_0) {
        return std::nullopt;
    }
    DWORD code = 0;
    if (!::GetExitCodeProcess(process_.get(), &code)) return std::nullopt;
    return code;
}

void ChildProcess::terminate() {
    if (!isRunning()) return;
    ::TerminateProcess(process_.get(), 0xDEAD);
    ::WaitForSingleObject(process_.get(), 5000);
}

std::optional<std::size_t> ChildProcess::privateBytes() const {
    PROCESS_MEMORY_COUNTERS_EX counters{};
    counters.cb = sizeof counters;
    if (!::GetProcessMemoryInfo(process_.get(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters),
                                sizeof counters)) {
        return std::nullopt;
    }
    // Windows reports the commit charge in both fields; Wine 8 leaves PrivateUsage 0 for every
    // process and fills PagefileUsage only.
    return counters.PrivateUsage ? counters.PrivateUsage : counters.PagefileUsage;
}

std::optional<std::size_t> ChildProcess::peakWorkingSet() const {
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof counters;
    if (!::GetProcessMemoryInfo(process_.get(), &counters, sizeof counters)) return std::nullopt;
    return counters.PeakWorkingSetSize;
}

std::optional<double> ChildProcess::cpuSeconds() const {
    FILETIME created{}, exited{}, kernel{}, user{};
    if (!::GetProcessTimes(process_.get(), &created, &exited, &kernel, &user)) return std::nullopt;
    auto ticks = [](FILETIME t) {
        return static_cast<double>((static_cast<std::uint64_t>(t.dwHighDateTime) << 32) | t.dwLowDateTime);
    };
    return (ticks(kernel) + ticks(user)) / 1e7;  // FILETIME counts 100 ns
}

}  // namespace tessavik::e2e
