// Where pictures are found. Damaged and missing files are the hostile pictures' test
// (tests/reliability).
#include "shell/toolkit/pictures.h"

#include "shell/toolkit/errors.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

QByteArray validJpeg()
{
    QFile file(QCoreApplication::applicationDirPath() + QStringLiteral("/Images/exit.jpg"));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << "the built pictures lie beside the test";
    return file.readAll();
}

class Pictures : public ::testing::Test {
protected:
    Pictures() { shell::setPictureFolders({folder.path()}); }
    ~Pictures() override { shell::setPictureFolders({}); }

    void write(const QByteArray& data)
    {
        QDir(folder.path()).mkpath(QStringLiteral("Images"));
        QFile file(folder.filePath(QStringLiteral("Images/exit.jpg")));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(data);
    }

    QTemporaryDir folder;
};

TEST_F(Pictures, LoadsAPictureNamedWithABackslash)
{
    write(validJpeg());
    const QPixmap picture = shell::loadPicture(QStringLiteral("Images\\exit.jpg"));
    EXPECT_EQ(picture.size(), QSize(110, 33));
}

TEST_F(Pictures, AnEmptyNameGivesAnEmptyPicture)
{
    EXPECT_TRUE(shell::loadPicture(QString()).isNull());
}

TEST_F(Pictures, SearchesTheFoldersInOrder)
{
    QTemporaryDir second;
    shell::setPictureFolders({folder.path(), second.path()});
    QDir(second.path()).mkpath(QStringLiteral("Images"));
    QFile file(second.filePath(QStringLiteral("Images/exit.jpg")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(validJpeg());
    file.close();
    EXPECT_FALSE(shell::loadPicture(QStringLiteral("Images\\exit.jpg")).isNull());

    // The program's own folder first, the folder it was started from last.
    shell::setPictureFolders({});
    const QStringList usual = shell::pictureFolders();
    ASSERT_GE(usual.size(), 2);
    EXPECT_EQ(usual.first(), QCoreApplication::applicationDirPath());
    EXPECT_EQ(usual.last(), QDir::currentPath());
}

TEST_F(Pictures, AFileWhereItsFolderShouldBeIsToldForWhatItIs)
{
    QFile misplaced(folder.filePath(QStringLiteral("Images")));
    ASSERT_TRUE(misplaced.open(QIODevice::WriteOnly));
    misplaced.close();
    try {
        shell::loadPicture(QStringLiteral("Images\\exit.jpg"));
        ADD_FAILURE() << "loaded";
    } catch (const shell::FatalError& error) {
        EXPECT_TRUE(error.message().startsWith(
            QStringLiteral("Cannot load the picture \"%1\": the file cannot be reached (Not a directory).")
                .arg(QDir::toNativeSeparators(folder.filePath(QStringLiteral("Images/exit.jpg"))))))
            << error.what();
    }
}

} // namespace
