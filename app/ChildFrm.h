#pragma once
// The child frame that holds one sheet view in the main window's sheet area.
#include "platform/frame.h"

namespace velk {

class CChildFrame : public MdiChild {
public:
    bool PreCreateWindow() { return MdiChild::preCreateWindow(); }
    bool preCreateWindow() override { return PreCreateWindow(); }
};

}  // namespace velk
