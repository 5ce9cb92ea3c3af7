// The windows the agent names in its frames, each by its token (WindowTokens.h). A reply is
// delivered only to a window that named itself in a request: the window field of a reply is
// server data and could name any number.
#pragma once

#include <windows.h>

namespace agent_windows {

// The token a request writes for its reply window; 0, naming nobody, for a handle that is not
// a live window of this process.
int Ask(HWND window);
// The token a registration writes for its window (0 as above); held until Unregister.
int Register(HWND window);
// The window has no registrations left.
void Unregister(HWND window);
void UnregisterAll();
// The live window of this process that asked under the token, or NULL.
HWND ReplyWindow(int token);

} // namespace agent_windows
