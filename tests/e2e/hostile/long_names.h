#pragma once
// The long class names and titles of the hostile fixture, shared with the test that checks them.

#include <cstddef>
#include <string>

namespace tessavik::e2e {

// A GBK text of exactly `bytes` bytes: two-byte characters, and one ASCII letter if odd.
inline std::string gbkText(std::size_t bytes) {
    std::string text;
    while (text.size() + 2 <= bytes) text += "汉";
    if (text.size() < bytes) text += 'x';
    return text;
}

}  // namespace tessavik::e2e
