// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/ClassChoices.h"
#include "platform/design/DesignControl.h"

#include <QImage>
#include <QString>

// An image box: shows a picture file whole, in its own proportions, centred on a neutral ground
// where the box's shape differs; or a neutral placeholder drawn by the program when the file
// cannot be shown. A picture file is decoded off the window's thread at the box's size in device
// pixels once the box's window has been drawn, and again when the box grows; until it is ready the
// box shows the neutral ground. A picture decoded before for that size shows at once.
class PictureBox : public DesignControl
{
    Q_OBJECT

public:
    enum class Content
    {
        Nothing,
        Waiting, // for its picture to be decoded
        Picture,
        Placeholder,
    };

    explicit PictureBox(QWidget *parent = nullptr);

    // An empty path (a word with no picture file) shows the placeholder.
    void loadPicture(const QString &path);
    // The placeholder shows the first letter of `word` large, as `form` writes it, so that two
    // words without a picture still look different.
    void setPlaceholderInitial(const QString &word, LetterForm form);
    void clearPicture();

    QString pictureFile() const { return file_; }
    Content content() const;

    // Waits until every box shown so far has its picture decoded and in place.
    static void waitForPictures();

protected:
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    QSize pixelSize() const;
    void scheduleRequest();
    // Shows what is at hand for the box's present size: a picture decoded before, or one of the
    // program's own icons, and tells whether it did; else, when `decodeIfMissing`, has the
    // picture decoded.
    bool requestPicture(bool decodeIfMissing);
    void showDecoded(QSize box, const QImage &image);

    QString file_;
    QString initial_;
    LetterForm initialForm_ = LetterForm::AsListed;
    bool loaded_ = false;
    bool failed_ = false;
    QImage image_;
    QSize decodedFor_; // the box size in device pixels `image_` was decoded for
    QSize asked_;      // the box size of the decode awaited, if any
    bool requestPosted_ = false;
};
