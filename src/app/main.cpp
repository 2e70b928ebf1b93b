// Chalkface: short, randomly made mathematics exercises for a whole class.
#include "program.h"

int main(int argc, char* argv[])
{
    return runProgram(argc, argv);
}
