// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QStringList>
#include <gtest/gtest.h>

// A PDF as poppler's tools read it, as a reader or a printer would.

#define SKIP_WITHOUT_POPPLER()                                                                     \
    if (QStandardPaths::findExecutable(QStringLiteral("pdfimages")).isEmpty())                     \
    GTEST_SKIP() << "poppler-utils is not installed"

inline QString poppler(const QString &tool, const QStringList &arguments)
{
    QProcess process;
    process.start(tool, arguments);
    EXPECT_TRUE(process.waitForFinished(30000) && process.exitCode() == 0) << tool.toStdString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The text of page `page` (from 1) in its layout, each line's blanks taken out, empty lines left.
inline QStringList pageLines(const QString &pdf, int page)
{
    const QString number = QString::number(page);
    QStringList lines;
    for (QString line :
         poppler(QStringLiteral("pdftotext"), {"-layout", "-f", number, "-l", number, pdf, "-"})
             .split(QLatin1Char('\n'))) {
        if (!line.remove(QRegularExpression(QStringLiteral("\\s"))).isEmpty())
            lines << line;
    }
    return lines;
}

// A field of pdfinfo's report: "Pages", "Page size".
inline QString pdfInfo(const QString &pdf, const QString &field)
{
    return QRegularExpression(QStringLiteral("^") + field + QStringLiteral(":\\s*(.*)$"),
                              QRegularExpression::MultilineOption)
        .match(poppler(QStringLiteral("pdfinfo"), {pdf}))
        .captured(1);
}

// Each image drawn, as the page it is on and its resolution there in dots per inch.
inline std::vector<std::pair<int, int>> placedImages(const QString &pdf)
{
    std::vector<std::pair<int, int>> images;
    // page num type width height color comp bpc enc interp object ID x-ppi y-ppi size ratio
    for (const QString &line :
         poppler(QStringLiteral("pdfimages"), {"-list", pdf}).split(QLatin1Char('\n')).mid(2)) {
        const QStringList fields = line.simplified().split(QLatin1Char(' '));
        if (fields.size() > 13 && fields[2] == QLatin1String("image"))
            images.emplace_back(fields[0].toInt(),
                                std::max(fields[12].toInt(), fields[13].toInt()));
    }
    return images;
}
