#include "shell/toolkit/units.h"

namespace shell {
namespace {

double g_stageScale = 1;

} // namespace

double stageScale()
{
    return g_stageScale;
}

} // namespace shell
