// The Trial and Improvement screen: the standard activity frame.
#pragma once

namespace shell {
class Screens;
}

namespace trialandimprovement {

void defineScreens(shell::Screens& screens);

} // namespace trialandimprovement
