#pragma once
// The information fields written into the main window's edit boxes of the same names.

#include "probe/info_field.h"
#include "ui/controls.h"

namespace tessavik::app {

class ControlsFieldSink final : public FieldSink {
  public:
    explicit ControlsFieldSink(ui::Controls& controls) : controls_(controls) {}
    void setField(InfoField field, std::string_view text) override {
        controls_.setEditText(infoFieldBox(field), text);
    }

  private:
    ui::Controls& controls_;
};

}  // namespace tessavik::app
