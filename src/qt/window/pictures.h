#pragma once

#include <QCursor>
#include <QIcon>

// The pictures built into the program: the 32 x 32 logo (with a 64 x 64 drawing of it for screens that
// scale by two) and the pointing-hand cursor of the web link.
QIcon logoIcon();
QCursor handCursor();
