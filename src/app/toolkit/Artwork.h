#pragma once

#include <QIcon>
#include <QPixmap>

// The program's own pictures, painted in code.

// The splash picture: 207 x 254 pixels, a handheld computer beside a larkspur spike, painted
// with `ratio` device pixels to each of them.
QPixmap splashPicture(qreal ratio);
// 16 x 16 window icons, painted afresh at every size and pixel ratio they are shown at.
QIcon mainWindowIcon();
QIcon documentWindowIcon();
