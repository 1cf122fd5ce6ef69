#pragma once

#include <string_view>

// Shows the text as a passing desktop notification through the notification service on the session's D-Bus,
// named for taktzeit's desktop entry; without a session bus, nothing. Nothing is waited for.
void notifyOnDesktop(std::string_view utf8);
