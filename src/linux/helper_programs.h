#pragma once

#include <string>

// The programs of taktzeit's own that the command line starts for what it does not load itself: beside it in
// a build, in the libexec folder's taktzeit/ once installed. Empty when neither is there.
std::string helperProgram(const char* name);
