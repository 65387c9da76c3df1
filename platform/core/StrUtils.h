#pragma once
// Text helpers of the class library. Every text is UTF-8. Comparisons "without
// regard to case" fold only the letters A to Z, as the platform's CompareText.

#include <string>
#include <string_view>
#include <vector>

// Removes leading and trailing characters with codes 0 to 32.
std::string Trim(std::string_view s);
std::string TrimLeft(std::string_view s);
std::string TrimRight(std::string_view s);

// Compares folding A-Z only: <0, 0 or >0.
int CompareText(std::string_view a, std::string_view b);
bool SameText(std::string_view a, std::string_view b);
std::string UpperCase(std::string_view s);
std::string LowerCase(std::string_view s);

// Fills each "%s" of a format with the next argument, in order; "%%" gives "%".
// Missing arguments leave the placeholder empty.
std::string Format(std::string_view format, const std::vector<std::string>& args);

// The path helpers of the platform, on Windows paths ("\" separators; "/" is
// accepted as a separator too).
std::string ExtractFilePath(std::string_view path);  // folder part with trailing "\"
std::string ExtractFileDir(std::string_view path);   // folder part without trailing "\"
std::string ExtractFileName(std::string_view path);  // last component
std::string ExtractFileExt(std::string_view path);   // ".ext" of the last component
std::string ChangeFileExt(std::string_view path, std::string_view ext);
std::string IncludeTrailingBackslash(std::string_view path);
std::string ExcludeTrailingBackslash(std::string_view path);

// Characters (code points) of UTF-8 text, and the byte offset of the
// character at position chars (the end for positions past it).
std::size_t Utf8CharCount(std::string_view s);
std::size_t Utf8ByteOffset(std::string_view s, std::size_t chars);
