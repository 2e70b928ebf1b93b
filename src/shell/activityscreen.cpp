#include "shell/activityscreen.h"

#include "shell/module1.h"
#include "shell/toolkit/accessibility.h"
#include "shell/toolkit/errors.h"
#include "shell/toolkit/pictures.h"
#include "shell/toolkit/screens.h"
#include "shell/toolkit/stage.h"
#include "shell/core/topictable.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>

namespace shell {
namespace {

CommandButton* panelButton(Frame* panel, const char* name, const char* accessibleName)
{
    auto* button = new CommandButton(panel, QLatin1String(name));
    button->setAccessibleName(QLatin1String(accessibleName));
    button->setTabStop(false);
    return button;
}

// A black cover over the whole window; a click on it uncovers the screen, so the mouse alone
// can always bring the lesson back.
class BlankCover : public QWidget {
public:
    BlankCover(QWidget* window, Handler uncover)
        : QWidget(window)
        , m_uncover(std::move(uncover))
    {
        setObjectName(QStringLiteral("blank"));
        setAutoFillBackground(true);
        QPalette palette = this->palette();
        palette.setColor(QPalette::Window, Qt::black);
        setPalette(palette);
        setAttribute(Qt::WA_NoMousePropagation);
        hide();
    }

protected:
    void mouseReleaseEvent(QMouseEvent* event) override
    {
        event->accept();
        fire(m_uncover);
    }

private:
    Handler m_uncover;
};

} // namespace

ActivityScreen::ActivityScreen(Screens& screens, const QString& name, const QString& caption,
                               const QString& panelName)
    : Screen(screens, name)
{
    setCaption(caption);
    Framestatus = new Frame(this, panelName);
    Framestatus->setBorder(false);
    cmdgo = panelButton(Framestatus, "cmdgo", "Next question");
    cmdsoln = panelButton(Framestatus, "cmdsoln", "Show solution");
    cmdexit = panelButton(Framestatus, "cmdexit", "Exit");

    cmdgo->onClick = [this] { nextQuestion(); };
    cmdsoln->onClick = [this] { revealSolution(); };
    cmdexit->onClick = [this] {
        this->screens().show(returnMenu());
        this->screens().unload(*this);
    };
    setExitButton(cmdexit);

    m_blank = new BlankCover(this, [this] {
        if (isBlanked())
            toggleBlank();
    });
    qApp->installEventFilter(this);
}

ActivityScreen::ActivityScreen(Screens& screens, const Activity& activity, const QString& panelName)
    : ActivityScreen(screens, qtext(activity.screen), qtext(activity.caption), panelName)
{
}

ActivityScreen::~ActivityScreen()
{
    qApp->removeEventFilter(this);
}

QString ActivityScreen::returnMenu() const
{
    const auto menu = menuOfScreen(name().toStdString());
    return QStringLiteral("menu%1").arg(menu.value_or(1));
}

OptionButton* ActivityScreen::addModeOption(const QString& name, const QString& caption,
                                            const TwipRect& place, double points)
{
    auto* option = new OptionButton(this, name, caption);
    option->setTwipGeometry(place);
    option->setFontSpec({"Tahoma", points, true});
    option->setForeColor(colour::yellow);
    const int index = static_cast<int>(m_modeOptions.size());
    option->setShortcut(QKeySequence(Qt::Key_1 + index));
    option->onClick = [this, index] {
        modeChosen(index);
        nextQuestion();
    };
    m_modeOptions.push_back(option);
    return option;
}

std::vector<OptionButton*> ActivityScreen::addModeOptions(const Activity& activity,
                                                          std::span<const TwipRect> places)
{
    std::vector<OptionButton*> options;
    for (std::size_t i = 0; i < activity.modes.size(); ++i)
        options.push_back(addModeOption(QStringLiteral("Option%1").arg(i + 1), qtext(activity.modes[i].caption),
                                        places[i]));
    if (!options.empty())
        options.front()->setChecked(true);
    return options;
}

void ActivityScreen::load()
{
    setscreen(*this);
    setBackColor(colour::screenBlue);
    for (OptionButton* option : m_modeOptions)
        option->setBackColor(colour::screenBlue);
    for (Frame* frame : m_ownFrames)
        frame->setBackColor(colour::screenBlue);
    cmdexit->setPicture(loadPicture(kExitPicture));
    cmdgo->setPicture(loadPicture(kNextPicture));
    cmdsoln->setPicture(loadPicture(kSolutionPicture));
    loadActivity();
    startFirstQuestion();
}

void ActivityScreen::revealSolution()
{
    QList<Label*> hidden;
    for (Label* label : findChildren<Label*>()) {
        if (!label->isVisibleTo(this))
            hidden << label;
    }
    showSolution();
    for (Label* label : std::as_const(hidden)) {
        if (label->isVisibleTo(this) && !label->caption().isEmpty())
            announce(label);
    }
}

bool ActivityScreen::isBlanked() const
{
    return m_blank->isVisible();
}

void ActivityScreen::resizeEvent(QResizeEvent* event)
{
    Screen::resizeEvent(event);
    m_blank->setGeometry(rect());
}

void ActivityScreen::toggleBlank()
{
    const bool blanked = !isBlanked();
    if (blanked) {
        m_blank->setGeometry(rect());
        m_blank->raise();
        m_blank->show();
    } else {
        m_blank->hide();
    }
    runGuarded([this, blanked] { blankChanged(blanked); });
}

namespace {

// What a key from the keyboard or a presenter remote does on an activity screen.
enum class LessonKey { None, Blank, Forward, Back, Swallowed };

LessonKey lessonKey(int key)
{
    switch (key) {
    case Qt::Key_B:
    case Qt::Key_Period:
        return LessonKey::Blank;
    case Qt::Key_PageDown:
    case Qt::Key_Down:
    case Qt::Key_Right:
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return LessonKey::Forward;
    case Qt::Key_PageUp:
    case Qt::Key_Up:
    case Qt::Key_Left:
        return LessonKey::Back;
    case Qt::Key_Escape:
    case Qt::Key_F5:
        // A remote's slideshow button sends these: they must not leave the lesson.
        return LessonKey::Swallowed;
    default:
        return LessonKey::None;
    }
}

} // namespace

bool ActivityScreen::eventFilter(QObject* watched, QEvent* event)
{
    // Keys are taken at the window, before a focused control (a button, an option) could act
    // on them.
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::ShortcutOverride)
        return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    auto* key = static_cast<QKeyEvent*>(event);
    if (!widget || screenOf(widget) != this || lessonKey(key->key()) == LessonKey::None)
        return false;
    if (event->type() == QEvent::ShortcutOverride) {
        key->accept();
        return false;
    }
    if (!key->isAutoRepeat())
        handleKey(key->key());
    return true;
}

void ActivityScreen::forwardKey()
{
    CommandButton* button = solutionShown() ? cmdgo : cmdsoln;
    if (button->isVisible() && button->isEnabled())
        button->click();
}

void ActivityScreen::handleKey(int key)
{
    switch (lessonKey(key)) {
    case LessonKey::Blank:
        toggleBlank();
        break;
    case LessonKey::Forward:
        if (!isBlanked())
            runGuarded([this] { forwardKey(); });
        break;
    case LessonKey::Back:
        if (!isBlanked())
            runGuarded([this] { backKey(); });
        break;
    case LessonKey::Swallowed:
    case LessonKey::None:
        break;
    }
}

} // namespace shell
