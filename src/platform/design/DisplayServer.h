// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Returns once the display server has carried out everything the program's windows asked of it so
// far, such as putting on the screen a window just drawn. Returns at once where the windows are
// drawn without a server to wait for. For the windows' thread only.
void waitForTheDisplayServer();
