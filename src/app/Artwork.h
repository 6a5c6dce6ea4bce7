#pragma once

#include <QIcon>
#include <QPixmap>

// The program's own pictures, painted in code.

// The splash picture: 207 x 254 pixels, a handheld computer beside a larkspur spike.
QPixmap splashPicture();
// 16 x 16 window icons.
QIcon mainWindowIcon();
QIcon documentWindowIcon();
