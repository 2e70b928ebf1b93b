// The links screen behind "WWW Links": a short list of well-known free mathematics resources for
// teachers, each opening in the browser, the teacher's guide installed with the program, and an
// exit button back to the screen it came from.
#pragma once

#include "shell/toolkit/controls.h"
#include "shell/toolkit/screen.h"

namespace shell {

class LinksScreen : public Screen {
    Q_OBJECT
public:
    static inline const QString kName = QStringLiteral("links");

    struct Link {
        const char* title;
        const char* description;
        const char* address;
    };
    static const Link kLinks[6];

    explicit LinksScreen(Screens& screens);
    void load() override;

    // The screen the exit button returns to (the main menu unless told otherwise).
    void setReturnScreen(const QString& name) { m_returnScreen = name; }
    QString returnScreen() const { return m_returnScreen; }

    Label* Label1;
    LabelArray Label3; // resource names
    LabelArray Label4; // one-line descriptions
    Label* Label5;     // the teacher's guide
    CommandButton* Command1;

private:
    QString m_returnScreen = QStringLiteral("intro0");
};

} // namespace shell
