#pragma once
// Text conversion at the seam: UTF-8 inside the program, UTF-16 for the W
// functions of Windows.

#include <string>
#include <string_view>

namespace win32 {

std::wstring Widen(std::string_view utf8);
std::string Narrow(std::wstring_view utf16);
// The text up to the first NUL of a buffer the system filled.
std::string NarrowBuffer(const wchar_t* buffer);

}  // namespace win32
