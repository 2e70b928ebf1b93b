// The Finding A Percentage screen, `findingapercentage`: the standard activity screen.
#pragma once

namespace shell {
class Screens;
}

namespace findingapercentage {

void defineScreens(shell::Screens& screens);

} // namespace findingapercentage
