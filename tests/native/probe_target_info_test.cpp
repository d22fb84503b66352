#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "probe/probe.h"
#include "tests/support/case_name.h"
#include "tests/support/fake_desktop.h"
#include "tests/support/recording_field_sink.h"

namespace tessavik {
namespace {

constexpr WindowHandle kTarget = 0x1234;  // 4660
constexpr std::uint32_t kThread = 77;
constexpr std::uint32_t kProcess = 88;

FakeWindow notepad() {
    return FakeWindow{.handle = kTarget,
                      .rect = {-8, 20, 600, 400},
                      .text = "无标题 - 记事本",
                      .className = "Notepad",
                      .threadId = kThread,
                      .processId = kProcess};
}

struct ProbeFixture : testing::Test {
    ProbeFixture() {
        desktop.addProcess(kProcess, "C:\\Windows\\notepad.exe");
        desktop.setCursor(Point{100, 50});
    }
    void showInfoOf(WindowHandle window) {
        state.targetWindow = window;
        showTargetInfo(desktop, sink, state);
    }
    FakeDesktop desktop;
    RecordingFieldSink sink;
    Rect targetRect;
    ProbeState state{0, targetRect};
};

using ProbeTick = ProbeFixture;

TEST_F(ProbeTick, WritesTheFourteenFieldsInOrderThenFlashesTheFrame) {
    desktop.addWindow(notepad());
    probeTick(desktop, sink, state);

    EXPECT_EQ(state.targetWindow, kTarget);
    const std::vector<FieldWrite> expected = {
        {InfoField::Handle, "4660"},
        {InfoField::Title, "无标题 - 记事本"},
        {InfoField::ClassName, "Notepad"},
        {InfoField::CursorPos, "X=100 | Y=50"},
        {InfoField::CursorRelative, "左:100 右:30"},
        {InfoField::Parent, "0"},
        {InfoField::Root, "4660"},
        {InfoField::ThreadId, "77"},
        {InfoField::ProcessId, "88"},
        {InfoField::ProcessPath, "C:\\Windows\\notepad.exe"},
        {InfoField::Top, "20"},
        {InfoField::Left, "0"},
        {InfoField::Height, "380"},
        {InfoField::Width, "600"},
    };
    EXPECT_EQ(sink.writes(), expected);
    EXPECT_EQ(targetRect, (Rect{0, 20, 600, 400}));
    EXPECT_EQ(desktop.counts().sleptMilliseconds, 200);
    EXPECT_EQ(desktop.counts().pensCreated, 1);
}

TEST_F(ProbeTick, NoWindowUnderTheCursorWritesNothingAndDrawsNothing) {
    desktop.addWindow(notepad());
    state.targetWindow = kTarget;
    desktop.setCursor(Point{700, 50});
    probeTick(desktop, sink, state);

    EXPECT_EQ(state.targetWindow, 0u);
    EXPECT_TRUE(sink.writes().empty());
    EXPECT_EQ(desktop.counts().sleeps, 0);
    EXPECT_EQ(desktop.counts().dcsGot, 0);
}

using ShowTargetInfo = ProbeFixture;

TEST_F(ShowTargetInfo, AsksTheSystemAnewForEveryFieldInOrder) {
    desktop.addWindow(notepad());
    showInfoOf(kTarget);
    const std::vector<std::string> expected = {
        "IsWindow(4660)",
        "SendGetTextLength(4660)",
        "SendGetText(4660, 16)",  // 15 GBK bytes and the terminating zero
        "GetClassNameA(4660, 259)",
        "GetCursorPos()",
        "GetCursorPos()",
        "GetWindowRect(4660)",
        "GetCursorPos()",
        "GetCursorPos()",
        "GetParent(4660)",
        "GetAncestor(4660, 2)",
        "GetWindowThreadProcessId(4660)",
        "GetWindowThreadProcessId(4660)",
        "GetWindowThreadProcessId(4660)",
        "CreateToolhelp32Snapshot(8, 88)",
        "Module32First(3001)",
        "CloseHandle(3001)",
    };
    EXPECT_EQ(desktop.calls(), expected);
}

TEST_F(ShowTargetInfo, VanishedWindowFallsBackAndKeepsTheLastRectangle) {
    targetRect = {10, 20, 110, 220};
    desktop.setCursor(Point{50, 60});
    showInfoOf(555);

    const std::vector<FieldWrite> expected = {
        {InfoField::Handle, "555"},     {InfoField::Title, ""},          {InfoField::ClassName, ""},
        {InfoField::CursorPos, "X=50 | Y=60"}, {InfoField::CursorRelative, "左:40 右:40"},
        {InfoField::Parent, "0"},       {InfoField::Root, "0"},          {InfoField::ThreadId, "0"},
        {InfoField::ProcessId, "0"},    {InfoField::ProcessPath, ""},    {InfoField::Top, "20"},
        {InfoField::Left, "10"},        {InfoField::Height, "200"},      {InfoField::Width, "100"},
    };
    EXPECT_EQ(sink.writes(), expected);
    EXPECT_EQ(targetRect, (Rect{10, 20, 110, 220}));
    EXPECT_EQ(desktop.counts().snapshotsOpened + desktop.counts().invalidSnapshotsClosed, 0);
}

struct FieldCase {
    const char* name;
    std::function<void(FakeWindow&, FakeDesktop&)> script;
    InfoField field;
    std::string expected;
};

const FieldCase kFieldCases[] = {
    {"CursorLeftOfThePrimaryMonitor", [](FakeWindow&, FakeDesktop& d) { d.setCursor(Point{-120, 45}); },
     InfoField::CursorPos, "X=-120 | Y=45"},
    {"UnreadableCursorCountsAsOrigin", [](FakeWindow&, FakeDesktop& d) { d.setCursor(std::nullopt); },
     InfoField::CursorPos, "X=0 | Y=0"},
    {"UnreadableCursorMeasuredFromTheOrigin", [](FakeWindow&, FakeDesktop& d) { d.setCursor(std::nullopt); },
     InfoField::CursorRelative, "左:0 右:-20"},
    {"HandleShownSignedDecimal", [](FakeWindow& w, FakeDesktop&) { w.handle = 0xFFFFFFFE; }, InfoField::Handle, "-2"},
    {"RootOfTopLevelIsItself", [](FakeWindow& w, FakeDesktop&) { w.handle = 0x80000000; }, InfoField::Root,
     "-2147483648"},
    {"ThreadIdShownSignedDecimal", [](FakeWindow& w, FakeDesktop&) { w.threadId = 0xFFFFFFFF; }, InfoField::ThreadId,
     "-1"},
    {"ParentOfAnOwnedWindowIsItsOwner", [](FakeWindow& w, FakeDesktop&) { w.owner = 0x00020010; },
     InfoField::Parent, "131088"},
    {"TitleOf300BytesIsWhole", [](FakeWindow& w, FakeDesktop&) { w.text = std::string(300, 'T'); },
     InfoField::Title, std::string(300, 'T')},
    {"ClassNameCutTo258Bytes", [](FakeWindow& w, FakeDesktop&) { w.className = std::string(300, 'C'); },
     InfoField::ClassName, std::string(258, 'C')},
    {"ClassNameOf258BytesIsWhole", [](FakeWindow& w, FakeDesktop&) { w.className = std::string(258, 'C'); },
     InfoField::ClassName, std::string(258, 'C')},
    {"MaximisedWindowLeftClamped", [](FakeWindow& w, FakeDesktop&) { w.rect = {-8, -8, 1288, 1032}; },
     InfoField::Left, "0"},
    {"MaximisedWindowTopClamped", [](FakeWindow& w, FakeDesktop&) { w.rect = {-8, -8, 1288, 1032}; },
     InfoField::Top, "0"},
    {"MaximisedWindowWidthCut", [](FakeWindow& w, FakeDesktop&) { w.rect = {-8, -8, 1288, 1032}; },
     InfoField::Width, "1288"},
    {"MaximisedWindowHeightCut", [](FakeWindow& w, FakeDesktop&) { w.rect = {-8, -8, 1288, 1032}; },
     InfoField::Height, "1032"},
    {"WindowLeftOfTheOriginHasANegativeWidth", [](FakeWindow& w, FakeDesktop&) { w.rect = {-500, 10, -100, 50}; },
     InfoField::Width, "-100"},
    {"WindowOfTheLargestSpanHasItsWidthWithoutWrap",
     [](FakeWindow& w, FakeDesktop&) { w.rect = {0, 0, 2147483647, 10}; }, InfoField::Width, "2147483647"},
    {"UnknownProcessHasNoPath", [](FakeWindow& w, FakeDesktop&) { w.processId = 99; }, InfoField::ProcessPath, ""},
};

class ShowTargetInfoField : public testing::TestWithParam<FieldCase> {};

TEST_P(ShowTargetInfoField, ShowsTheFieldText) {
    const FieldCase& c = GetParam();
    FakeDesktop desktop;
    desktop.addProcess(kProcess, "C:\\Windows\\notepad.exe");
    desktop.setCursor(Point{100, 50});
    FakeWindow target = notepad();
    c.script(target, desktop);
    desktop.addWindow(target);
    RecordingFieldSink sink;
    Rect targetRect;
    ProbeState state{target.handle, targetRect};

    showTargetInfo(desktop, sink, state);
    ASSERT_EQ(sink.writes().size(), kInfoFieldCount);
    EXPECT_EQ(sink.textOf(c.field), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, ShowTargetInfoField, testing::ValuesIn(kFieldCases), CaseName());

// A broken or hung window must neither make the probe read a huge buffer nor read at all.
struct TitleLengthCase {
    const char* name;
    std::optional<std::int64_t> reportedLength;  // nullopt: no answer in time
    std::size_t textBytes;
    std::size_t expectedTitleBytes;
    std::optional<std::size_t> expectedCapacity;  // nullopt: no WM_GETTEXT at all
};

const TitleLengthCase kTitleLengthCases[] = {
    {"NoText", 0, 0, 0, std::nullopt},
    {"NegativeLengthReadsNothing", -1, 10, 0, std::nullopt},
    {"HugeLengthReadsAt64KiB", 0x7FFFFFFF, 70000, 65535, 65536},
    {"LengthBeyond32BitsReadsAt64KiB", std::int64_t{1} << 40, 70000, 65535, 65536},
    {"ExactlyTheCap", 65535, 65535, 65535, 65536},
    {"NoAnswerInTime", std::nullopt, 10, 0, std::nullopt},
};

class TitleLength : public testing::TestWithParam<TitleLengthCase> {};

TEST_P(TitleLength, BoundsTheTextRead) {
    const TitleLengthCase& c = GetParam();
    FakeDesktop desktop;
    FakeWindow target = notepad();
    target.text = std::string(c.textBytes, 'a');
    target.reportedTextLength = c.reportedLength;
    desktop.addWindow(target);
    if (!c.reportedLength) desktop.failAlways(FakeOp::SendGetTextLength);
    RecordingFieldSink sink;
    Rect targetRect;
    ProbeState state{kTarget, targetRect};

    showTargetInfo(desktop, sink, state);
    EXPECT_EQ(sink.textOf(InfoField::Title).size(), c.expectedTitleBytes);
    std::vector<std::string> reads;
    for (const std::string& call : desktop.calls())
        if (call.starts_with("SendGetText(")) reads.push_back(call);
    std::vector<std::string> expectedReads;
    if (c.expectedCapacity) expectedReads.push_back("SendGetText(4660, " + std::to_string(*c.expectedCapacity) + ")");
    EXPECT_EQ(reads, expectedReads);
}

INSTANTIATE_TEST_SUITE_P(Cases, TitleLength, testing::ValuesIn(kTitleLengthCases), CaseName());

}  // namespace
}  // namespace tessavik
