#pragma once
// Test doubles for the commands.
// FakeCommandPlatform scripts the system: one clipboard holding one CF_TEXT text, global blocks
// as byte strings, one failure switch per call. It records the calls it received, by name.
// Not modelled: other processes, other clipboard formats, real window procedures (the saved
// procedure is an opaque number), the message queue.
// RecordingControls keeps the boxes' texts, the timer period and the check state, and records
// the calls that change something.

#include <map>
#include <string>
#include <vector>

#include "commands/command_platform.h"
#include "ui/controls.h"

namespace tessavik::commands::testing {

struct SentMessage {
    std::string call;  // "SendMessageA" or "CallWindowProcA"
    WindowProcedure procedure = 0;
    ui::NativeWindow window = 0;
    unsigned message = 0;
    WParam w = 0;
    LParam l = 0;
    friend bool operator==(const SentMessage&, const SentMessage&) = default;
};

struct HotKeyCall {
    ui::NativeWindow owner = 0;
    int id = 0;
    unsigned modifiers = 0;
    unsigned virtualKey = 0;
    friend bool operator==(const HotKeyCall&, const HotKeyCall&) = default;
};

class FakeCommandPlatform final : public CommandPlatform {
  public:
    // --- script ---
    Point cursor{};
    bool failGlobalAlloc = false, failCopyToGlobal = false, failOpenClipboard = false,
         failEmptyClipboard = false, failSetClipboardData = false, failRegisterHotKey = false;
    WindowProcedure previousProcedure = 0x5150;
    LResult procedureResult = 77;

    // --- state and recording ---
    std::string clipboard = "old content";          // the bytes of the CF_TEXT item
    std::map<GlobalBlock, std::string> liveBlocks;  // allocated and not freed nor taken
    std::vector<std::string> calls;
    ui::NativeWindow clipboardOwner = 0;
    std::vector<ui::NativeWindow> installedOn;
    std::vector<HotKeyCall> hotKeys;
    std::vector<SentMessage> messages;
    int badFrees = 0;  // GlobalFree of a block that is not live: a double free or a taken block

    Point GetCursorPos() override {
        calls.push_back("GetCursorPos");
        return cursor;
    }
    bool OpenClipboard(ui::NativeWindow owner) override {
        calls.push_back("OpenClipboard");
        clipboardOwner = owner;
        return !failOpenClipboard;
    }
    bool EmptyClipboard() override {
        calls.push_back("EmptyClipboard");
        if (failEmptyClipboard)
            return false;
        clipboard.clear();
        return true;
    }
    bool SetClipboardData(GlobalBlock block) override {
        calls.push_back("SetClipboardData");
        if (failSetClipboardData)
            return false;
        clipboard = liveBlocks.at(block);
        liveBlocks.erase(block);
        return true;
    }
    bool CloseClipboard() override {
        calls.push_back("CloseClipboard");
        return true;
    }
    GlobalBlock GlobalAlloc(std::size_t bytes) override {
        calls.push_back("GlobalAlloc");
        if (failGlobalAlloc)
            return 0;
        const GlobalBlock block = nextBlock_++;
        liveBlocks[block] = std::string(bytes, '\0');
        return block;
    }
    bool copyToGlobal(GlobalBlock block, std::string_view bytes) override {
        calls.push_back("copyToGlobal");
        if (failCopyToGlobal)
            return false;
        liveBlocks.at(block).replace(0, bytes.size(), bytes);
        return true;
    }
    void GlobalFree(GlobalBlock block) override {
        calls.push_back("GlobalFree");
        if (liveBlocks.erase(block) == 0)
            ++badFrees;
    }
    bool RegisterHotKey(ui::NativeWindow owner, int id, unsigned modifiers,
                        unsigned virtualKey) override {
        calls.push_back("RegisterHotKey");
        hotKeys.push_back({owner, id, modifiers, virtualKey});
        return !failRegisterHotKey;
    }
    WindowProcedure installRelayProcedure(ui::NativeWindow owner) override {
        calls.push_back("installRelayProcedure");
        installedOn.push_back(owner);
        return previousProcedure;
    }
    LResult SendMessageA(ui::NativeWindow window, unsigned message, WParam w, LParam l) override {
        messages.push_back({"SendMessageA", 0, window, message, w, l});
        return 0;
    }
    LResult CallWindowProcA(WindowProcedure procedure, ui::NativeWindow window, unsigned message,
                            WParam w, LParam l) override {
        messages.push_back({"CallWindowProcA", procedure, window, message, w, l});
        return procedureResult;
    }

  private:
    GlobalBlock nextBlock_ = 0x100;
};

struct BalloonCall {
    std::string tip;
    int x = 0;
    int y = 0;
    std::string text;
    int iconIndex = 0;
    bool autoHide = false;
    friend bool operator==(const BalloonCall&, const BalloonCall&) = default;
};

class RecordingControls final : public ui::Controls {
  public:
    static constexpr ui::NativeWindow kMainWindowHandle = 0x10010;

    std::map<std::string, std::string, std::less<>> boxes;
    std::int32_t period = 0;
    int checked = 1;
    std::vector<std::int32_t> periodsSet;
    std::vector<std::pair<std::string, int>> onTopCalls;
    std::vector<BalloonCall> balloons;

    void setEditText(ui::ControlName box, std::string_view text) override {
        boxes[std::string(box)] = text;
    }
    std::string getEditText(ui::ControlName box) override {
        const auto it = boxes.find(box);
        return it == boxes.end() ? std::string() : it->second;
    }
    void setTimerPeriod(ui::ControlName timer, std::int32_t milliseconds) override {
        lastTimer = timer;
        periodsSet.push_back(milliseconds);
        period = milliseconds;
    }
    std::int32_t getTimerPeriod(ui::ControlName timer) override {
        lastTimer = timer;
        return period;
    }
    int isChecked(ui::ControlName box) override {
        lastCheckBox = box;
        return checked;
    }
    void setAlwaysOnTop(ui::ControlName window, int flag) override {
        onTopCalls.emplace_back(window, flag);
    }
    ui::NativeWindow windowHandle(ui::ControlName control) override {
        return control == ui::kMainWindow ? kMainWindowHandle : 0;
    }
    int popUpBalloon(ui::ControlName tip, int x, int y, std::string_view text, int iconIndex,
                     bool autoHide) override {
        balloons.push_back({std::string(tip), x, y, std::string(text), iconIndex, autoHide});
        return 1;
    }

    std::string lastTimer;
    std::string lastCheckBox;
};

}  // namespace tessavik::commands::testing
