#pragma once

#include <windows.h>

namespace brimdock {

// The extended style every child window of this layer has: it sends its parent no
// WM_PARENTNOTIFY when created, destroyed or clicked. Nothing here uses those notifications, and
// each one is a round through the parent's window procedure; the window makes about a hundred
// children at start-up.
inline constexpr DWORD kChildExStyle = WS_EX_NOPARENTNOTIFY;

}  // namespace brimdock
