#pragma once
// Where the start-up screen, the menus and the import screen open: sized to
// shares of the screen, their top left corner a tenth of the screen in from
// the screen's.

namespace forms {
class Form;
}

void PlaceOnScreen(forms::Form& form, double widthShare, double heightShare);
