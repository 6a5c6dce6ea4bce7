#pragma once

#include <QIcon>
#include <QPixmap>

// The program's own pictures, painted in code but for its icon.

// The splash picture: 207 x 254 pixels, a handheld computer beside a larkspur spike, painted
// with `ratio` device pixels to each of them.
QPixmap splashPicture(qreal ratio);
// The program's icon as the desktop has it, every size drawn from the SVG files at build time,
// 16 pixels from a design of their own.
QIcon mainWindowIcon();
// A 16 x 16 window icon, painted afresh at every size and pixel ratio it is shown at.
QIcon documentWindowIcon();
