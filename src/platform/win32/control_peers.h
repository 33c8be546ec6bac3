// The peer for each kind of control.
#pragma once

#include <memory>

#include "platform/win32/child_peer.h"

namespace tolvane::win32 {

// The peer that fits the control's kind; not yet created.
std::unique_ptr<ChildPeer> MakePeer(FormPeer& owner, Control& control);

}  // namespace tolvane::win32
