// How the screens appear to assistive technology (screen readers, switch access, voice control):
// a screen is a window named by its caption, a frame a group named by its caption, a clickable
// label a button or link with a press action, and an option button a radio button whose action
// chooses it as a click does. A label out of sight says nothing, so an answer stays unread
// until it is shown.
#pragma once

class QWidget;

namespace shell {

// Puts the above in place of Qt's own view of these controls; the first screen made calls it.
void installAccessibility();

// Tells assistive technology that the control has just come into sight and should be read out
// at once, without the user looking for it.
void announce(QWidget* control);

} // namespace shell
