#pragma once
// The window property that names a peer window after its component: a
// global atom of the component's name, which another process reads with
// GetPropW and GlobalGetAtomNameW. Shared with the test robot.

namespace win32 {

inline constexpr wchar_t kComponentNameProperty[] = L"Vocalith.ComponentName";

}  // namespace win32
