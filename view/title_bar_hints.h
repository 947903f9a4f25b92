// Window-manager hints for a title bar without buttons.
#pragma once

class QWidget;

namespace valvetrain {

// Asks the window manager to decorate `window` with a border and a title only, and to offer
// moving as its one window function: no window menu, no minimize, maximize or close button.
// Creates the native window if needed. Does nothing on window systems without such hints.
void AskForTitleBarWithoutButtons(QWidget& window);

}  // namespace valvetrain
