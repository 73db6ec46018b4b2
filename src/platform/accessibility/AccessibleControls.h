// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAccessibleWidget>

class Announcer;
class DesignButton;
class DesignLabel;
class DesignSurface;
class PictureBox;

// A label: static text whose name and text are what it paints.
class AccessibleLabel : public QAccessibleWidget, public QAccessibleTextInterface
{
public:
    explicit AccessibleLabel(DesignLabel *label);

    void *interface_cast(QAccessible::InterfaceType type) override;
    QString text(QAccessible::Text type) const override;

    void selection(int, int *startOffset, int *endOffset) const override;
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QString text(int startOffset, int endOffset) const override;
    int characterCount() const override;
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint &) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int offset, int *startOffset, int *endOffset) const override;

private:
    QString shownText() const;
};

// A picture box: an image named by the word it shows, or "nessuna immagine" for the placeholder.
class AccessiblePicture : public QAccessibleWidget
{
public:
    explicit AccessiblePicture(PictureBox *picture);

    QString text(QAccessible::Text type) const override;
};

// A button, pressed by a screen reader as by a click, once its call is over.
class AccessibleButton : public QAccessibleWidget
{
public:
    explicit AccessibleButton(DesignButton *button);

    QString text(QAccessible::Text type) const override;
    QAccessible::State state() const override;
    QStringList actionNames() const override;
    void doAction(const QString &action) override;
};

// A window's client area: its controls, less those a grid speaks for.
class AccessibleSurface : public QAccessibleWidget
{
public:
    explicit AccessibleSurface(DesignSurface *surface);

    int childCount() const override;
    QAccessibleInterface *child(int index) const override;
    int indexOfChild(const QAccessibleInterface *child) const override;

private:
    QWidgetList readable() const;
};

// The notification that says the last answer.
class AccessibleAnnouncer : public QAccessibleWidget
{
public:
    explicit AccessibleAnnouncer(Announcer *announcer);

    QString text(QAccessible::Text type) const override;
};
