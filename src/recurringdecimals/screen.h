// The Recurring Decimals screen, `recurringdecimals`: the standard activity screen.
#pragma once

namespace shell {
class Screens;
}

namespace recurringdecimals {

void defineScreens(shell::Screens& screens);

} // namespace recurringdecimals
