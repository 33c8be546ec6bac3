// The peers of a multi-line text and of a picture.
#pragma once

#include <memory>

#include "platform/win32/child_peer.h"
#include "runtime/controls.h"

namespace tolvane::win32 {

std::unique_ptr<ChildPeer> MakeMemoPeer(FormPeer& owner, Memo& memo);
std::unique_ptr<ChildPeer> MakeImagePeer(FormPeer& owner, Image& image);

}  // namespace tolvane::win32
