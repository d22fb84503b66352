// The real program against windows that misbehave: for each, the fields show what the design
// says, the program goes on ticking and follows the cursor to a normal window afterwards, and
// at the end it still copies, pauses and ends with code 0. No crash, no freeze, no error box.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <iostream>

#include "tests/e2e/driver/balloon_tip.h"
#include "tests/e2e/driver/hostile_process.h"
#include "tests/e2e/hostile/long_names.h"
#include "tests/e2e/program_test.h"

namespace tessavik::e2e {
namespace {

constexpr char kHostileClass[] = "TessavikHostile";
constexpr RECT kHostileRect{600, 20, 1000, 300};  // clear of the main window and the normal target

bool isPrefixOf(const std::string& text, const std::string& of) {
    return !text.empty() && of.compare(0, text.size(), text) == 0;
}

// Bytes as C escapes beyond ASCII, with their count, for the log.
std::string printable(const std::string& bytes) {
    std::string out = "\"";
    for (char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        char hex[8];
        std::snprintf(hex, sizeof hex, "\\x%02X", b);
        out += b >= 0x20 && b < 0x7F ? std::string(1, static_cast<char>(b)) : std::string(hex);
    }
    return out + "\" (" + std::to_string(bytes.size()) + " bytes)";
}

enum class Target { Window, SmallestChild, Gone };

struct HostileCase {
    const char* mode;
    RECT rect;
    Target target;
    std::string title;                                   // what the title field shows
    std::string className = kHostileClass;               // what the class field shows
    std::function<bool(const std::string&)> titleCheck = nullptr;  // instead of `title` where set
    DWORD exitCode = 0;                                  // for a window that takes its process along
    POINT cursor{-1, -1};  // where the cursor goes, if not the centre of the window's visible part
};

std::vector<HostileCase> hostileCases() {
    auto onlyAs = [](std::size_t most) {
        return [most](const std::string& t) {
            return !t.empty() && t.size() <= most && t.find_first_not_of('A') == std::string::npos;
        };
    };
    return {
        {"hang-sleep", kHostileRect, Target::Window, ""},
        {"hang-spin", kHostileRect, Target::Window, ""},
        {"length-minus-one", kHostileRect, Target::Window, ""},
        {"length-huge", kHostileRect, Target::Window, "hostile length-huge"},
        {"length-short", kHostileRect, Target::Window, "",
         kHostileClass, [](const std::string& t) { return isPrefixOf(t, "hostile length-short"); }},
        {"no-terminator", kHostileRect, Target::Window, "", kHostileClass, onlyAs(20)},
        {"invalid-gbk", kHostileRect, Target::Window, "",
         kHostileClass, [](const std::string& t) { return t.rfind("AB", 0) == 0; }},
        {"names-258", kHostileRect, Target::Window, gbkText(258), gbkText(258)},
        {"names-259", kHostileRect, Target::Window, gbkText(259), gbkText(258)},
        {"names-300", kHostileRect, Target::Window, gbkText(300), gbkText(258)},
        {"plain", RECT{-200, -150, 30, 30}, Target::Window, "hostile plain"},
        {"plain", RECT{-50000, -50000, 50000, 50000}, Target::Window, "hostile plain",
         kHostileClass, nullptr, 0, POINT{1100, 150}},
        {"zero-size-child", kHostileRect, Target::Window, "hostile zero-size-child"},
        {"many-children", RECT{600, 20, 1200, 420}, Target::SmallestChild, "child"},
        {"destroy-on-gettext", kHostileRect, Target::Gone, "", kHostileClass, nullptr, 5},
        {"exit-on-gettext", kHostileRect, Target::Gone, "", kHostileClass, nullptr, 7},
    };
}

// The visible part's centre, where the cursor goes.
POINT visibleCentre(const RECT& r) {
    const RECT screen{0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)};
    RECT visible{};
    ::IntersectRect(&visible, &r, &screen);
    return centreOf(visible);
}

// Of the children that contain `p`, the one of smallest area.
HWND smallestChildAt(HWND parent, POINT p) {
    HWND best = nullptr;
    long long bestArea = 0;
    for (HWND c : descendantsOf(parent)) {
        const RECT r = windowRect(c);
        if (!::PtInRect(&r, p)) continue;
        const long long area = static_cast<long long>(r.right - r.left) * (r.bottom - r.top);
        if (!best || area < bestArea) best = c, bestArea = area;
    }
    return best;
}

class HostileTest : public ProgramTest {
protected:
    HostileTest() { startsProgramInSetUp_ = false; }

    void SetUp() override {
        ProgramTest::SetUp();
        // The normal window to come back to lies above anything a hostile window covers.
        targets_.destroy(target_);
        target_ = targets_.create({kTargetRect, kTargetTitle, nullptr, true, true});
        startProgram();
    }

    // The program's visible top-level windows other than the main window and its tip: an error
    // box would be one.
    std::vector<std::string> strayWindows() const {
        std::vector<std::string> stray;
        for (HWND w : topLevelWindowsOf(app_->process().pid())) {
            if (w != app_->window() && ::IsWindowVisible(w) && className(w) != kBalloonClass) {
                stray.push_back(className(w));
            }
        }
        return stray;
    }

    // Waits for the fields one by one. A tick over 10,000 siblings keeps the program from
    // answering for seconds (under Wine each sibling costs a server round trip), so fourteen
    // reads in a row may never all fall between two ticks.
    bool fieldsShow(const FieldTexts& expected, const std::function<bool(const std::string&)>& titleCheck,
                    std::chrono::milliseconds timeout) const {
        const auto deadline = Clock::now() + timeout;
        for (const auto& [box, want] : expected) {
            const bool byCheck = titleCheck && box == "编辑框_标题";
            auto shows = [&] {
                const std::string got = app_->field(box);
                return byCheck ? titleCheck(got) : got == want;
            };
            const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
            if (!waitUntil(shows, std::max(left, 0ms), 20ms)) return false;
        }
        return true;
    }

    void runCase(const HostileCase& c);
    void expectResponsiveAndClose();
};

void HostileTest::runCase(const HostileCase& c) {
    auto hostile = startHostile(c.mode, c.rect);
    ASSERT_TRUE(hostile) << "the fixture did not put up its window";
    const POINT cursor = c.cursor.x >= 0 ? c.cursor : visibleCentre(windowRect(hostile->window));
    ASSERT_TRUE(moveCursor(cursor));

    if (c.target == Target::Gone) {
        EXPECT_EQ(hostile->process.waitForExit(15s), std::optional<DWORD>(c.exitCode))
            << "the program did not read the window's text as often as expected";
    } else {
        HWND window = c.target == Target::SmallestChild ? smallestChildAt(hostile->window, cursor) : hostile->window;
        const FieldTexts expected =
            expectedFields({window, cursor, c.title, c.className, hostileExePath()});
        const auto placedAt = Clock::now();
        EXPECT_TRUE(fieldsShow(expected, c.titleCheck, 30s)) << describe(readFields(), expected);
        std::cout << c.mode << ": fields shown after "
                  << std::chrono::duration<double>(Clock::now() - placedAt).count() << " s, title field "
                  << printable(app_->field("编辑框_标题")) << "\n";

        // Still ticking while over it: the position field follows a small move.
        const POINT moved{cursor.x + 3, cursor.y + 2};
        ASSERT_TRUE(moveCursor(moved));
        const auto movedAt = Clock::now();
        EXPECT_TRUE(app_->waitForField("编辑框_鼠标位置",
                                       "X=" + std::to_string(moved.x) + " | Y=" + std::to_string(moved.y), 30s))
            << "the program stopped ticking over the window";
        std::cout << c.mode << ": a small move shown after "
                  << std::chrono::duration<double>(Clock::now() - movedAt).count() << " s\n";
    }

    // And it follows the cursor to a normal window, with the hostile one still up.
    const auto movedAt = Clock::now();
    ASSERT_TRUE(moveCursor(targetPoint()));
    EXPECT_TRUE(waitForTarget(target_, 10s)) << "the program did not come back to a normal window";
    const double seconds = std::chrono::duration<double>(Clock::now() - movedAt).count();
    std::cout << c.mode << ": back on a normal window after " << seconds << " s\n";
    EXPECT_LT(seconds, 3.0);
    EXPECT_TRUE(app_->process().isRunning());
    EXPECT_EQ(strayWindows(), std::vector<std::string>{});
}

void HostileTest::expectResponsiveAndClose() {
    // A double-click is answered: the tip confirms the copy.
    const POINT box = app_->pointIn("编辑框_进程ID");
    ASSERT_TRUE(moveCursor(box));
    doubleClick(box);
    EXPECT_TRUE(waitUntil([&] { return balloonShows(app_->process().pid()); })) << "no tip after a double-click";

    // Esc pauses: the normal target's reads stop. A second Esc resumes them.
    ASSERT_TRUE(moveCursor(targetPoint()));
    ASSERT_TRUE(waitForTarget(target_));
    pressKey(VK_ESCAPE);
    EXPECT_TRUE(waitForNoTicks(target_)) << "Esc did not pause";
    const std::size_t paused = targets_.textReadCount(target_);
    pressKey(VK_ESCAPE);
    EXPECT_TRUE(waitUntil([&] { return targets_.textReadCount(target_) > paused; })) << "Esc did not resume";

    EXPECT_EQ(app_->close(), std::optional<DWORD>(0));
}

TEST_F(HostileTest, ProgramSurvivesEveryHostileWindowAndStillAnswers) {
    for (const auto& c : hostileCases()) {
        SCOPED_TRACE(std::string(c.mode) + " at " + std::to_string(c.rect.left) + "," + std::to_string(c.rect.top));
        runCase(c);
        if (!app_->process().isRunning()) {
            ADD_FAILURE() << "the program ended; starting it again for the next case";
            startProgram();
        }
    }
    expectResponsiveAndClose();
}

}  // namespace
}  // namespace tessavik::e2e
