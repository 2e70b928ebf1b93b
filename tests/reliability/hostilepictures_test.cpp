// Hostile picture files: every picture the program loads, replaced in turn by a missing file, an
// empty one, one cut short, random bytes, a JPEG start followed by random bytes, a JPEG whose
// header claims 60000 by 60000 pixels, a file far too large, a link to an endless device, and a
// folder where the file should be. Each ends in the clear error path (the fatal handler called
// once with a message naming the file, the screen that needed it not loaded, no crash) or, for the
// title picture, in the title screen shown without it; memory stays bounded throughout.
#include "memorystats.h"
#include "screeninvariants.h"
#include "screentest.h"

#include "allscreens.h"
#include "shell/mainmenu.h"
#include "shell/titlescreen.h"
#include "shell/toolkit/errors.h"
#include "shell/toolkit/pictures.h"
#include "shell/topicmenu.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QTemporaryDir>

#include <cstdio>
#include <functional>
#include <random>

namespace {

using namespace reliability;

const QString kTitle = shell::TitleScreen::kName;

// How a picture is first needed on the way from the title screen into a lesson.
enum class Route { TitleScreen, MainMenu, Estimation, Mappings };

struct Picture {
    const char* name;
    Route route;
};

constexpr Picture kPictures[] = {
    {"opening\\orvan300.jpg", Route::TitleScreen}, {"Images\\logo2.jpg", Route::MainMenu},
    {"Images\\orvanta3.jpg", Route::MainMenu},     {"Images\\exit.jpg", Route::MainMenu},
    {"Images\\next.jpg", Route::Estimation},       {"Images\\solution.jpg", Route::Estimation},
    {"Images\\mapping3.jpg", Route::Mappings},     {"Images\\mapping4.jpg", Route::Mappings},
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

struct Variant {
    const char* name;
    std::function<void(const QString& path, const QByteArray& good)> make;
};

const Variant kVariants[] = {
    {"missing", [](const QString& path, const QByteArray&) { QFile::remove(path); }},
    {"empty", [](const QString& path, const QByteArray&) { write(path, {}); }},
    {"cut short",
     [](const QString& path, const QByteArray& good) { write(path, good.left(good.size() / 2)); }},
    {"random bytes", [](const QString& path, const QByteArray&) { write(path, randomBytes(4096, 1)); }},
    {"a JPEG start and random bytes",
     [](const QString& path, const QByteArray&) {
         write(path, QByteArray("\xFF\xD8\xFF\xE0", 4) + randomBytes(4096, 2));
     }},
    {"a header claiming 60000 by 60000 pixels",
     [](const QString& path, const QByteArray& good) { write(path, claimingHugeSize(good)); }},
    {"a 64 MB file",
     [](const QString& path, const QByteArray&) {
         QFile file(path);
         ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
         ASSERT_TRUE(file.resize(64LL * 1024 * 1024));
     }},
    {"a link to an endless device",
     [](const QString& path, const QByteArray&) {
         QFile::remove(path);
         ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), path));
     }},
    {"a folder in its place",
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
        // Qt's JPEG reader complains of each damaged file; the fatal handler is what counts here.
        QLoggingCategory::setFilterRules(QStringLiteral("qt.gui.imageio.jpeg=false"));
    }

    ~HostilePictures() override { QLoggingCategory::setFilterRules({}); }

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

    // Starts as the program does and clicks along the route; returns the screen that needs the
    // picture.
    QString follow(Route route)
    {
        EXPECT_TRUE(shell::runGuarded([&] { screens.show(kTitle); }));
        if (route == Route::TitleScreen)
            return kTitle;
        click(screenAs<shell::TitleScreen>(kTitle).Command1);
        if (route == Route::MainMenu)
            return shell::MainMenu::kName;
        const bool estimation = route == Route::Estimation;
        click(screenAs<shell::MainMenu>(shell::MainMenu::kName).Label2[estimation ? 4 : 1]);
        settle();
        auto& menu =
            screenAs<shell::TopicMenu>(estimation ? QStringLiteral("menu5") : QStringLiteral("menu2"));
        click(menu.Label3[estimation ? 1 : 3]);
        return estimation ? QStringLiteral("sigfig") : QStringLiteral("mappings");
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

TEST_F(HostilePictures, EachEndsInTheErrorPathOrTheTitleScreensFallback)
{
    int tried = 0;
    long before = 0;
    for (const Picture& picture : kPictures) {
        for (const Variant& variant : kVariants) {
            SCOPED_TRACE(std::string(picture.name) + ", " + variant.name);
            lay(picture, variant);
            const QString needing = follow(picture.route);
            settle();
            const QString file = QFileInfo(relativePath(picture.name)).fileName();
            if (picture.route == Route::TitleScreen) {
                // The title screen goes on without its picture, silently, and its buttons work.
                EXPECT_TRUE(fatalMessages.isEmpty()) << fatalMessages.join('\n').toStdString();
                auto& title = screenAs<shell::TitleScreen>(kTitle);
                EXPECT_TRUE(title.isVisible());
                EXPECT_TRUE(title.Picture1->picture().isNull());
                click(title.Command1);
                settle();
                EXPECT_TRUE(screens.find(shell::MainMenu::kName) &&
                            screens.find(shell::MainMenu::kName)->isVisible());
            } else {
                ASSERT_EQ(fatalMessages.size(), 1);
                EXPECT_TRUE(fatalMessages.first().contains(file)) << fatalMessages.first().toStdString();
                EXPECT_FALSE(screens.isLoaded(needing));
                EXPECT_EQ(liveScreens().keys(), screens.loadedNames());
            }
            endProgram();
            ++tried;
            // The first case warms the caches; memory is measured from there on.
            if (tried == 1)
                before = residentBytes();
        }
    }
    const long growth = residentBytes() - before;
    std::printf("hostile pictures: %d cases along the routes into a lesson; resident memory grew by %.3f MB, "
                "peak %.1f MB\n",
                tried, megabytes(growth), megabytes(peakResidentBytes()));
    if (!kSanitized) {
        EXPECT_LT(growth, 8L * 1024 * 1024);
        EXPECT_LT(peakResidentBytes(), 512L * 1024 * 1024);
    }
}

// Every screen of the program, loaded directly with each hostile picture in place: each loads,
// or fails naming the picture and leaves nothing of itself behind.
TEST_F(HostilePictures, NoScreenLoadsPastABadPictureOrLeavesItselfHalfLoaded)
{
    QStringList names{kTitle, shell::MainMenu::kName, QStringLiteral("links")};
    for (int menu = 1; menu <= 5; ++menu) {
        names << QStringLiteral("menu%1").arg(menu);
        for (const QString& name :
             {QStringLiteral("parallel"), QStringLiteral("mappings"), QStringLiteral("compoundunits"),
              QStringLiteral("sigfig"), QStringLiteral("polygons"), QStringLiteral("money")}) {
            if (!names.contains(name))
                names << name;
        }
    }
    int loads = 0;
    for (const Picture& picture : kPictures) {
        for (const Variant& variant : kVariants) {
            SCOPED_TRACE(std::string(picture.name) + ", " + variant.name);
            lay(picture, variant);
            const QString file = QFileInfo(relativePath(picture.name)).fileName();
            int failed = 0;
            for (const QString& name : names) {
                SCOPED_TRACE(name.toStdString());
                ++loads;
                if (!shell::runGuarded([&] { screens.show(name); })) {
                    ++failed;
                    ASSERT_EQ(fatalMessages.size(), 1);
                    EXPECT_TRUE(fatalMessages.first().contains(file)) << fatalMessages.first().toStdString();
                    EXPECT_TRUE(screens.loadedNames().isEmpty())
                        << screens.loadedNames().join(' ').toStdString();
                }
                EXPECT_EQ(liveScreens().keys(), screens.loadedNames());
                endProgram();
            }
            // The title picture alone is never fatal; every other picture stops some screen.
            EXPECT_EQ(failed == 0, picture.route == Route::TitleScreen);
        }
    }
    std::printf("hostile pictures: %d screen loads over %zu pictures and %zu kinds of bad file\n", loads,
                std::size(kPictures), std::size(kVariants));
}

} // namespace
