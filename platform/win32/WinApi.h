#pragma once
// The Windows headers, for the win32 backend's own sources only.
//
// The seam headers come first on purpose: they declare constants named like
// Windows macros (WM_CLOSE, IDOK, MB_OK, CBN_SELCHANGE, BFFM_SETSTATUSTEXT
// ...), and those declarations must be read before <windows.h> turns the
// names into numbers. Code after this header uses the Windows macros, which
// have the same values (SeamNumbers.cpp checks that).

#include "platform/os/Backend.h"

// clang-format off
#include <windows.h>
#include <commdlg.h>
#include <ole2.h>
#include <richedit.h>
#include <shlobj.h>
// clang-format on
