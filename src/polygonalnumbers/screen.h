// The Polygonal Numbers screen, `polygonalnumbers`: the standard activity screen.
#pragma once

namespace shell {
class Screens;
}

namespace polygonalnumbers {

void defineScreens(shell::Screens& screens);

} // namespace polygonalnumbers
