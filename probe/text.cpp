#include "probe/text.h"

#include <cstdio>
#include <cstring>

namespace tessavik {

std::string intToText(std::int32_t value) {
    char buffer[16];
    const int n = std::snprintf(buffer, sizeof buffer, "%d", static_cast<int>(value));
    return std::string(buffer, static_cast<std::size_t>(n));
}

std::string realToText(double value) {
    char buffer[32];
    const int n = std::snprintf(buffer, sizeof buffer, "%.13g", value);
    return std::string(buffer, static_cast<std::size_t>(n));
}

std::string bytesToText(const char* bytes, std::size_t n) {
    const void* zero = std::memchr(bytes, 0, n);
    const std::size_t length = zero ? static_cast<std::size_t>(static_cast<const char*>(zero) - bytes) : n;
    return std::string(bytes, length);
}

std::string concatTexts(std::initializer_list<std::string_view> parts) {
    std::size_t total = 0;
    for (std::string_view part : parts) total += part.size();
    std::string text;
    text.reserve(total);
    for (std::string_view part : parts) text.append(part);
    return text;
}

}  // namespace tessavik
