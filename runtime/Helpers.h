#pragma once
// File, path and text helpers of the runtime package, the package's critical
// error, CaseError and the registry of unit version lines.
//
// Paths are Windows paths: "\" separators ("/" is accepted as well), a drive
// "C:" or a UNC share "\\server\share" at the front. Folders are returned
// without a trailing backslash, except a root ("C:\"), which needs it.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/core/Exceptions.h"

// An error that the program cannot sensibly go on from: misuse of a
// component or an impossible state.
class ECriticalError : public Exception {
  public:
    using Exception::Exception;
};

// Raises ECriticalError "Case error" (with ": where" when given) for a value
// that no branch of a decision expects, such as an enumeration value outside
// its type.
[[noreturn]] void CaseError(std::string_view where = {});

// Records the version line of a unit once; a line given again is ignored.
// Returns true when the line was new.
bool UnitVersion(const std::string& header);
// The recorded lines, in the order they were first given.
const std::vector<std::string>& UnitVersions();

// S with every occurrence of oldText replaced by newText, left to right and
// without rescanning replaced text; an empty oldText changes nothing.
std::string ReplaceAll(std::string_view s, std::string_view oldText, std::string_view newText);

// The folder of the running program and the Windows directory.
std::string GetApplicationDir();
std::string GetWindowsDir();

// Drops one final "\" (or "/"); a root keeps its backslash ("C:\", "\").
std::string RemoveBackslash(std::string_view path);

// name as a full path in dir: a name that is already absolute (a drive, a
// UNC share, or a leading "\") is taken as it is; otherwise it is appended to
// dir, which may or may not end in "\" (a bare drive "C:" means its root).
// In the result "/" becomes "\", "." and ".." components are resolved (".."
// never climbs above the drive or share), and a trailing "\" is dropped
// unless the result is a root. An empty name gives dir itself.
std::string ExpandFileNameByDir(std::string_view name, std::string_view dir);
// name in the program's folder (ExpandFileNameByDir with GetApplicationDir).
std::string ExpandApplicationDir(std::string_view name);

// A display form of path with at most maxLen characters (UTF-8 characters,
// never a byte sequence split):
//   1. a path that fits is returned unchanged;
//   2. otherwise its head (drive "C:\", share "\\server\share\", or a
//      leading "\"), then "...\", then as many of its last components as fit,
//      at least one: "C:\...\Borland\Delphi 5\Bin";
//   3. when even the head with the last component does not fit: "...\" and
//      the last component: "...\Bin";
//   4. when the last component alone is too long: "..." and the path's last
//      maxLen - 3 characters: "...ng file name.txt";
//   5. a maxLen below 4 gives as many dots as fit ("", ".", "..", "...").
// A trailing backslash of a folder path is dropped before shortening.
std::string ShortPath(std::string_view path, int maxLen);

// Whether a file (not a folder) exists; false for an empty path.
bool FileExist(std::string_view path);
// Whether a folder exists; false for an empty path.
bool DirExist(std::string_view path);
// Creates the folder with every missing level above it. True when the folder
// exists at the end (also when it existed before); false when a level cannot
// be created or a file stands in its place.
bool CreateDirRecurse(std::string_view dir);
