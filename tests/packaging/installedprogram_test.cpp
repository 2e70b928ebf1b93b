// Run by install_test.sh from the installed bin/ folder, with a working directory that holds no
// pictures: the screens find every picture in the installed data folder, the double-density
// copies on a dense display, and the teacher's guide there too; and every screen in each of its
// states writes its layout, which install_test.sh compares between the two densities.
#include "screentest.h"

#include "allscreens.h"
#include "angles/anglesscreen.h"
#include "shell/activityscreen.h"
#include "shell/guide.h"
#include "shell/toolkit/pictures.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QGuiApplication>
#include <QImageReader>
#include <QTest>

namespace {

class InstalledProgram : public testing_support::ScreenTest {
protected:
    InstalledProgram() { defineAllScreens(screens); }
};

TEST_F(InstalledProgram, EveryPictureAndTheGuideComeFromTheInstalledDataFolder)
{
    const QDir data(QDir::cleanPath(QCoreApplication::applicationDirPath() + QStringLiteral("/../share/chalkface")));
    for (const QDir& bare : {QDir::current(), QDir(QCoreApplication::applicationDirPath())})
        ASSERT_FALSE(bare.exists(QStringLiteral("Images"))) << bare.path().toStdString();
    const qreal ratio = qGuiApp->devicePixelRatio() > 1 ? 2 : 1;
    // Every plain picture installed (install_test.sh checks the list), by the name the screens give it.
    QDirIterator pictures(data.path(), {QStringLiteral("*.jpg")}, QDir::Files, QDirIterator::Subdirectories);
    int count = 0;
    while (pictures.hasNext()) {
        const QString relative = data.relativeFilePath(pictures.next());
        if (relative.contains(QLatin1String("@2x")))
            continue;
        SCOPED_TRACE(relative.toStdString());
        ++count;
        const QPixmap picture = shell::loadPicture(QString(relative).replace(QLatin1Char('/'), QLatin1Char('\\')));
        EXPECT_EQ(picture.devicePixelRatio(), ratio);
        EXPECT_EQ(picture.deviceIndependentSize(), QSizeF(QImageReader(data.filePath(relative)).size()));
    }
    EXPECT_EQ(count, 8) << "the plain pictures of installed-files.txt";
    ASSERT_TRUE(data.exists(shell::kGuideFile));
    EXPECT_EQ(shell::guideAddress(), QUrl::fromLocalFile(data.absoluteFilePath(shell::kGuideFile)));
}

// One line per visible control of every screen in each state (opened, each mode chosen, the
// solution shown): its place and size in device-independent pixels and its text, written to the
// file CHALKFACE_LAYOUT_FILE names.
TEST_F(InstalledProgram, EveryScreenWritesItsLayoutInEachState)
{
    // A fixed seed: both densities show the same questions.
    seedActivities([] { return 20260611; });
    QStringList layout;
    for (const QString& name : testing_support::everyScreenName()) {
        shell::Screen& shown = screens.show(name);
        // The Angles screen makes its first question on a timer tick, which comes after the
        // first paint: a slow build (the sanitizers') takes longer than any fixed wait.
        auto* parallel = qobject_cast<angles::AnglesScreen*>(&shown);
        EXPECT_TRUE(QTest::qWaitFor([&] { return !parallel || !parallel->Timer1->isEnabled(); }));
        QList<QWidget*> steps{nullptr};
        if (auto* activity = qobject_cast<shell::ActivityScreen*>(&shown)) {
            for (QWidget* option : activity->findChildren<shell::OptionButton*>())
                steps << option;
            steps << activity->cmdsoln;
        }
        for (QWidget* step : steps) {
            if (step && !step->isVisible())
                continue;
            if (step) {
                click(step);
                QTest::qWait(20);
            }
            layout << name + QLatin1Char('-') + (step ? step->objectName() : QStringLiteral("opening"));
            for (QWidget* widget : shown.findChildren<QWidget*>()) {
                const QRect at = widget->geometry();
                if (widget->isVisibleTo(&shown))
                    layout << QStringLiteral("  %1 %2,%3 %4x%5 %6").arg(widget->objectName()).arg(at.x()).arg(at.y())
                                  .arg(at.width()).arg(at.height()).arg(widget->property("text").toString());
            }
        }
        screens.unload(name);
        settle();
    }
    EXPECT_TRUE(fatalMessages.isEmpty()) << fatalMessages.join('\n').toStdString();
    QFile out(qEnvironmentVariable("CHALKFACE_LAYOUT_FILE"));
    ASSERT_TRUE(out.open(QIODevice::WriteOnly)) << "set CHALKFACE_LAYOUT_FILE";
    out.write(layout.join(QLatin1Char('\n')).toUtf8());
}

} // namespace
