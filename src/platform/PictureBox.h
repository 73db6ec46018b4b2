// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "DesignControl.h"

#include <QImage>
#include <QString>

// An image box: shows a picture file stretched to fill the box, or a neutral placeholder drawn by
// the program when the file cannot be shown. The picture is decoded at the box's size in device
// pixels when it is first needed, and again when the box grows.
class PictureBox : public DesignControl
{
    Q_OBJECT

public:
    enum class Content
    {
        Nothing,
        Picture,
        Placeholder,
    };

    explicit PictureBox(QWidget *parent = nullptr);

    // An empty path (a word with no picture file) shows the placeholder.
    void loadPicture(const QString &path);
    void clearPicture();

    QString pictureFile() const { return file_; }
    // What the box shows at its present size; decodes the picture if it has not been yet.
    Content content();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QSize pixelSize() const;
    void decodeIfNeeded();

    QString file_;
    bool loaded_ = false;
    bool failed_ = false;
    QImage image_;
};
