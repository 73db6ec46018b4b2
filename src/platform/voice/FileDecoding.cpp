// SPDX-License-Identifier: GPL-3.0-or-later
#include "FileDecoding.h"

#include "AudioFormats.h"

#include <QAudioBuffer>
#include <QAudioDecoder>
#include <QFileInfo>
#include <QUrl>

namespace {

// One file being decoded: it deletes itself once `done` has heard.
class Decoding : public QObject
{
public:
    Decoding(const QString &path, std::chrono::milliseconds atMost,
             std::function<void(const DecodedFile &)> done)
        : atMost_(atMost), done_(std::move(done))
    {
        // Samples as the recordings keep them; a decoder that cannot convert gives its own.
        QAudioFormat mono;
        mono.setSampleFormat(QAudioFormat::Int16);
        mono.setChannelCount(1);
        decoder_.setAudioFormat(mono);
        decoder_.setSource(QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath()));
        connect(&decoder_, &QAudioDecoder::bufferReady, this, &Decoding::take);
        connect(&decoder_, &QAudioDecoder::finished, this, [this] { finish(false); });
        connect(&decoder_, qOverload<QAudioDecoder::Error>(&QAudioDecoder::error), this,
                [this] { finish(false); });
        decoder_.start();
    }

private:
    void take()
    {
        const QAudioBuffer buffer = decoder_.read();
        const std::optional<PcmLayout> layout = layoutOf(buffer.format());
        if (finished_ || !buffer.isValid() || !layout)
            return;
        if (file_.sound.bytes.isEmpty())
            file_.sound.layout = *layout;
        // A decoder that changes its layout midway gives a sound this cannot follow.
        if (*layout != file_.sound.layout)
            return;
        file_.sound.bytes.append(buffer.constData<char>(), buffer.byteCount());
        const qint64 wanted = atMost_.count() * layout->sampleRate / 1000 * layout->bytesPerFrame();
        if (file_.sound.bytes.size() >= wanted) {
            file_.sound.bytes.truncate(wanted);
            finish(true);
        }
    }

    void finish(bool cut)
    {
        if (finished_)
            return;
        finished_ = true;
        file_.cut = cut;
        file_.decoded = decoder_.error() == QAudioDecoder::NoError || cut;
        file_.decoded = file_.decoded && !file_.sound.bytes.isEmpty();
        decoder_.stop();
        done_(file_);
        deleteLater();
    }

    QAudioDecoder decoder_;
    std::chrono::milliseconds atMost_;
    std::function<void(const DecodedFile &)> done_;
    DecodedFile file_;
    bool finished_ = false;
};

} // namespace

void decodeSoundFile(const QString &path, std::chrono::milliseconds atMost,
                     std::function<void(const DecodedFile &)> done)
{
    new Decoding(path, atMost, std::move(done));
}
