// Every screen of the program, known by name: the shell's and each activity's.
#pragma once

namespace shell {
class Screens;
}

void defineAllScreens(shell::Screens& screens);
