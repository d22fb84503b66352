#include "ui/label_format.h"

namespace tessavik::ui {

std::uint32_t labelDrawTextFlags(HorizontalAlign align, bool wordWrap) {
    std::uint32_t flags = kDtNoClip;
    switch (align) {
        case HorizontalAlign::Left:
            flags |= kDtLeft;
            break;
        case HorizontalAlign::Centre:
            flags |= kDtCenter;
            break;
        case HorizontalAlign::Right:
            flags |= kDtRight;
            break;
    }
    return flags | (wordWrap ? kDtWordBreak | kDtVCenter : kDtSingleLine | kDtVCenter);
}

}  // namespace tessavik::ui
