#pragma once
// The fixture every e2e test starts from: a target window of the driver's own under the
// cursor, then the real program started. The program does not outlive the test.

#include <gtest/gtest.h>

#include <optional>

#include "tests/e2e/driver/fixture_thread.h"
#include "tests/e2e/driver/input.h"
#include "tests/e2e/driver/target_facts.h"
#include "tests/e2e/driver/tessavik_app.h"
#include "tests/e2e/driver/wait_until.h"
#include "tests/e2e/driver/window_query.h"

namespace tessavik::e2e {

inline constexpr RECT kTargetRect{40, 40, 340, 240};
inline constexpr char kTargetTitle[] = "e2e target";
inline constexpr char kTargetClass[] = "TessavikE2eTarget";
inline constexpr RECT kSecondTargetRect{40, 600, 340, 800};
inline constexpr char kSecondTargetTitle[] = "e2e second target";

class ProgramTest : public ::testing::Test {
protected:
    void SetUp() override {
        target_ = targets_.create({kTargetRect, kTargetTitle});
        ASSERT_NE(target_, nullptr);
        ASSERT_TRUE(moveCursor(targetPoint()));
        if (startsProgramInSetUp_) startProgram();
    }

    void startProgram() {
        app_ = TessavikApp::start();
        ASSERT_TRUE(app_) << "tessavik.exe did not show its main window: " << tessavikExePath();
    }

    POINT targetPoint() const { return centreOf(kTargetRect); }

    TargetFacts targetFacts(POINT cursor) const {
        return {target_, cursor, kTargetTitle, kTargetClass, ownImagePath()};
    }

    FieldTexts readFields() const {
        FieldTexts texts;
        for (auto box : kFieldBoxes) texts.emplace(box, app_->field(box));
        return texts;
    }

    // Waits until all fourteen fields read as expected; false on time-out.
    bool waitForFields(const FieldTexts& expected, std::chrono::milliseconds timeout = kStateTimeout) const {
        return waitUntil([&] { return readFields() == expected; }, timeout, 20ms);
    }

    // Waits until the program has shown `window` in the handle field.
    bool waitForTarget(HWND window, std::chrono::milliseconds timeout = kStateTimeout) const {
        return app_->waitForField("编辑框_句柄", handleText(window), timeout);
    }

    // True once `window` has gone `quiet` without a text read, i.e. the program stopped ticking.
    bool waitForNoTicks(HWND window, std::chrono::milliseconds quiet = 800ms) const {
        return waitUntil(
            [&] {
                const auto reads = targets_.textReads(window);
                return !reads.empty() && Clock::now() - reads.back() > quiet;
            },
            kStateTimeout + quiet);
    }

    // A second target beside the first, for the cursor to move to.
    HWND createSecondTarget() { return targets_.create({kSecondTargetRect, kSecondTargetTitle}); }

    bool startsProgramInSetUp_ = true;
    FixtureThread targets_;
    HWND target_ = nullptr;
    std::optional<TessavikApp> app_;
};

// Prints the fields side by side with what was expected, for a failure message.
inline std::string describe(const FieldTexts& actual, const FieldTexts& expected) {
    std::string out;
    for (const auto& [box, want] : expected) {
        auto found = actual.find(box);
        const std::string got = found == actual.end() ? "<missing>" : found->second;
        out += box + ": \"" + got + "\"" + (got == want ? "" : "  expected \"" + want + "\"") + "\n";
    }
    return out;
}

}  // namespace tessavik::e2e
