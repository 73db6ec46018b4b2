// SPDX-License-Identifier: GPL-3.0-or-later
#include "worksheets/SheetOutput.h"
#include "worksheets/Worksheet.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/fsuid.h>
#include <unistd.h>

namespace {

// One blank page: what is saved matters here, not what is on it.
class BlankSheet final : public Worksheet
{
public:
    QString name() const override { return QStringLiteral("Memory"); }
    int pageCount() const override { return 1; }
    void paintPage(int, QPainter &, const PaperPage &) const override {}
};

TEST(SavingTest, AFolderThatCannotBeWrittenToLeavesNothingBehindAndSaysWhere)
{
    QTemporaryDir folder;
    const QString locked = folder.filePath(QStringLiteral("chiusa"));
    ASSERT_TRUE(QDir().mkdir(locked));
    QFile::setPermissions(locked,
                          QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther);
    // Root writes anywhere: the save is tried as an ordinary user's.
    const bool root = geteuid() == 0;
    if (root)
        setfsuid(65534);
    const QString message = savePdf(BlankSheet(), locked + QStringLiteral("/Memory.pdf"));
    if (root)
        setfsuid(0);
    EXPECT_EQ(message, QStringLiteral("Non si può scrivere nella cartella %1. Il PDF non è stato "
                                      "salvato: sceglierne un'altra.")
                           .arg(QDir::toNativeSeparators(locked)));
    EXPECT_TRUE(QDir(locked).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot));
}

} // namespace
