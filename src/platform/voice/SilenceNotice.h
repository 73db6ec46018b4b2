// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Why the program plays silently, told once per process on one line of the error stream: the
// games go on as usual, so a teacher looking at a console learns why they are mute and nothing
// more.
void reportSilence(const char *reason);
