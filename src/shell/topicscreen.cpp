#include "shell/topicscreen.h"

namespace shell {
namespace {

QString text(std::string_view view)
{
    return QString::fromUtf8(view.data(), static_cast<qsizetype>(view.size()));
}

Label* makeLine(QWidget* screen, const char* name, TwipRect place, FontSpec font, Rgb colour,
                const QString& caption)
{
    auto* label = new Label(screen, QLatin1String(name));
    label->setTwipGeometry(place);
    label->setFontSpec(font);
    label->setForeColor(colour);
    label->setAlign(Align::Centre);
    label->setCaption(caption);
    return label;
}

} // namespace

TopicScreen::TopicScreen(Screens& screens, const Topic& topic)
    : ActivityScreen(screens, text(topic.screen), text(topic.caption))
{
    Label1 = makeLine(this, "Label1", {600, 1200, 10680, 1200}, {"Tahoma", 36, true}, colour::yellow,
                      text(topic.caption));
    Label2 = makeLine(this, "Label2", {600, 3000, 10680, 1500}, {"Tahoma", 21.75}, colour::white,
                      text(topic.description));
    Label3 = makeLine(this, "Label3", {1200, 5100, 9480, 1000}, {"Tahoma", 18, true}, colour::yellow, kNotYet);
    cmdgo->setVisible(false);
    cmdsoln->setVisible(false);
}

} // namespace shell
