#pragma once
// Where the start-up screen, the menus and the import screen open: sized to
// shares of the screen, their top left corner a tenth of the screen in from
// the screen's, or nearer where that would put part of them off the screen.

namespace forms {
class Form;
}

void PlaceOnScreen(forms::Form& form, double widthShare, double heightShare);
