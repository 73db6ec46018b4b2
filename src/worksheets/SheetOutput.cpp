// SPDX-License-Identifier: GPL-3.0-or-later
#include "SheetOutput.h"

#include "Worksheet.h"

#include <QDir>
#include <QFileInfo>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QSaveFile>

bool paintSheet(const Worksheet &sheet, QPagedPaintDevice &device)
{
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    painter.setRenderHint(QPainter::Antialiasing);
    const PaperPage paper = paperPageOf(device);
    for (int page = 0; page < sheet.pageCount(); ++page) {
        if (page > 0)
            device.newPage();
        painter.save();
        sheet.paintPage(page, painter, paper);
        painter.restore();
    }
    return painter.end();
}

QString savePdf(const Worksheet &sheet, const QString &path)
{
    const QString folder = QDir::toNativeSeparators(QFileInfo(path).absolutePath());
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return QStringLiteral("Non si può scrivere nella cartella %1. Il PDF non è stato salvato: "
                              "sceglierne un'altra.")
            .arg(folder);
    }
    {
        QPdfWriter writer(&file);
        writer.setPageLayout(defaultPaper());
        writer.setTitle(sheet.name());
        writer.setCreator(QStringLiteral("Zibaldo"));
        if (!paintSheet(sheet, writer)) {
            file.cancelWriting();
            return QStringLiteral("Il PDF non è stato salvato.");
        }
    }
    if (!file.commit()) {
        return QStringLiteral("Il PDF non è stato salvato nella cartella %1: il disco è pieno o "
                              "non accetta il file. Nessun file è rimasto a metà.")
            .arg(folder);
    }
    return {};
}

QString printSheet(const Worksheet &sheet, QPrinter &printer)
{
    if (!paintSheet(sheet, printer) || printer.printerState() == QPrinter::Error) {
        return QStringLiteral("La stampa non è riuscita: controllare che la stampante sia accesa "
                              "e collegata, poi riprovare.");
    }
    return {};
}
