// Hostile picture files: every picture the program loads, replaced in turn by a missing file, an
// empty one, one cut short, one whose picture data is damaged, random bytes, a JPEG start
// followed by random bytes, a JPEG whose header claims 60000 by 60000 pixels, a file far too
// large, a link to an endless device, and a folder where the file should be. Every screen is then
// loaded: each loads, or fails in the clear error path (the fatal handler called once with a
// one-line message naming the copy and what is wrong with it, nothing of the screen left behind,
// no crash). The title picture alone is never fatal: the title screen shows without it. A whole
// picture followed by stray bytes loads. Memory stays bounded throughout. The same files where
// the program was started shadow nothing.
#include "memorystats.h"
#include "screeninvariants.h"
#include "screentest.h"

#include "allscreens.h"
#include "shell/mainmenu.h"
#include "shell/titlescreen.h"
#include "shell/toolkit/errors.h"
#include "shell/toolkit/pictures.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <cstdio>
#include <functional>
#include <random>

namespace {

using namespace reliability;

const QString kTitle = shell::TitleScreen::kName;

struct Picture {
    const char* name;
    bool title; // the title screen's picture, which it can do without
};

constexpr Picture kPictures[] = {
    {"opening\\orvan300.jpg", true}, {"Images\\logo2.jpg", false},    {"Images\\orvanta3.jpg", false},
    {"Images\\exit.jpg", false},     {"Images\\next.jpg", false},     {"Images\\solution.jpg", false},
    {"Images\\mapping3.jpg", false}, {"Images\\mapping4.jpg", false},
};

QString relativePath(const char* name)
{
    return QString::fromLatin1(name).replace(QLatin1Char('\\'), QLatin1Char('/'));
}

QByteArray randomBytes(int count, unsigned seed)
{
    std::mt19937 draws(seed);
    QByteArray bytes(count, '\0');
    for (char& byte : bytes)
        byte = static_cast<char>(draws() & 0xFF);
    return bytes;
}

void write(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
    file.write(bytes);
}

// The same JPEG with its frame header claiming 60000 by 60000 pixels.
QByteArray claimingHugeSize(QByteArray jpeg)
{
    for (qsizetype i = 2; i + 9 < jpeg.size(); ++i) {
        const auto marker = static_cast<unsigned char>(jpeg[i + 1]);
        if (static_cast<unsigned char>(jpeg[i]) == 0xFF &&
            (marker == 0xC0 || marker == 0xC1 || marker == 0xC2)) {
            // Marker, length (2), precision (1), height (2), width (2); 60000 is EA60.
            for (qsizetype at : {i + 5, i + 7}) {
                jpeg[at] = static_cast<char>(0xEA);
                jpeg[at + 1] = static_cast<char>(0x60);
            }
            return jpeg;
        }
    }
    ADD_FAILURE() << "no frame header found";
    return jpeg;
}

// The same JPEG with a stretch in the middle of its coded data made all one bits, which no
// Huffman code is; the header and the end marker stay whole.
QByteArray withDamagedData(QByteArray jpeg)
{
    const qsizetype scan = jpeg.indexOf("\xFF\xDA");
    const qsizetype end = jpeg.lastIndexOf("\xFF\xD9");
    qsizetype middle = (scan + end) / 2;
    if (scan < 0 || end - scan < 64) {
        ADD_FAILURE() << "no coded data found";
        return jpeg;
    }
    while (static_cast<unsigned char>(jpeg[middle - 1]) == 0xFF)
        ++middle;
    for (int i = 0; i < 8; ++i)
        jpeg.replace(middle + 2 * i, 2, QByteArray("\xFF\x00", 2));
    return jpeg;
}

struct Variant {
    const char* name;
    const char* problem; // in the message; nullptr for a file that loads
    std::function<void(const QString& path, const QByteArray& good)> make;
};

const Variant kVariants[] = {
    {"missing", "missing", [](const QString& path, const QByteArray&) { QFile::remove(path); }},
    {"empty", "empty", [](const QString& path, const QByteArray&) { write(path, {}); }},
    {"cut short", "incomplete",
     [](const QString& path, const QByteArray& good) { write(path, good.left(good.size() / 2)); }},
    {"damaged picture data", "the picture's data is damaged (Corrupt JPEG data",
     [](const QString& path, const QByteArray& good) { write(path, withDamagedData(good)); }},
    {"bytes after the end of the picture", nullptr,
     [](const QString& path, const QByteArray& good) { write(path, good + randomBytes(4096, 3)); }},
    {"random bytes", "not a picture",
     [](const QString& path, const QByteArray&) { write(path, randomBytes(4096, 1)); }},
    {"a JPEG start and random bytes", "not a picture",
     [](const QString& path, const QByteArray&) {
         write(path, QByteArray("\xFF\xD8\xFF\xE0", 4) + randomBytes(4096, 2));
     }},
    {"a header claiming 60000 by 60000 pixels", "too large",
     [](const QString& path, const QByteArray& good) { write(path, claimingHugeSize(good)); }},
    {"a 64 MB file", "too large",
     [](const QString& path, const QByteArray&) {
         QFile file(path);
         ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
         ASSERT_TRUE(file.resize(64LL * 1024 * 1024));
     }},
    {"a link to an endless device", "not a file",
     [](const QString& path, const QByteArray&) {
         QFile::remove(path);
         ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), path));
     }},
    {"a folder in its place", "not a file",
     [](const QString& path, const QByteArray&) {
         QFile::remove(path);
         ASSERT_TRUE(QDir().mkpath(path));
     }},
};

class HostilePictures : public testing_support::ScreenTest {
protected:
    HostilePictures()
    {
        defineAllScreens(screens);
        shell::setPictureFolders({m_scratch.path()});
    }

    // The scratch folder holds every picture as built, then the hostile one in place of one.
    void lay(const Picture& picture, const Variant& variant)
    {
        const QDir built(QCoreApplication::applicationDirPath());
        for (const Picture& p : kPictures) {
            const QString relative = relativePath(p.name);
            const QString target = m_scratch.filePath(relative);
            QDir(target).removeRecursively();
            QFile::remove(target);
            QDir().mkpath(QFileInfo(target).path());
            ASSERT_TRUE(QFile::copy(built.filePath(relative), target)) << relative.toStdString();
        }
        QFile good(built.filePath(relativePath(picture.name)));
        ASSERT_TRUE(good.open(QIODevice::ReadOnly));
        variant.make(m_scratch.filePath(relativePath(picture.name)), good.readAll());
    }

    // Ends the program and checks that no screen outlives it.
    void endProgram()
    {
        screens.endProgram();
        EXPECT_TRUE(liveScreens().isEmpty());
        fatalMessages.clear();
    }

    QTemporaryDir m_scratch;
};

TEST_F(HostilePictures, EndInTheErrorPathOrTheTitleScreensFallback)
{
    const QStringList names = testing_support::everyScreenName();
    qsizetype loads = 0;
    long before = 0;
    for (const Picture& picture : kPictures) {
        for (const Variant& variant : kVariants) {
            SCOPED_TRACE(std::string(picture.name) + ", " + variant.name);
            lay(picture, variant);
            const QString file = QFileInfo(relativePath(picture.name)).fileName();
            int failed = 0;
            for (const QString& name : names) {
                SCOPED_TRACE(name.toStdString());
                if (!shell::runGuarded([&] { screens.show(name); })) {
                    ++failed;
                    ASSERT_EQ(fatalMessages.size(), 1);
                    const QString& message = fatalMessages.first();
                    // The copy, or the folder searched, and what is wrong, in one line.
                    ASSERT_TRUE(variant.problem);
                    EXPECT_TRUE(message.contains(file) && message.contains(QLatin1String(variant.problem)) &&
                                message.contains(QDir::toNativeSeparators(m_scratch.path())) &&
                                !message.contains(QLatin1Char('\n')))
                        << message.toStdString();
                    EXPECT_TRUE(screens.loadedNames().isEmpty())
                        << screens.loadedNames().join(' ').toStdString();
                } else {
                    EXPECT_TRUE(fatalMessages.isEmpty());
                    if (name == kTitle && picture.title) {
                        EXPECT_EQ(screenAs<shell::TitleScreen>(kTitle).Picture1->picture().isNull(),
                                  variant.problem != nullptr);
                    }
                }
                EXPECT_EQ(liveScreens().keys(), screens.loadedNames());
                endProgram();
                // The first picture's cases warm the caches; memory is measured from there on.
                if (++loads == names.size() * qsizetype(std::size(kVariants)))
                    before = residentBytes();
            }
            // The title picture alone is never fatal; every other bad picture stops some screen.
            EXPECT_EQ(failed == 0, picture.title || !variant.problem);
        }
    }
    const long growth = residentBytes() - before;
    std::printf("hostile pictures: %lld screen loads over %zu pictures and %zu kinds of bad file; resident "
                "memory grew by %.3f MB, peak %.1f MB\n",
                static_cast<long long>(loads), std::size(kPictures), std::size(kVariants), megabytes(growth),
                megabytes(peakResidentBytes()));
    if (!kSanitized) {
        EXPECT_LT(growth, 8L * 1024 * 1024);
        EXPECT_LT(peakResidentBytes(), 512L * 1024 * 1024);
    }
}

TEST_F(HostilePictures, FilesWhereTheProgramStartedShadowNothing)
{
    // Every picture hostile in the working folder; the program's own folder holds the built ones.
    shell::setPictureFolders({});
    const QString started = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(m_scratch.path()));
    for (const Variant& variant : kVariants) {
        SCOPED_TRACE(variant.name);
        for (const Picture& picture : kPictures) {
            const QString relative = relativePath(picture.name);
            QFile good(QCoreApplication::applicationDirPath() + QLatin1Char('/') + relative);
            ASSERT_TRUE(good.open(QIODevice::ReadOnly));
            const QString path = m_scratch.filePath(relative);
            QDir(path).removeRecursively();
            QFile::remove(path);
            QDir().mkpath(QFileInfo(path).path());
            variant.make(path, good.readAll());
        }
        for (const QString& name : testing_support::everyScreenName()) {
            SCOPED_TRACE(name.toStdString());
            EXPECT_TRUE(shell::runGuarded([&] { screens.show(name); }));
            EXPECT_TRUE(fatalMessages.isEmpty()) << fatalMessages.join('\n').toStdString();
            endProgram();
        }
    }
    QDir::setCurrent(started);
}

} // namespace
