// The screens on a display twice as dense (ctest runs this with QT_SCALE_FACTOR=2): pictures come
// from their double-density copies, a faulty copy falls back to the plain picture, and pictures
// reach the display pixel for pixel. install_test.sh compares the layouts at both densities.
#include "screentest.h"

#include "allscreens.h"
#include "shell/toolkit/errors.h"
#include "shell/toolkit/pictures.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace {

QByteArray builtPicture(const QString& relative)
{
    QFile file(QCoreApplication::applicationDirPath() + QLatin1Char('/') + relative);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << relative.toStdString() << " lies beside the test";
    return file.readAll();
}

class HighDensity : public testing_support::ScreenTest {
protected:
    HighDensity() { defineAllScreens(screens); }
};

TEST_F(HighDensity, AFaultyDoubleDensityCopyGivesWayToThePlainPicture)
{
    const QByteArray plain = builtPicture(QStringLiteral("Images/exit.jpg"));
    const QByteArray dense = builtPicture(QStringLiteral("Images/exit@2x.jpg"));
    // The plain file and the copy (empty: none), whether the copy lies in a later folder rather
    // than beside the plain file, the display's ratio, and the ratio of what is shown (0: nothing,
    // the program stops with the problem named).
    const struct {
        QByteArray plain, dense;
        bool denseElsewhere;
        qreal ratio, shown;
        const char* problem;
    } cases[] = {
        {plain, dense, false, 2, 2, ""},
        {plain, dense, false, 1.5, 2, ""},
        {plain, dense, false, 1, 1, ""}, // a plain display keeps the plain picture
        {plain, {}, false, 2, 1, ""},
        {plain, dense, true, 2, 1, ""}, // the copy in another folder
        {plain, dense.left(dense.size() / 2), false, 2, 1, ""}, // cut short
        {plain, QByteArray(2000, 'x'), false, 2, 1, ""}, // not a picture
        {plain, plain, false, 2, 1, ""}, // the plain size
        {{}, dense, false, 2, 0, "missing"},
        {plain.left(plain.size() / 2), dense, false, 2, 0, "incomplete"}, // the plain file cut short
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(&c - cases);
        QTemporaryDir first, second;
        for (const auto& [folder, name, data] : {std::tuple{&first, "Images/exit.jpg", c.plain},
                                                 {c.denseElsewhere ? &second : &first, "Images/exit@2x.jpg", c.dense}}) {
            QDir(folder->path()).mkpath(QStringLiteral("Images"));
            QFile file(folder->filePath(QLatin1String(name)));
            ASSERT_TRUE(data.isEmpty() || (file.open(QIODevice::WriteOnly) && file.write(data) == data.size()));
        }
        shell::setPictureFolders({first.path(), second.path()});
        try {
            const QPixmap picture = shell::loadPicture(QStringLiteral("Images\\exit.jpg"), c.ratio);
            EXPECT_EQ(picture.deviceIndependentSize(), QSizeF(110, 33));
            EXPECT_EQ(picture.devicePixelRatio(), c.shown);
        } catch (const shell::FatalError& error) {
            EXPECT_TRUE(c.shown == 0 && error.message().contains(QLatin1String(c.problem)))
                << error.message().toStdString();
        }
    }
}

TEST_F(HighDensity, PicturesReachTheDisplayPixelForPixel)
{
    const char* const cases[][3] = {{"Titlefrm", "Picture1", "opening/orvan300@2x.jpg"},
                                    {"intro0", "Image2", "Images/logo2@2x.jpg"},
                                    {"sigfig", "cmdgo", "Images/next@2x.jpg"}};
    for (const auto& [screen, name, copy] : cases) {
        SCOPED_TRACE(name);
        QWidget* widget = screens.show(QLatin1String(screen)).control(QLatin1String(name), Qt::CaseSensitive);
        ASSERT_NE(widget, nullptr);
        const QImage expected =
            QImage::fromData(builtPicture(QLatin1String(copy))).convertToFormat(QImage::Format_RGB32);
        const QImage shown = widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
        ASSERT_EQ(shown.size(), widget->size() * 2);
        EXPECT_TRUE(shown.copy(QRect(QPoint(0, 0), expected.size())) == expected);
        screens.unload(QLatin1String(screen));
        settle();
    }
}

} // namespace
