// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QPagedPaintDevice;
class QPrinter;
class Worksheet;

// Paints every page of `sheet` on `device`, laid out on the device's own page; false when the
// device would not start.
bool paintSheet(const Worksheet &sheet, QPagedPaintDevice &device);

// Writes `sheet` as a PDF at `path`, on the default paper, whole or not at all: it is written
// beside the target and put in its place once complete. The message to show the user when that
// failed, else an empty string. Safe to call from any thread.
QString savePdf(const Worksheet &sheet, const QString &path);

// Prints `sheet` on the page the printer was set to. The message to show when the printer failed,
// else an empty string.
QString printSheet(const Worksheet &sheet, QPrinter &printer);
