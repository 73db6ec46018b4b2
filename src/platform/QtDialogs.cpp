#include "QtDialogs.h"

#include <QFileDialog>
#include <QMessageBox>

void QtDialogs::information(QWidget *parent, const QString &text)
{
    QMessageBox::information(parent, kDialogTitle, text);
}

void QtDialogs::critical(QWidget *parent, const QString &text)
{
    QMessageBox::critical(parent, kDialogTitle, text);
}

bool QtDialogs::question(QWidget *parent, const QString &text)
{
    return QMessageBox::question(parent, kDialogTitle, text, QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::Yes) == QMessageBox::Yes;
}

QString QtDialogs::openFileName(QWidget *parent, const QString &folder, const QString &filter)
{
    return QFileDialog::getOpenFileName(parent, QString(), folder, filter);
}
