#pragma once
// The toolkit's pointer shape for ours (toolkit side of platform/cursor.h).
#include <Qt>

#include "platform/cursor.h"

namespace velk {

Qt::CursorShape toolkitCursor(CursorShape shape);

}  // namespace velk
