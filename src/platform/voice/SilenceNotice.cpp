// SPDX-License-Identifier: GPL-3.0-or-later
#include "SilenceNotice.h"

#include <atomic>
#include <cstdio>

void reportSilence(const char *reason)
{
    static std::atomic_flag told;
    if (!told.test_and_set())
        std::fprintf(stderr, "Zibaldo: senza voce (%s)\n", reason);
}
