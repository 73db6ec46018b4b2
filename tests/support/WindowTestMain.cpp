// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/accessibility/Accessibility.h"
#include "platform/design/Fonts.h"
#include "platform/design/LetterFonts.h"

#include <QApplication>
#include <gtest/gtest.h>

// Window tests run on the offscreen platform with the fonts and the screen reader interfaces the
// program installs itself.
int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    installFontSubstitutions();
    setBundledFontFolder(QStringLiteral(ZIBALDO_DATA_DIR));
    installAccessibility();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
