#pragma once
// The fonts of the controls.

#include <windows.h>

#include "platform/scoped_handles.h"
#include "ui/window_description.h"

namespace tessavik::ui {

// The stored LOGFONT fields with DEFAULT_CHARSET, default precisions, PROOF_QUALITY and
// DEFAULT_PITCH; an empty font when the system cannot make it.
platform::UniqueFont createControlFont(const FontSpec& spec);

HFONT defaultGuiFont();

}  // namespace tessavik::ui
