// The font of the labels and the buttons.
#pragma once

#include <QFont>

// kCaptionFont's face first, then faces that carry the same Chinese glyphs on
// Linux; Qt picks the first one installed and substitutes when none is.
QFont CaptionFont();
