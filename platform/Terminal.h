#pragma once

// True when the program's standard error goes to a terminal (a progress line makes sense).
bool errorsGoToTerminal();
