#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "probe/probe.h"
#include "tests/support/case_name.h"
#include "tests/support/fake_desktop.h"

namespace tessavik {
namespace {

constexpr std::uint32_t kProcess = 88;
const std::string kPath259 = "C:\\" + std::string(256, 'p');

struct PathCase {
    const char* name;
    std::uint32_t processId;
    bool moduleReadFails;
    std::string expected;
    std::vector<std::string> expectedCalls;
};

const PathCase kPathCases[] = {
    // Process 0 would be a snapshot of this program itself: no snapshot is taken.
    {"ProcessZeroTakesNoSnapshot", 0, false, "", {}},
    {"PathOf259BytesIsWhole", kProcess, false, kPath259,
     {"CreateToolhelp32Snapshot(8, 88)", "Module32First(3001)", "CloseHandle(3001)"}},
    {"FailedSnapshotIsClosedToo", 99, false, "",
     {"CreateToolhelp32Snapshot(8, 99)", "Module32First(-1)", "CloseHandle(-1)"}},
    {"FailedModuleReadGivesEmptyAndCloses", kProcess, true, "",
     {"CreateToolhelp32Snapshot(8, 88)", "Module32First(3001)", "CloseHandle(3001)"}},
};

class ProcessImagePath : public testing::TestWithParam<PathCase> {};

TEST_P(ProcessImagePath, ReadsTheFirstModuleAndAlwaysCloses) {
    const PathCase& c = GetParam();
    FakeDesktop desktop;
    desktop.addProcess(kProcess, kPath259);
    desktop.addProcess(FakeDesktop::kOwnProcessId, "C:\\tessavik.exe");
    if (c.moduleReadFails) desktop.failAlways(FakeOp::Module32First);

    EXPECT_EQ(processImagePath(desktop, c.processId), c.expected);
    EXPECT_EQ(desktop.calls(), c.expectedCalls);
    EXPECT_EQ(desktop.liveSnapshots(), 0u);
    EXPECT_EQ(desktop.counts().badReleases, 0);
}

INSTANTIATE_TEST_SUITE_P(Cases, ProcessImagePath, testing::ValuesIn(kPathCases), CaseName());

}  // namespace
}  // namespace tessavik
