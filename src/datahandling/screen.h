// The `data` screen: the standard activity frame, the table and the bar chart drawn as its figure.
#pragma once

namespace shell {
class Screens;
}

namespace datahandling {

void defineScreens(shell::Screens& screens);

} // namespace datahandling
