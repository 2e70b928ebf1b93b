#include "shell/toolkit/screens.h"

#include "shell/toolkit/screen.h"
#include "shell/toolkit/stage.h"

#include <QCoreApplication>

namespace shell {

Screens::Screens()
    : m_stage(std::make_unique<Stage>(*this))
{
}

Screens::~Screens()
{
    // The screens first: those on the stage are children of its window.
    for (Screen* screen : std::as_const(m_loaded))
        delete screen;
    for (const QPointer<Screen>& screen : m_unloading)
        delete screen.data();
}

void Screens::define(const QString& name, Factory factory)
{
    m_factories.insert(name, std::move(factory));
}

QStringList Screens::loadedNames() const
{
    QStringList names = m_loaded.keys();
    names.sort();
    return names;
}

Screen& Screens::get(const QString& name)
{
    if (Screen* screen = m_loaded.value(name))
        return *screen;
    const auto factory = m_factories.find(name);
    if (factory == m_factories.end())
        throw std::logic_error("no screen is named " + name.toStdString());

    std::unique_ptr<Screen> screen((*factory)(*this));
    // The screen is known by its name while its load step runs, as it is afterwards.
    m_loaded.insert(name, screen.get());
    try {
        ++m_loadCounts[name];
        screen->load();
    } catch (...) {
        m_loaded.remove(name);
        throw;
    }
    emit loaded(name);
    return *screen.release();
}

Screen& Screens::show(const QString& name)
{
    Screen& screen = get(name);
    if (m_stage->isOn() && screen.takesFullScreen()) {
        m_stage->present(screen);
        return screen;
    }
    screen.show();
    screen.raise();
    screen.activateWindow();
    return screen;
}

void Screens::setFullScreen(bool on, Screen* from)
{
    m_stage->setOn(on, from);
}

bool Screens::isFullScreen() const
{
    return m_stage->isOn();
}

void Screens::unload(const QString& name)
{
    if (Screen* screen = m_loaded.value(name))
        unload(*screen);
}

void Screens::unload(Screen& screen)
{
    const QString name = screen.name();
    if (m_loaded.value(name) != &screen)
        return;
    m_loaded.remove(name);
    screen.hide();
    m_stage->screenHidden();
    // Deleted once control returns to the event loop: the screen may be unloading itself from
    // one of its own handlers.
    m_unloading.erase(std::remove_if(m_unloading.begin(), m_unloading.end(),
                                     [](const QPointer<Screen>& s) { return s.isNull(); }),
                      m_unloading.end());
    m_unloading.emplace_back(&screen);
    screen.deleteLater();
    emit unloaded(name);
}

void Screens::endProgram()
{
    const auto names = m_loaded.keys();
    for (const QString& name : names)
        unload(name);
    QCoreApplication::quit();
}

} // namespace shell
