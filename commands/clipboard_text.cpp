#include "commands/command_platform.h"
#include "commands/commands.h"

namespace tessavik::commands {

namespace {

// Frees the block at the end of the scope unless the clipboard took it over.
class OwnedBlock {
  public:
    OwnedBlock(CommandPlatform& platform, GlobalBlock block) : platform_(platform), block_(block) {}
    ~OwnedBlock() {
        if (block_ != 0)
            platform_.GlobalFree(block_);
    }
    OwnedBlock(const OwnedBlock&) = delete;
    OwnedBlock& operator=(const OwnedBlock&) = delete;
    GlobalBlock get() const { return block_; }
    void release() { block_ = 0; }

  private:
    CommandPlatform& platform_;
    GlobalBlock block_;
};

}  // namespace

// The block is made and filled before the clipboard is opened, so that a failed allocation
// leaves the user's clipboard as it was. Once EmptyClipboard has run, a failing
// SetClipboardData cannot bring the old content back.
int setClipboardText(CommandPlatform& platform, ui::NativeWindow owner, std::string_view text) {
    OwnedBlock block(platform, platform.GlobalAlloc(text.size() + 1));  // zero-filled: ends in 0
    if (block.get() == 0 || !platform.copyToGlobal(block.get(), text))
        return 0;
    // With no owner window, EmptyClipboard leaves the clipboard ownerless and SetClipboardData
    // fails.
    if (!platform.OpenClipboard(owner))
        return 0;
    int result = 0;
    if (platform.EmptyClipboard() && platform.SetClipboardData(block.get())) {
        block.release();  // the clipboard owns the block now
        result = 1;
    }
    platform.CloseClipboard();
    return result;
}

}  // namespace tessavik::commands
