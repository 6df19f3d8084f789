#pragma once
// Pointer shapes a window or a dialog's owner-drawn area asks for while the
// pointer is over it.

namespace velk {

enum class CursorShape { Arrow, Cross, Hand, Wait, SizeAll, Zoom };

}  // namespace velk
