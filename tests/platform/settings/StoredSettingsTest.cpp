// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/settings/StoredSettings.h"

#include "core/ClassChoices.h"
#include "support/Files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// The user's and the system's settings folders, where ~/.config and /etc/xdg would be.
class StoredSettingsTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, user());
        QSettings::setPath(QSettings::NativeFormat, QSettings::SystemScope, system());
    }

    QString user() const { return folders.filePath(QStringLiteral("user")); }
    QString system() const { return folders.filePath(QStringLiteral("system")); }
    QString fileIn(const QString &folder) const
    {
        return QDir(folder).filePath(QStringLiteral("zibaldo/zibaldo.conf"));
    }
    void writeConf(const QString &folder, const QByteArray &text) const
    {
        QDir(folder).mkpath(QStringLiteral("zibaldo"));
        writeFile(fileIn(folder), text);
    }
    static ClassChoices stored() { return ClassChoices(std::make_unique<StoredSettings>()); }

    QTemporaryDir folders;
};

TEST_F(StoredSettingsTest, ChoicesAreWrittenAtOnceAndReadByTheNextSession)
{
    {
        ClassChoices session = stored();
        session.setLetters(Game::WordSearch, LetterForm::Lowercase);
        session.setLevel(Game::Memory, Level::Easy);
        QFile file(fileIn(user()));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray written = file.readAll();
        EXPECT_TRUE(written.contains("[crucipuzzle]\nlettere=minuscolo")) << written.data();
        EXPECT_TRUE(written.contains("[memory]\nlivello=facile")) << written.data();
    }
    const ClassChoices next = stored();
    EXPECT_EQ(next.letters(Game::WordSearch), LetterForm::Lowercase);
    EXPECT_EQ(next.level(Game::Memory), Level::Easy);
    EXPECT_EQ(next.letters(Game::Memory), LetterForm::AsListed);
    EXPECT_EQ(next.level(Game::WordSearch), Level::Hard);
}

// A school presets its pupils' choices; a teacher's own choice goes over them, and what neither
// file says right is the game's first design.
TEST_F(StoredSettingsTest, TheSchoolsFileIsReadUnderTheUsersAndNonsenseFallsBackToTheDefault)
{
    writeConf(system(), "[crucipuzzle]\nlettere=corsivo\nlivello=Medio\n"
                        "[memory]\nlettere=lista\nlivello=facile\n"
                        "[componi]\nlettere=minuscolo\nlivello=facile\n");
    writeConf(user(), "[memory]\nlettere=GOTICO\nlivello=42\n"
                      "[crucipuzzle]\nlettere=lista\n");
    const ClassChoices choices = stored();
    EXPECT_EQ(choices.level(Game::WordSearch), Level::Medium);
    // "come nella lista" is no form of the grid's.
    EXPECT_EQ(choices.letters(Game::WordSearch), LetterForm::Capitals);
    EXPECT_EQ(choices.letters(Game::Memory), LetterForm::AsListed);
    EXPECT_EQ(choices.level(Game::Memory), Level::Hard);
    EXPECT_EQ(choices.letters(Game::Compose), LetterForm::Lowercase);
    EXPECT_EQ(choices.level(Game::Compose), Level::Easy);
}

// A locked school profile: the settings folder cannot be made (a file stands in its place, which
// stops root as well as a pupil).
TEST_F(StoredSettingsTest, AChoiceThatCannotBeWrittenLastsForTheSession)
{
    QDir().mkpath(user());
    writeFile(QDir(user()).filePath(QStringLiteral("zibaldo")), "not a folder");
    ClassChoices session = stored();
    session.setLevel(Game::WordSearch, Level::Easy);
    EXPECT_EQ(session.level(Game::WordSearch), Level::Easy);
    EXPECT_FALSE(QFileInfo::exists(fileIn(user())));
}

} // namespace
