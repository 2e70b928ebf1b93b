// The whole program as one call, so that the program's main and a measuring build of it (the
// start-up benchmark's) run the very same start-up.
#pragma once

#include <functional>

class QWidget;

// Reads the command line, sets up Qt and the fonts, defines every screen, shows the title screen
// and runs until the program ends; returns the exit status. `beforeTitle`, when given, sees the
// title screen just before it is first shown.
int runProgram(int argc, char* argv[], const std::function<void(QWidget& title)>& beforeTitle = {});
