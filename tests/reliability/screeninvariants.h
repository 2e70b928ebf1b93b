// What must hold of the program's screens whatever happens to them: no screen outlives its
// unloading, and none is alive twice.
#pragma once

#include "shell/toolkit/screen.h"

#include <QApplication>
#include <QMap>

namespace reliability {

// The top-level screens that exist as widgets, by name, counted. Deferred deletions are done
// first, so an unloaded screen no longer counts.
inline QMap<QString, int> liveScreens()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QMap<QString, int> live;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* screen = qobject_cast<shell::Screen*>(widget))
            ++live[screen->name()];
    }
    return live;
}

} // namespace reliability
