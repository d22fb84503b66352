#pragma once
// A FieldSink that keeps every (field, text) write in order, for tests on Linux and under Wine.

#include <cstddef>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "probe/info_field.h"

namespace tessavik {

struct FieldWrite {
    InfoField field;
    std::string text;
    friend bool operator==(const FieldWrite&, const FieldWrite&) = default;
    friend std::ostream& operator<<(std::ostream& out, const FieldWrite& w) {
        return out << "#" << static_cast<int>(w.field) << " " << infoFieldBox(w.field) << " = \"" << w.text << "\"";
    }
};

class RecordingFieldSink : public FieldSink {
public:
    void setField(InfoField field, std::string_view text) override { writes_.push_back({field, std::string(text)}); }

    const std::vector<FieldWrite>& writes() const { return writes_; }
    void clear() { writes_.clear(); }

    // The last text written to the field, or the empty text when it was never written.
    std::string textOf(InfoField field) const {
        for (auto it = writes_.rbegin(); it != writes_.rend(); ++it)
            if (it->field == field) return it->text;
        return {};
    }

private:
    std::vector<FieldWrite> writes_;
};

}  // namespace tessavik
