// The window's icon, drawn in code: 32 x 32 pixels with alpha, used as both
// the large and the small icon.
#pragma once

#include <QImage>

QImage DrawWindowIcon();
