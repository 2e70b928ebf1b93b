#include "shell/activityscreen.h"

#include "shell/module1.h"
#include "shell/toolkit/accessibility.h"
#include "shell/toolkit/errors.h"
#include "shell/toolkit/fittedtext.h"
#include "shell/toolkit/pictures.h"
#include "shell/toolkit/screens.h"
#include "shell/toolkit/stage.h"
#include "shell/core/placement.h"
#include "shell/core/topictable.h"
#include "shell/worksheetdialog.h"

#include <QActionGroup>
#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>

#include <algorithm>

namespace shell {
namespace {

// The countdown's place in a window, in twips: a box in the corner the descriptor names.
constexpr double kCountdownWidth = 1740;
constexpr double kCountdownHeight = 1000;
constexpr double kCountdownMargin = 60;
// How often the countdown looks at the clock, in milliseconds.
constexpr int kCountdownTickMs = 100;

TwipRect countdownCorner(Corner corner)
{
    const double right = kClientWidthTwips - kCountdownMargin - kCountdownWidth;
    const double bottom = kClientHeightTwips - kCountdownMargin - kCountdownHeight;
    switch (corner) {
    case Corner::BottomLeft:
        return {kCountdownMargin, bottom, kCountdownWidth, kCountdownHeight};
    case Corner::RightMiddle:
        return {right, bottom / 2, kCountdownWidth, kCountdownHeight};
    case Corner::TopRight:
        break;
    }
    return {right, kCountdownMargin, kCountdownWidth, kCountdownHeight};
}

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

    cmdgo->onClick = [this] { newQuestion(); };
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
    m_activity = &activity;
    m_countdownText = new FittedText(this, QStringLiteral("countdown"));
    m_countdownText->hide();
    m_countdownTimer = new Timer(this, QStringLiteral("countdownTimer"), kCountdownTickMs);
    m_countdownTimer->onTick = [this] { updateCountdown(); };
}

ActivityScreen::~ActivityScreen()
{
    qApp->removeEventFilter(this);
    // It may stand on the stage window, which outlives the screen.
    delete m_countdownText.data();
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
        rememberQuestion();
        modeChosen(index);
        nextQuestion();
        m_countdown.restart(m_clock());
        updateCountdown();
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

// --- The last questions again ---------------------------------------------------------------

void ActivityScreen::newQuestion()
{
    if (nextMakesNewQuestion())
        rememberQuestion();
    nextQuestion();
    m_countdown.restart(m_clock());
    updateCountdown();
}

void ActivityScreen::rememberQuestion()
{
    if (!m_activity)
        return;
    if (!m_keptOnShow)
        m_kept.push_back(questionSnapshot());
    // Room for the new question, which is kept in its turn once it gives way.
    while (m_kept.size() >= kQuestionsKept)
        m_kept.pop_front();
    m_keptOnShow.reset();
}

bool ActivityScreen::hasPreviousQuestion() const
{
    return m_keptOnShow ? *m_keptOnShow > 0 : !m_kept.empty();
}

void ActivityScreen::showPreviousQuestion()
{
    if (!m_activity || !hasPreviousQuestion())
        return;
    if (!m_keptOnShow) {
        m_kept.push_back(questionSnapshot());
        m_keptOnShow = m_kept.size() - 1;
    }
    showKept(*m_keptOnShow - 1);
}

void ActivityScreen::showNextQuestion()
{
    if (!m_activity)
        return;
    if (m_keptOnShow && *m_keptOnShow + 1 < m_kept.size())
        showKept(*m_keptOnShow + 1);
    else if (cmdgo->isVisible() && cmdgo->isEnabled())
        cmdgo->click();
}

void ActivityScreen::showKept(std::size_t index)
{
    m_keptOnShow = index;
    restoreQuestion(m_kept[index]);
    m_countdown.restart(m_clock());
    updateCountdown();
}

void ActivityScreen::showModeChosen(int option)
{
    if (option >= 0 && static_cast<std::size_t>(option) < m_modeOptions.size())
        m_modeOptions[static_cast<std::size_t>(option)]->setChecked(true);
}

int ActivityScreen::modeOnShow() const
{
    for (std::size_t i = 0; i < m_modeOptions.size(); ++i) {
        if (m_modeOptions[i]->isChecked())
            return static_cast<int>(i);
    }
    return -1;
}

// --- The countdown ----------------------------------------------------------------------------

void ActivityScreen::setCountdown(int seconds)
{
    if (!m_activity)
        return;
    m_countdown.start(seconds, m_clock());
    m_countdownPhase = Countdown::Phase::Off;
    updateCountdown();
}

void ActivityScreen::nextCountdownLength()
{
    const std::span<const int> lengths(Countdown::kLengths);
    const auto at = std::find(lengths.begin(), lengths.end(), m_countdown.length());
    setCountdown(at == lengths.end() ? lengths.front() : at + 1 == lengths.end() ? 0 : *(at + 1));
}

void ActivityScreen::updateCountdown()
{
    if (!m_countdownText)
        return;
    const std::int64_t now = m_clock();
    const Countdown::Phase phase = m_countdown.phase(now);
    const bool reachedZero = m_countdownPhase == Countdown::Phase::Counting && phase != Countdown::Phase::Counting;
    m_countdownPhase = phase;
    m_countdownText->setText(qtext(m_countdown.text(now)));
    m_countdownText->setColour(phase == Countdown::Phase::TimesUp ? colour::yellow : colour::white);
    m_countdownTimer->setEnabled(phase == Countdown::Phase::Counting || phase == Countdown::Phase::TimesUp);
    // The stage may have settled on another scale since the last event that placed it.
    placeCountdown();
    if (reachedZero && m_solutionAtZero && !solutionShown())
        revealSolution();
}

void ActivityScreen::placeCountdown()
{
    if (!m_countdownText)
        return;
    const TwipRect corner = countdownCorner(m_activity->countdownCorner);
    const double s = scale();
    const QRect inCorner(toPixels(corner.left, s), toPixels(corner.top, s), toPixels(corner.width, s),
                         toPixels(corner.height, s));
    // The side bar right of the screen on the stage, where the countdown is about as large as
    // in the corner.
    QWidget* stage = isWindow() ? nullptr : parentWidget();
    const int bar = stage ? stage->width() - geometry().right() - 1 : 0;
    if (stage && bar * 10 >= inCorner.width() * 9) {
        if (m_countdownText->parentWidget() != stage)
            m_countdownText->setParent(stage);
        const int margin = bar / 16;
        const int width = bar - 2 * margin;
        m_countdownText->setGeometry(geometry().right() + 1 + margin, geometry().top() + margin, width,
                                     width * 3 / 4);
    } else {
        if (m_countdownText->parentWidget() != this)
            m_countdownText->setParent(this);
        m_countdownText->setGeometry(inCorner);
    }
    m_countdownText->raise();
    m_countdownText->setVisible(countdownOnShow());
}

bool ActivityScreen::countdownOnShow() const
{
    return !m_countdownText->text().isEmpty() && isVisible() && !isBlanked();
}

bool ActivityScreen::event(QEvent* event)
{
    const bool done = Screen::event(event);
    switch (event->type()) {
    case QEvent::Move:
    case QEvent::Resize:
    case QEvent::ParentChange:
    case QEvent::Show:
    case QEvent::Hide:
        placeCountdown();
        break;
    default:
        break;
    }
    return done;
}

// --- The worksheet ----------------------------------------------------------------------------

void ActivityScreen::openWorksheet()
{
    if (!m_activity)
        return;
    auto* dialog = new WorksheetDialog(this, *m_activity, std::max(0, modeOnShow()));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->open();
}

// --- The right-click menu ---------------------------------------------------------------------

void ActivityScreen::addMenuActions(QMenu& menu)
{
    if (!m_activity)
        return;
    QAction* previous = menu.addAction(tr("Previous question"), this, [this] { runGuarded([this] { showPreviousQuestion(); }); });
    previous->setShortcut(Qt::Key_P);
    previous->setEnabled(hasPreviousQuestion());
    menu.addAction(tr("Next question"), this, [this] { runGuarded([this] { showNextQuestion(); }); })
        ->setShortcut(Qt::Key_N);

    QMenu* timer = menu.addMenu(tr("Timer"));
    auto* lengths = new QActionGroup(timer);
    std::vector<int> choices(std::begin(Countdown::kLengths), std::end(Countdown::kLengths));
    choices.push_back(0);
    for (const int seconds : choices) {
        QAction* choice = timer->addAction(qtext(countdownLengthName(seconds)), this, [this, seconds] { setCountdown(seconds); });
        choice->setCheckable(true);
        choice->setChecked(seconds == m_countdown.length());
        lengths->addAction(choice);
    }
    timer->addSeparator();
    QAction* reveal = timer->addAction(tr("Show the solution at zero"), this, [this](bool checked) { m_solutionAtZero = checked; });
    reveal->setCheckable(true);
    reveal->setChecked(m_solutionAtZero);

    menu.addAction(tr("Worksheet\u2026"), this, [this] { openWorksheet(); })->setShortcut(Qt::Key_W);
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
    placeCountdown();
    runGuarded([this, blanked] { blankChanged(blanked); });
}

namespace {

// What a key from the keyboard or a presenter remote does on an activity screen.
enum class LessonKey { None, Blank, Forward, Back, Previous, Next, Timer, Worksheet, Swallowed };

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
    case Qt::Key_P:
        return LessonKey::Previous;
    case Qt::Key_N:
        return LessonKey::Next;
    case Qt::Key_T:
        return LessonKey::Timer;
    case Qt::Key_W:
        return LessonKey::Worksheet;
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
    case LessonKey::Previous:
        if (!isBlanked())
            runGuarded([this] { showPreviousQuestion(); });
        break;
    case LessonKey::Next:
        if (!isBlanked())
            runGuarded([this] { showNextQuestion(); });
        break;
    case LessonKey::Timer:
        nextCountdownLength();
        break;
    case LessonKey::Worksheet:
        openWorksheet();
        break;
    case LessonKey::Swallowed:
    case LessonKey::None:
        break;
    }
}

} // namespace shell
