// SPDX-License-Identifier: GPL-3.0-or-later
#include "InformationText.h"

#include "core/AuthorDetails.h"

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
