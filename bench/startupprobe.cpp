// The program as the start-up benchmark runs it: the very same start-up, and once the title
// screen has been painted it says "painted" on its output and leaves at once, so that the time,
// the processor time and the memory to the first paint can be taken from outside.
#include "program.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>

#include <cstdio>
#include <cstdlib>

namespace {

class QuitAfterFirstPaint : public QObject {
protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            // Queued, so that the paint is finished and flushed first.
            QMetaObject::invokeMethod(
                qApp,
                [] {
                    std::puts("painted");
                    std::fflush(stdout);
                    // Tearing the program down would only add to what is measured.
                    std::_Exit(0);
                },
                Qt::QueuedConnection);
        }
        return false;
    }
};

} // namespace

int main(int argc, char* argv[])
{
    QuitAfterFirstPaint quitAfterFirstPaint;
    return runProgram(argc, argv, [&](QWidget& title) { title.installEventFilter(&quitAfterFirstPaint); });
}
