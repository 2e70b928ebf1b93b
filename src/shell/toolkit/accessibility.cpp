#include "shell/toolkit/accessibility.h"

#include "shell/toolkit/controls.h"
#include "shell/toolkit/screen.h"

#include <QAccessible>
#include <QAccessibleWidget>

namespace shell {
namespace {

// A text of a control that is out of sight is empty.
bool inSight(const QWidget* control)
{
    return control->isVisibleTo(control->window());
}

// A control whose name, unless it is given one, is the text it shows.
class CaptionedInterface : public QAccessibleWidget {
public:
    using QAccessibleWidget::QAccessibleWidget;

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
            return caption();
        return QAccessibleWidget::text(t);
    }

protected:
    virtual QString caption() const = 0;
};

class LabelInterface : public CaptionedInterface {
public:
    explicit LabelInterface(Label* label)
        : CaptionedInterface(label)
    {
    }

    QAccessible::Role role() const override
    {
        if (!label()->isClickable())
            return QAccessible::StaticText;
        return label()->clickKind() == ClickKind::Link ? QAccessible::Link : QAccessible::Button;
    }

    QString text(QAccessible::Text t) const override
    {
        return inSight(label()) ? CaptionedInterface::text(t) : QString();
    }

    QStringList actionNames() const override
    {
        QStringList names = QAccessibleWidget::actionNames();
        if (label()->isClickable())
            names.prepend(pressAction());
        return names;
    }

    void doAction(const QString& action) override
    {
        if (action == pressAction() && label()->isClickable())
            label()->press();
        else
            QAccessibleWidget::doAction(action);
    }

protected:
    QString caption() const override { return label()->caption(); }

private:
    Label* label() const { return static_cast<Label*>(widget()); }
};

class OptionInterface : public CaptionedInterface {
public:
    explicit OptionInterface(OptionButton* option)
        : CaptionedInterface(option, QAccessible::RadioButton)
    {
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.checkable = true;
        state.checked = option()->isChecked();
        return state;
    }

    QStringList actionNames() const override
    {
        return QStringList(toggleAction()) + QAccessibleWidget::actionNames();
    }

    // Chosen as by a click, so the screen hears of it even when the option is chosen already.
    void doAction(const QString& action) override
    {
        if (action == toggleAction())
            option()->click();
        else
            QAccessibleWidget::doAction(action);
    }

    QStringList keyBindingsForAction(const QString& action) const override
    {
        if (action == toggleAction() && !option()->shortcut().isEmpty())
            return {option()->shortcut().toString(QKeySequence::NativeText)};
        return QAccessibleWidget::keyBindingsForAction(action);
    }

protected:
    QString caption() const override { return option()->text(); }

private:
    OptionButton* option() const { return static_cast<OptionButton*>(widget()); }
};

class FrameInterface : public CaptionedInterface {
public:
    explicit FrameInterface(Frame* frame)
        : CaptionedInterface(frame, QAccessible::Grouping)
    {
    }

protected:
    QString caption() const override { return static_cast<Frame*>(widget())->caption(); }
};

QAccessibleInterface* controlInterface(const QString& className, QObject* object)
{
    const auto is = [&](const QMetaObject& kind) { return className == QLatin1String(kind.className()); };
    if (is(Label::staticMetaObject))
        return new LabelInterface(static_cast<Label*>(object));
    if (is(OptionButton::staticMetaObject))
        return new OptionInterface(static_cast<OptionButton*>(object));
    if (is(Frame::staticMetaObject))
        return new FrameInterface(static_cast<Frame*>(object));
    // Named by its caption, as every window is.
    if (is(Screen::staticMetaObject))
        return new QAccessibleWidget(static_cast<Screen*>(object), QAccessible::Window);
    return nullptr;
}

} // namespace

void installAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(&controlInterface);
        return true;
    }();
    Q_UNUSED(installed);
}

void announce(QWidget* control)
{
    QAccessibleEvent event(control, QAccessible::Alert);
    QAccessible::updateAccessibility(&event);
}

} // namespace shell
