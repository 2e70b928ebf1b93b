// Hostile picture files: each picture the program loads replaced in turn by a missing, empty,
// cut-short, damaged, random, huge or endless file, or a folder. Every screen then loads, or fails
// in the clear error path (one one-line message naming the copy and what is wrong, nothing of the
// screen left behind); the title picture alone is never fatal. Memory stays bounded throughout.
#include "screeninvariants.h"
#include "screentest.h"

#include "allscreens.h"
#include "shell/titlescreen.h"
#include "shell/toolkit/errors.h"
#include "shell/toolkit/pictures.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <algorithm>
#include <cstring>
#include <fstream>
#include <random>
#include <string>

#include <malloc.h>

namespace {

using namespace reliability;

// Resident memory in bytes once the allocator has handed back what it keeps free, or the highest
// so far (VmHWM), from /proc/self/status.
long residentBytes(const char* field = "VmRSS:")
{
    malloc_trim(0);
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);) {
        if (line.starts_with(field))
            return std::stol(line.substr(std::strlen(field))) * 1024;
    }
    return 0;
}

// The title screen's picture, which it can do without, comes first.
const char* const kPictures[] = {"opening/orvan300.jpg", "Images/logo2.jpg",    "Images/orvanta3.jpg",
                                 "Images/exit.jpg",      "Images/next.jpg",     "Images/solution.jpg",
                                 "Images/mapping3.jpg",  "Images/mapping4.jpg"};

QByteArray randomBytes(int count, unsigned seed)
{
    std::mt19937 draws(seed);
    QByteArray bytes(count, '\0');
    for (char& byte : bytes)
        byte = static_cast<char>(draws() & 0xFF);
    return bytes;
}

bool write(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// The same JPEG with its frame header claiming 60000 by 60000 pixels: after the marker, length
// (2) and precision (1) come height (2) and width (2); 60000 is EA60.
QByteArray claimingHugeSize(QByteArray jpeg)
{
    const qsizetype frame = jpeg.indexOf("\xFF\xC0");
    EXPECT_GT(frame, 0) << "no frame header found";
    return jpeg.replace(frame + 5, 2, "\xEA\x60").replace(frame + 7, 2, "\xEA\x60");
}

// The same JPEG with a stretch in the middle of its coded data made all one bits, which no
// Huffman code is; the header and the end marker stay whole.
QByteArray withDamagedData(QByteArray jpeg)
{
    const qsizetype scan = jpeg.indexOf("\xFF\xDA");
    const qsizetype end = jpeg.lastIndexOf("\xFF\xD9");
    EXPECT_TRUE(scan > 0 && end - scan >= 64) << "no coded data found";
    qsizetype middle = (scan + end) / 2;
    while (static_cast<unsigned char>(jpeg[middle - 1]) == 0xFF)
        ++middle;
    for (int i = 0; i < 8; ++i)
        jpeg.replace(middle + 2 * i, 2, QByteArray("\xFF\x00", 2));
    return jpeg;
}

using Path = const QString&;
using Good = const QByteArray&; // the built picture's bytes

struct Variant {
    const char* name;
    const char* problem;          // in the message; nullptr for a file that loads
    bool (*make)(Path, Good good); // puts the hostile file in its place; false when it cannot
};

// clang-format off
const Variant kVariants[] = {
    {"missing", "missing", [](Path, Good) { return true; }},
    {"empty", "empty", [](Path path, Good) { return write(path, {}); }},
    {"cut short", "incomplete", [](Path path, Good good) { return write(path, good.left(good.size() / 2)); }},
    {"damaged picture data", "the picture's data is damaged (Corrupt JPEG data",
     [](Path path, Good good) { return write(path, withDamagedData(good)); }},
    {"bytes after the end of the picture", nullptr,
     [](Path path, Good good) { return write(path, good + randomBytes(4096, 3)); }},
    {"random bytes", "not a picture", [](Path path, Good) { return write(path, randomBytes(4096, 1)); }},
    {"a JPEG start and random bytes", "not a picture",
     [](Path path, Good) { return write(path, QByteArray("\xFF\xD8\xFF\xE0", 4) + randomBytes(4096, 2)); }},
    {"a header claiming 60000 by 60000 pixels", "too large",
     [](Path path, Good good) { return write(path, claimingHugeSize(good)); }},
    {"a 64 MB file", "too large",
     [](Path path, Good) { return write(path, {}) && QFile::resize(path, 64LL << 20); }},
    {"a link to an endless device", "not a file",
     [](Path path, Good) { return QFile::link("/dev/zero", path); }},
    {"a folder in its place", "not a file", [](Path path, Good) { return QDir().mkpath(path); }},
};
// clang-format on

class HostilePictures : public testing_support::ScreenTest {
protected:
    HostilePictures()
    {
        defineAllScreens(screens);
        shell::setPictureFolders({m_scratch.path()});
    }

    // The scratch folder holds every picture as built, except those named, made hostile.
    void lay(const std::vector<const char*>& hostile, const Variant& variant)
    {
        for (const char* picture : kPictures) {
            const QString target = m_scratch.filePath(picture);
            QDir(target).removeRecursively();
            QFile::remove(target);
            QDir().mkpath(QFileInfo(target).path());
            QFile good(QCoreApplication::applicationDirPath() + QLatin1Char('/') + picture);
            ASSERT_TRUE(good.open(QIODevice::ReadOnly)) << picture;
            const bool kept = std::ranges::find(hostile, picture) == hostile.end();
            ASSERT_TRUE(kept ? write(target, good.readAll()) : variant.make(target, good.readAll()))
                << picture;
        }
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
    for (const char* picture : kPictures) {
        const bool title = picture == kPictures[0];
        for (const Variant& variant : kVariants) {
            SCOPED_TRACE(std::string(picture) + ", " + variant.name);
            lay({picture}, variant);
            int failed = 0;
            for (const QString& name : names) {
                SCOPED_TRACE(name.toStdString());
                if (!shell::runGuarded([&] { screens.show(name); })) {
                    ++failed;
                    ASSERT_EQ(fatalMessages.size(), 1);
                    const QString& message = fatalMessages.first();
                    // The copy, or the folder searched, and what is wrong, in one line.
                    ASSERT_TRUE(variant.problem);
                    EXPECT_TRUE(message.contains(QFileInfo(picture).fileName()) &&
                                message.contains(variant.problem) &&
                                message.contains(QDir::toNativeSeparators(m_scratch.path())) &&
                                !message.contains(QLatin1Char('\n')))
                        << message.toStdString();
                    EXPECT_TRUE(screens.loadedNames().isEmpty())
                        << screens.loadedNames().join(' ').toStdString();
                } else {
                    EXPECT_TRUE(fatalMessages.isEmpty());
                    if (name == shell::TitleScreen::kName && title) {
                        EXPECT_EQ(screenAs<shell::TitleScreen>(name).Picture1->picture().isNull(),
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
            EXPECT_EQ(failed == 0, title || !variant.problem);
        }
    }
    // AddressSanitizer keeps freed memory in quarantine; its leak checker speaks there instead.
#if !defined(__SANITIZE_ADDRESS__)
    EXPECT_LT(residentBytes() - before, 8L * 1024 * 1024);
    EXPECT_LT(residentBytes("VmHWM:"), 512L * 1024 * 1024);
#endif
}

TEST_F(HostilePictures, FilesWhereTheProgramStartedShadowNothing)
{
    // Every picture hostile in the working folder; the program's own folder holds the built ones.
    shell::setPictureFolders({});
    const QString started = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(m_scratch.path()));
    for (const Variant& variant : kVariants) {
        SCOPED_TRACE(variant.name);
        lay({std::begin(kPictures), std::end(kPictures)}, variant);
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
