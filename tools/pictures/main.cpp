// SPDX-License-Identifier: GPL-3.0-or-later
// Draws data/jpg/<word>.jpg for every word of the list, from the emoji font,
// so that the program itself never needs that font.
//
// Usage: make-pictures EMOJI_TABLE WORD_LIST OUTPUT_DIR

#include "core/WordListStore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QHash>
#include <QImage>
#include <QPainter>
#include <QRawFont>
#include <QSet>
#include <QStringList>
#include <QTextStream>

#include <cstdlib>

namespace {

const QString emojiFamily = QStringLiteral("Noto Color Emoji");
// The program's picture boxes are about 10:9: a picture of their shape fills them, with no grey
// bands beside it.
constexpr int pictureWidth = 280;
constexpr int pictureHeight = 252;
constexpr int emojiSize = 200;
// The font holds a single bitmap strike of this size: drawing at it keeps Qt
// from resampling, so the one smooth scaling below is the only one.
constexpr int strikeSize = 109;

[[noreturn]] void fail(const QString &message)
{
    QTextStream(stderr) << "make-pictures: " << message << Qt::endl;
    std::exit(1);
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        fail(QStringLiteral("cannot read %1").arg(path));
    return file.readAll();
}

// The words as the program reads them, empty ones left out.
QStringList readWords(const QString &path)
{
    WordListStore store;
    const LoadResult loaded = store.loadWordList(path);
    if (!loaded.loaded())
        fail(loadReportText(path, loaded));
    QStringList words;
    for (int i = 1; i <= store.wordCount(); ++i) {
        if (!store.wordList(i).isEmpty())
            words.append(store.wordList(i));
    }
    if (words.isEmpty())
        fail(QStringLiteral("%1 holds no words").arg(path));
    return words;
}

QHash<QString, QString> readEmojiTable(const QString &path)
{
    QHash<QString, QString> table;
    const QStringList lines = QString::fromUtf8(readFile(path)).split(QLatin1Char('\n'));
    for (int i = 0; i < lines.size(); ++i) {
        const QString line = lines[i].trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        const QStringList fields = line.split(QLatin1Char('\t'), Qt::SkipEmptyParts);
        if (fields.size() != 2)
            fail(QStringLiteral("%1:%2: expected a word, a tab and an emoji").arg(path).arg(i + 1));
        table.insert(fields[0].trimmed(), fields[1].trimmed());
    }
    return table;
}

// A stable hue per word, so the same word always gets the same tint.
int hueOf(const QString &word)
{
    quint32 hash = 2166136261u;
    for (const char byte : word.toUtf8())
        hash = (hash ^ static_cast<unsigned char>(byte)) * 16777619u;
    return int(hash % 360);
}

// Draws the text alone, cropped to its ink, so it can be centred on what is
// really drawn rather than on the font's metrics. Null when nothing was drawn.
QImage drawInk(const QString &text, const QFont &font)
{
    QImage canvas(3 * strikeSize, 3 * strikeSize, QImage::Format_ARGB32);
    canvas.fill(Qt::transparent);
    QPainter painter(&canvas);
    painter.setFont(font);
    painter.drawText(canvas.rect(), Qt::AlignCenter, text);
    painter.end();

    int left = canvas.width(), top = canvas.height(), right = -1, bottom = -1;
    for (int y = 0; y < canvas.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(canvas.constScanLine(y));
        for (int x = 0; x < canvas.width(); ++x) {
            if (qAlpha(line[x]) >= 128) {
                left = qMin(left, x);
                right = qMax(right, x);
                top = qMin(top, y);
                bottom = qMax(bottom, y);
            }
        }
    }
    if (right < 0)
        return {};
    return canvas.copy(left, top, right - left + 1, bottom - top + 1);
}

QImage drawEmoji(const QString &word, const QString &emoji, const QFont &font)
{
    const QRawFont rawFont = QRawFont::fromFont(font);
    for (const char32_t codePoint : emoji.toUcs4()) {
        if (codePoint != 0xFE0F && codePoint != 0x200D && !rawFont.supportsCharacter(codePoint))
            fail(QStringLiteral("the emoji font has no U+%1 for \"%2\"")
                     .arg(quint32(codePoint), 4, 16, QLatin1Char('0'))
                     .arg(word));
    }

    // What the font draws for a character it lacks (a private-use one).
    static const QImage missing = drawInk(QString(QChar(0xE000)), font);

    const QImage ink = drawInk(emoji, font);
    if (ink.isNull() || qMax(ink.width(), ink.height()) < strikeSize / 2 || ink == missing)
        fail(QStringLiteral("the emoji of \"%1\" did not render").arg(word));

    // A colour bitmap has many shades; a monochrome fallback glyph has one.
    QSet<QRgb> shades;
    for (int y = 0; y < ink.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(ink.constScanLine(y));
        for (int x = 0; x < ink.width(); ++x) {
            if (qAlpha(line[x]) == 255)
                shades.insert(line[x]);
        }
    }
    if (shades.size() < 16)
        fail(QStringLiteral("the emoji of \"%1\" did not render in colour (%2 shades)")
                 .arg(word)
                 .arg(shades.size()));
    return ink;
}

QImage drawPicture(const QString &word, const QImage &emoji)
{
    const int hue = hueOf(word);
    QImage picture(pictureWidth, pictureHeight, QImage::Format_RGB32);
    picture.fill(QColor::fromHsl(hue, 200, 228));

    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);

    // A paler disc behind the emoji, like a plate, so it stands out from the tint.
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor::fromHsl(hue, 200, 243));
    painter.drawEllipse(QPointF(pictureWidth / 2.0, pictureHeight / 2.0), 118, 118);

    const QImage scaled =
        emoji.scaled(emojiSize, emojiSize, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    painter.drawImage((pictureWidth - scaled.width()) / 2, (pictureHeight - scaled.height()) / 2,
                      scaled);
    return picture;
}

} // namespace

int main(int argc, char *argv[])
{
    // It never shows a window, so it must not need a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 4)
        fail(QStringLiteral("usage: make-pictures EMOJI_TABLE WORD_LIST OUTPUT_DIR"));

    if (!QFontDatabase::families().contains(emojiFamily))
        fail(QStringLiteral("the font \"%1\" is not installed (Debian: fonts-noto-color-emoji)")
                 .arg(emojiFamily));
    QFont font(emojiFamily);
    font.setPixelSize(strikeSize);
    // Without this Qt would borrow a glyph from another font and hide a gap in the table.
    font.setStyleStrategy(QFont::NoFontMerging);

    const QHash<QString, QString> table = readEmojiTable(args[1]);
    const QStringList words = readWords(args[2]);
    QDir outDir(args[3]);
    if (!outDir.mkpath(QStringLiteral(".")))
        fail(QStringLiteral("cannot create %1").arg(outDir.path()));

    QSet<QString> written;
    for (const QString &word : words) {
        const auto found = table.constFind(word);
        if (found == table.constEnd())
            fail(QStringLiteral("\"%1\" has no emoji in %2").arg(word, args[1]));
        const QString name = word + QStringLiteral(".jpg");
        const QImage picture = drawPicture(word, drawEmoji(word, *found, font));
        if (!picture.save(outDir.filePath(name), "JPG", 90))
            fail(QStringLiteral("cannot write %1").arg(outDir.filePath(name)));
        written.insert(name);
    }

    // Pictures of words no longer in the list would only be dead weight.
    const QStringList present = outDir.entryList({QStringLiteral("*.jpg")}, QDir::Files);
    for (const QString &name : present) {
        if (!written.contains(name))
            outDir.remove(name);
    }

    QTextStream(stdout) << "make-pictures: " << written.size() << " pictures in "
                        << QDir::cleanPath(outDir.absolutePath()) << Qt::endl;
    return 0;
}
