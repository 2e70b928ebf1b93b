// The floor that the start-up benchmark measures Chalkface against: the least a Qt Widgets
// program does to put one empty window of the title screen's size on the display. Like the
// program under the benchmark's switch, it says "painted" once its window has been painted and
// leaves at once. Built for the benchmark only; never installed.
#include <QApplication>
#include <QWidget>

#include <cstdio>
#include <cstdlib>

namespace {

// The title screen's client area, 5460 by 6570 twips at 15 twips to the pixel.
constexpr int kWidthPixels = 364;
constexpr int kHeightPixels = 438;

class EmptyWindow : public QWidget {
protected:
    void paintEvent(QPaintEvent*) override
    {
        if (m_painted)
            return;
        m_painted = true;
        // Queued, so that the paint is finished and flushed first.
        QMetaObject::invokeMethod(
            qApp,
            [] {
                std::puts("painted");
                std::fflush(stdout);
                std::_Exit(0);
            },
            Qt::QueuedConnection);
    }

private:
    bool m_painted = false;
};

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    EmptyWindow window;
    window.setFixedSize(kWidthPixels, kHeightPixels);
    window.show();
    return app.exec();
}
