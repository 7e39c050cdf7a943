#pragma once
#include <functional>

namespace desktop {

// Runs one thing the user did (a key, a click, a menu choice, the close
// box) against the screens. An error that no handler of the screens dealt
// with is shown as a run-time error box and the program goes on; a desktop
// program must not vanish under its user because of one failed action.
void RunUserAction(const std::function<void()>& action);

} // namespace desktop
