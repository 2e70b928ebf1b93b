#include "shell/toolkit/errors.h"
#include "shell/toolkit/pictures.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

QByteArray validJpeg()
{
    QFile file(QCoreApplication::applicationDirPath() + QStringLiteral("/Images/exit.jpg"));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << "the built pictures lie beside the test";
    return file.readAll();
}

// The same picture with a frame header that claims 60000 by 60000 pixels.
QByteArray hugeHeaderJpeg()
{
    QByteArray data = validJpeg();
    for (int i = 2; i + 9 < data.size(); ++i) {
        const auto marker = static_cast<unsigned char>(data[i + 1]);
        if (static_cast<unsigned char>(data[i]) == 0xFF && (marker == 0xC0 || marker == 0xC2)) {
            data[i + 5] = data[i + 7] = static_cast<char>(0xEA); // 60000 = 0xEA60
            data[i + 6] = data[i + 8] = static_cast<char>(0x60);
            return data;
        }
    }
    ADD_FAILURE() << "no frame header found";
    return data;
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

    QString failureOf(const QString& name)
    {
        try {
            shell::loadPicture(name);
        } catch (const shell::FatalError& error) {
            return error.message();
        }
        return {};
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

TEST_F(Pictures, HostileFilesAreReportedNotLoaded)
{
    QByteArray random(4096, '\0');
    for (char& c : random)
        c = static_cast<char>(QRandomGenerator::global()->bounded(256));
    const QByteArray valid = validJpeg();
    const struct {
        const char* name;
        QByteArray data;
        const char* problem;
    } cases[] = {
        {"empty", QByteArray(), "empty"},
        {"truncated", valid.left(valid.size() / 2), "incomplete"},
        {"random bytes", random, "not a picture"},
        {"header claims 60000 by 60000", hugeHeaderJpeg(), "too large"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        write(c.data);
        const QString message = failureOf(QStringLiteral("Images\\exit.jpg"));
        EXPECT_TRUE(message.contains(QStringLiteral("\"Images\\exit.jpg\""))) << message.toStdString();
        EXPECT_TRUE(message.contains(QLatin1String(c.problem))) << message.toStdString();
        EXPECT_TRUE(message.contains(QDir::toNativeSeparators(folder.path()))) << message.toStdString();
    }
}

TEST_F(Pictures, MissingFileAndFolderInItsPlaceAreReported)
{
    EXPECT_TRUE(failureOf(QStringLiteral("Images\\exit.jpg")).contains(QLatin1String("missing")));
    QDir(folder.path()).mkpath(QStringLiteral("Images/exit.jpg"));
    EXPECT_TRUE(failureOf(QStringLiteral("Images\\exit.jpg")).contains(QLatin1String("not a file")));
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

    shell::setPictureFolders({});
    const QStringList usual = shell::pictureFolders();
    ASSERT_GE(usual.size(), 2);
    EXPECT_EQ(usual[0], QDir::currentPath());
    EXPECT_TRUE(usual.contains(QCoreApplication::applicationDirPath()));
}

} // namespace
