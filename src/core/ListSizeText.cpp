// SPDX-License-Identifier: GPL-3.0-or-later
#include "ListSizeText.h"

QString listSizeText(int count)
{
    if (count == 0)
        return QStringLiteral("la lista è vuota");
    if (count == 1)
        return QStringLiteral("la lista ha 1 parola");
    return QStringLiteral("la lista ha %1 parole").arg(count);
}
