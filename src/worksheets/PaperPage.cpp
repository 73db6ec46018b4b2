// SPDX-License-Identifier: GPL-3.0-or-later
#include "PaperPage.h"

#include <QPagedPaintDevice>

QPageLayout defaultPaper()
{
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(12, 12, 12, 12),
                       QPageLayout::Millimeter);
}

PaperPage paperPageOf(const QPagedPaintDevice &device)
{
    // A painter on a paged device starts at the top left corner inside the margins.
    return {QRectF(0, 0, device.width(), device.height()), device.logicalDpiX() / 25.4};
}
