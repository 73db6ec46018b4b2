// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QStringList>
#include <gtest/gtest.h>

// What poppler's tools read in a PDF, as a reader or a printer would see it.

inline bool popplerInstalled()
{
    return !QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty() &&
           !QStandardPaths::findExecutable(QStringLiteral("pdfimages")).isEmpty() &&
           !QStandardPaths::findExecutable(QStringLiteral("pdfinfo")).isEmpty();
}

#define SKIP_WITHOUT_POPPLER()                                                                     \
    if (!popplerInstalled())                                                                       \
    GTEST_SKIP() << "poppler-utils is not installed"

inline QString popplerOutput(const QString &tool, const QStringList &arguments)
{
    QProcess process;
    process.start(tool, arguments);
    process.waitForFinished(30000);
    EXPECT_EQ(process.exitCode(), 0)
        << tool.toStdString() << ": " << process.readAllStandardError().toStdString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The text of page `page` (from 1) as laid out on it.
inline QString pageText(const QString &pdf, int page)
{
    const QString number = QString::number(page);
    return popplerOutput(QStringLiteral("pdftotext"),
                         {QStringLiteral("-layout"), QStringLiteral("-f"), number,
                          QStringLiteral("-l"), number, pdf, QStringLiteral("-")});
}

// A field of pdfinfo's report: "Pages", "Page size".
inline QString pdfInfo(const QString &pdf, const QString &field)
{
    const QRegularExpression line(QStringLiteral("^") + field + QStringLiteral(":\\s*(.*)$"),
                                  QRegularExpression::MultilineOption);
    return line.match(popplerOutput(QStringLiteral("pdfinfo"), {pdf})).captured(1).trimmed();
}

struct PlacedImage
{
    int page;
    int width;
    int height;
    int dotsPerInch; // the larger of the two directions
};

// The images drawn on the pages, one for each time one is drawn.
inline std::vector<PlacedImage> placedImages(const QString &pdf)
{
    std::vector<PlacedImage> images;
    const QStringList lines =
        popplerOutput(QStringLiteral("pdfimages"), {QStringLiteral("-list"), pdf})
            .split(QLatin1Char('\n'));
    // page num type width height color comp bpc enc interp object ID x-ppi y-ppi size ratio
    for (const QString &line : lines.mid(2)) {
        const QStringList fields = line.simplified().split(QLatin1Char(' '));
        if (fields.size() < 14 || fields[2] != QLatin1String("image"))
            continue;
        images.push_back({fields[0].toInt(), fields[3].toInt(), fields[4].toInt(),
                          std::max(fields[12].toInt(), fields[13].toInt())});
    }
    return images;
}

// The page's lines that hold any text, spaces taken out.
inline QStringList squeezedLines(const QString &text)
{
    QStringList lines;
    for (QString line : text.split(QLatin1Char('\n'))) {
        line.remove(QRegularExpression(QStringLiteral("\\s")));
        if (!line.isEmpty())
            lines << line;
    }
    return lines;
}
