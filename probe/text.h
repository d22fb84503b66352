#pragma once
// The shared text helpers. Texts are narrow (GBK) byte strings; the empty text and a missing
// text mean the same.

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

namespace tessavik {

// "%d": decimal digits with a leading '-' for negatives, no padding, no grouping.
std::string intToText(std::int32_t value);

// "%.13g": at most 13 significant digits, no trailing zeros or point.
std::string realToText(double value);

// The bytes before the first zero byte, or all n bytes when there is none.
std::string bytesToText(const char* bytes, std::size_t n);

// The parts joined in order into one new text.
std::string concatTexts(std::initializer_list<std::string_view> parts);

}  // namespace tessavik
