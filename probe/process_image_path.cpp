#include "probe/platform_objects.h"
#include "probe/probe.h"
#include "probe/text.h"

namespace tessavik {

std::string processImagePath(ProbePlatform& platform, std::uint32_t processId) {
    // A snapshot of process 0 would list this program's own modules, beside a process id of "0".
    if (processId == 0) return {};
    ModuleRecord record;
    const PlatformSnapshot snapshot(platform, kTh32csSnapModule, processId);
    // A failed read leaves the record zeroed, which gives the empty text.
    platform.Module32First(snapshot.get(), record);
    return bytesToText(record.exePath, sizeof record.exePath);
}

}  // namespace tessavik
