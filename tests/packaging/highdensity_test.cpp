// The screens on a display twice as dense (ctest runs this with QT_SCALE_FACTOR=2): every picture
// comes from its double-density copy at its plain size, a faulty copy falls back to the plain
// picture, pictures reach the display pixel for pixel, and every screen keeps the layout it has
// at ratio 1, which a copy of this test started at QT_SCALE_FACTOR=1 reports.
#include "allpictures.h"
#include "screentest.h"

#include "allscreens.h"
#include "angles/anglesscreen.h"
#include "shell/activityscreen.h"
#include "shell/toolkit/errors.h"
#include "shell/toolkit/pictures.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

using shell::ActivityScreen;

// Set in the copy started at ratio 1: where it writes its layout instead of checking.
const char* const kLayoutFileVariable = "CHALKFACE_LAYOUT_FILE";

QByteArray builtPicture(const QString& relative)
{
    QFile file(QCoreApplication::applicationDirPath() + QLatin1Char('/') + relative);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << relative.toStdString() << " lies beside the test";
    return file.readAll();
}

// One line per visible control: its name, its place and size in device-independent pixels, and
// its text.
QStringList layoutOf(QWidget& screen, const QString& state)
{
    QStringList lines{QStringLiteral("%1 %2x%3").arg(state).arg(screen.width()).arg(screen.height())};
    for (QWidget* widget : screen.findChildren<QWidget*>()) {
        if (!widget->isVisibleTo(&screen))
            continue;
        QString text;
        if (auto* label = qobject_cast<QLabel*>(widget))
            text = label->text();
        else if (auto* button = qobject_cast<QAbstractButton*>(widget))
            text = button->text();
        const QString name = widget->objectName().isEmpty() ? QLatin1String(widget->metaObject()->className())
                                                            : widget->objectName();
        const QRect place = widget->geometry();
        lines << QStringLiteral("  %1 %2,%3 %4x%5 %6")
                     .arg(name)
                     .arg(place.x())
                     .arg(place.y())
                     .arg(place.width())
                     .arg(place.height())
                     .arg(text.replace(QLatin1Char('\n'), QLatin1String("\\n")));
    }
    return lines;
}

class HighDensity : public testing_support::ScreenTest {
protected:
    HighDensity()
    {
        defineAllScreens(screens);
        // Activity screens draw from a fixed seed, so both ratios show the same questions.
        seedActivities([] { return 20260611; });
    }

    // Shows every screen in each of its states (each mode option, the solution shown), hands
    // each state to `visit` under a name of its own, and unloads it again.
    void visitEveryScreen(const std::function<void(QWidget&, const QString&)>& visit)
    {
        for (const QString& name : testing_support::everyScreenName()) {
            shell::Screen& shown = screens.show(name);
            // The Angles screen makes its first question on a timer tick, which comes after the
            // first paint: a slow build (the sanitizers') takes longer than any fixed wait.
            auto* parallel = qobject_cast<angles::AnglesScreen*>(&shown);
            EXPECT_TRUE(QTest::qWaitFor([&] { return !parallel || !parallel->Timer1->isEnabled(); }));
            visit(shown, name);
            if (auto* activity = qobject_cast<ActivityScreen*>(&shown)) {
                int option = 0;
                for (auto* button : activity->findChildren<shell::OptionButton*>()) {
                    if (!button->isVisible())
                        continue;
                    click(button);
                    QTest::qWait(20);
                    visit(shown, QStringLiteral("%1-option%2").arg(name).arg(++option));
                }
                if (activity->cmdsoln->isVisible()) {
                    click(activity->cmdsoln);
                    visit(shown, name + QStringLiteral("-solution"));
                }
            }
            screens.unload(name);
            settle();
        }
    }
};

TEST_F(HighDensity, EveryPictureComesFromItsDoubleDensityCopyAtItsPlainSize)
{
    ASSERT_EQ(qGuiApp->devicePixelRatio(), 2.0) << "run with QT_SCALE_FACTOR=2";
    for (const QString& name : testing_support::kAllPictures) {
        SCOPED_TRACE(name.toStdString());
        const QPixmap plain = shell::loadPicture(name, 1);
        const QPixmap dense = shell::loadPicture(name);
        EXPECT_EQ(plain.devicePixelRatio(), 1.0);
        EXPECT_EQ(dense.devicePixelRatio(), 2.0);
        EXPECT_EQ(dense.size(), plain.size() * 2);
        EXPECT_EQ(dense.deviceIndependentSize(), QSizeF(plain.size()));
    }
}

TEST_F(HighDensity, AFaultyDoubleDensityCopyGivesWayToThePlainPicture)
{
    const QByteArray plain = builtPicture(QStringLiteral("Images/exit.jpg"));
    const QByteArray dense = builtPicture(QStringLiteral("Images/exit@2x.jpg"));
    const QSize plainSize(110, 33);
    enum class Shows { Dense, Plain, Nothing };
    const struct {
        const char* name;
        QByteArray plain;    // empty: no plain file
        QByteArray dense;    // empty: no copy beside it
        bool denseElsewhere; // the copy lies in a later folder, not beside the plain file
        qreal ratio;
        Shows shows;
        const char* problem; // when nothing is shown
    } cases[] = {
        {"copy at ratio 2", plain, dense, false, 2, Shows::Dense, ""},
        {"copy at ratio 1.5", plain, dense, false, 1.5, Shows::Dense, ""},
        {"ratio 1 keeps the plain picture", plain, dense, false, 1, Shows::Plain, ""},
        {"no copy", plain, {}, false, 2, Shows::Plain, ""},
        {"copy only in another folder", plain, dense, true, 2, Shows::Plain, ""},
        {"copy cut short", plain, dense.left(dense.size() / 2), false, 2, Shows::Plain, ""},
        {"copy not a picture", plain, QByteArray(2000, 'x'), false, 2, Shows::Plain, ""},
        {"copy the plain size", plain, plain, false, 2, Shows::Plain, ""},
        {"copy but no plain file", {}, dense, false, 2, Shows::Nothing, "missing"},
        {"plain file cut short", plain.left(plain.size() / 2), dense, false, 2, Shows::Nothing, "incomplete"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir first;
        QTemporaryDir second;
        const auto write = [](const QTemporaryDir& folder, const char* name, const QByteArray& data) {
            if (data.isEmpty())
                return;
            QDir(folder.path()).mkpath(QStringLiteral("Images"));
            QFile file(folder.filePath(QLatin1String(name)));
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write(data);
        };
        write(first, "Images/exit.jpg", c.plain);
        write(c.denseElsewhere ? second : first, "Images/exit@2x.jpg", c.dense);
        shell::setPictureFolders({first.path(), second.path()});

        try {
            const QPixmap picture = shell::loadPicture(QStringLiteral("Images\\exit.jpg"), c.ratio);
            ASSERT_NE(c.shows, Shows::Nothing);
            EXPECT_EQ(picture.deviceIndependentSize(), QSizeF(plainSize));
            EXPECT_EQ(picture.devicePixelRatio(), c.shows == Shows::Dense ? 2.0 : 1.0);
        } catch (const shell::FatalError& error) {
            EXPECT_EQ(c.shows, Shows::Nothing) << error.message().toStdString();
            EXPECT_TRUE(error.message().contains(QLatin1String(c.problem))) << error.message().toStdString();
        }
    }
}

TEST_F(HighDensity, PicturesReachTheDisplayPixelForPixel)
{
    const struct {
        const char* screen;
        const char* control;
        const char* copy;
    } cases[] = {
        {"Titlefrm", "Picture1", "opening/orvan300@2x.jpg"}, {"intro0", "Image2", "Images/logo2@2x.jpg"},
        {"sigfig", "cmdgo", "Images/next@2x.jpg"},           {"sigfig", "cmdsoln", "Images/solution@2x.jpg"},
        {"sigfig", "cmdexit", "Images/exit@2x.jpg"},         {"mappings", "Image1", "Images/mapping3@2x.jpg"},
        {"mappings", "Image2", "Images/mapping4@2x.jpg"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.control);
        screens.show(QLatin1String(c.screen));
        QWidget* widget = control(QLatin1String(c.screen), QLatin1String(c.control));
        ASSERT_NE(widget, nullptr);
        const QImage expected =
            QImage::fromData(builtPicture(QLatin1String(c.copy))).convertToFormat(QImage::Format_RGB32);
        const QImage shown = widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
        ASSERT_EQ(shown.size(), widget->size() * 2);
        EXPECT_TRUE(shown.copy(QRect(QPoint(0, 0), expected.size())) == expected);
        screens.unload(QLatin1String(c.screen));
        settle();
    }
}

TEST_F(HighDensity, EveryScreenKeepsItsLayout)
{
    QStringList layout;
    visitEveryScreen([&](QWidget& screen, const QString& state) {
        layout << layoutOf(screen, state);
        if (!qEnvironmentVariableIsSet(kLayoutFileVariable))
            screenshot(screen, QStringLiteral("x2-%1.png").arg(state));
    });
    EXPECT_TRUE(fatalMessages.isEmpty()) << fatalMessages.join('\n').toStdString();

    if (qEnvironmentVariableIsSet(kLayoutFileVariable)) {
        QFile out(qEnvironmentVariable(kLayoutFileVariable));
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(layout.join(QLatin1Char('\n')).toUtf8());
        return;
    }

    QTemporaryDir scratch;
    const QString file = scratch.filePath(QStringLiteral("layout.txt"));
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_SCALE_FACTOR"), QStringLiteral("1"));
    environment.insert(QLatin1String(kLayoutFileVariable), file);
    QProcess plain;
    plain.setProcessEnvironment(environment);
    plain.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    plain.start(QCoreApplication::applicationFilePath(),
                {QStringLiteral("--gtest_filter=HighDensity.EveryScreenKeepsItsLayout")});
    ASSERT_TRUE(plain.waitForFinished(120000));
    ASSERT_EQ(plain.exitCode(), 0) << plain.readAllStandardOutput().toStdString();
    QFile in(file);
    ASSERT_TRUE(in.open(QIODevice::ReadOnly));
    const QStringList plainLayout = QString::fromUtf8(in.readAll()).split(QLatin1Char('\n'));

    ASSERT_EQ(layout.size(), plainLayout.size());
    for (qsizetype i = 0; i < layout.size(); ++i)
        EXPECT_EQ(layout[i], plainLayout[i]);
}

} // namespace
