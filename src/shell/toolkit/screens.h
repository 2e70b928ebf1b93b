// The screens of the program by name: each is created on first use and runs its load step
// then, lives until it is unloaded, and is created afresh (load step and all) when it is used
// again. Reading a screen that is not loaded creates and loads it without showing it. In full
// screen the screens are shown on the stage (stage.h).
#pragma once

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <stdexcept>
#include <vector>

namespace shell {

class Screen;
class Stage;

class Screens : public QObject {
    Q_OBJECT
public:
    using Factory = std::function<Screen*(Screens&)>;

    Screens();
    ~Screens() override;

    void define(const QString& name, Factory factory);
    bool isDefined(const QString& name) const { return m_factories.contains(name); }
    // The factory of that name, or an empty one; tests wrap it (to seed a screen's draws, say).
    Factory factory(const QString& name) const { return m_factories.value(name); }

    // The loaded screen of that name, or nullptr; never creates one.
    Screen* find(const QString& name) const { return m_loaded.value(name); }
    bool isLoaded(const QString& name) const { return m_loaded.contains(name); }
    QStringList loadedNames() const;
    QList<Screen*> loadedScreens() const { return m_loaded.values(); }

    // The screen of that name, created and loaded (but not shown) when it is not loaded.
    // A load step that fails leaves nothing loaded and passes its error on.
    Screen& get(const QString& name);
    template <class T>
    T& get(const QString& name)
    {
        if (auto* screen = qobject_cast<T*>(&get(name)))
            return *screen;
        throw std::logic_error("screen " + name.toStdString() + " is not of the expected kind");
    }

    // Shows the screen (loading it first when needed) and brings it to the front: on the stage in
    // full screen, unless it is a screen that never goes full screen.
    Screen& show(const QString& name);

    // Full screen on or off; `from` is the screen the user asked on, whose display the stage
    // fills. It stays on from screen to screen until it is turned off.
    void setFullScreen(bool on, Screen* from = nullptr);
    bool isFullScreen() const;
    Stage& stage() const { return *m_stage; }

    // Destroys the screen; safe from within one of its own handlers.
    void unload(const QString& name);
    void unload(Screen& screen);

    // Unloads every screen and ends the event loop.
    void endProgram();

    // How many times the load step of that name has run (for tests and diagnostics).
    int loadCount(const QString& name) const { return m_loadCounts.value(name); }

signals:
    void loaded(const QString& name);
    void unloaded(const QString& name);

private:
    QHash<QString, Factory> m_factories;
    QHash<QString, Screen*> m_loaded;
    QHash<QString, int> m_loadCounts;
    std::vector<QPointer<Screen>> m_unloading;
    std::unique_ptr<Stage> m_stage;
};

} // namespace shell
