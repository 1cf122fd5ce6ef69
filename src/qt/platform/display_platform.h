#pragma once

#include <QString>

// Where a local X server ":N" keeps its socket "XN".
inline constexpr char kXSocketDirectory[] = "/tmp/.X11-unix";

// On a Wayland session with an X server at hand (XWayland), runs the program through it: only an X client
// can place its window in the centre and learn that it was minimized. A platform the user chose, with
// QT_QPA_PLATFORM or -platform, always wins; without XWayland the program runs natively. Call before the
// application object is made; true when it chose XWayland, through QT_QPA_PLATFORM.
bool preferXWaylandOnWayland(int argc, char* argv[], const QString& xSocketDirectory = QString(kXSocketDirectory));

// Call once the application object is made, with what preferXWaylandOnWayland returned: programs started
// from the window, the browser among them, choose their own platform again.
void forgetPreferredPlatform(bool preferred);
