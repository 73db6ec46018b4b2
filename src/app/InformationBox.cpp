#include "InformationBox.h"

#include "app/AuthorDetails.h"
#include "platform/Dialogs.h"

#include <QStringList>

QString informationText()
{
    const QString rule = QStringLiteral(" ----------------------- ");
    return QStringList{QString::fromUtf8(kAuthorName) + QStringLiteral("  "),
                       rule,
                       QString::fromUtf8(kAuthorWeb),
                       QStringLiteral("mail: ") + QString::fromUtf8(kAuthorMail),
                       rule,
                       QStringLiteral("disegni eseguiti dai ragazzi delle classi 4° e 5° di ") +
                           QString::fromUtf8(kSchoolName)}
        .join(QStringLiteral("\r\n"));
}

void MostraInformazioni(Dialogs &dialogs, QWidget *parent)
{
    dialogs.information(parent, informationText());
}
