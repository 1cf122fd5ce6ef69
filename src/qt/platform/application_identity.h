#pragma once

// Names the program to the desktop once the application object is made: its name, its version, and the
// application id by which docks and task bars find its desktop entry, and so its name and icon.
void nameApplication();
