#pragma once

class QWidget;

namespace corvella {

// The main window and the About window keep the fixed layout they were drawn in, measured for
// the English texts. A translation may run longer: a label, button or option whose text would
// no longer fit is then set a little smaller, half a point at a time down to a floor, instead
// of being cut off. Texts that fit are left as they are, so the English window never changes.
void fitTextsToControls(QWidget* window);

// Whether a label's or button's text fits inside it as drawn: a wrapped label's lines within its
// height, any other text on one line within its width. Other controls always fit.
bool textFits(const QWidget* control);

} // namespace corvella
