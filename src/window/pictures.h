#pragma once

#include <QCursor>
#include <QPixmap>

// The pictures built into the program: the 32 x 32 logo and the pointing-hand cursor of the web link.
QPixmap logoPicture();
QCursor handCursor();
