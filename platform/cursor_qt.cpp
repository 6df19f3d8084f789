#include "platform/cursor_qt.h"

namespace velk {

Qt::CursorShape toolkitCursor(CursorShape shape) {
    switch (shape) {
        case CursorShape::Cross: return Qt::CrossCursor;
        case CursorShape::Hand: return Qt::PointingHandCursor;
        case CursorShape::Wait: return Qt::WaitCursor;
        case CursorShape::SizeAll: return Qt::SizeAllCursor;
        case CursorShape::Zoom: return Qt::CrossCursor;
        case CursorShape::Arrow: break;
    }
    return Qt::ArrowCursor;
}

}  // namespace velk
