#pragma once

#include <QPixmap>

// The program's logo for the About box, 135 by 65 pixels: a hat with name slips flying
// out of it, beside the program's name.
QPixmap aboutLogo();
