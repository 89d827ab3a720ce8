// The kinds of message box on Linux, from the one a desktop user sees to the
// one nobody may read. SystemMessageBox takes the first that can be shown.
// Each returns once the box is dismissed, or at once after a stop signal
// (StopSignals.h).
#ifndef TELLAN_PLATFORM_POSIX_MESSAGEBOXKINDS_H
#define TELLAN_PLATFORM_POSIX_MESSAGEBOXKINDS_H

#include <string>

namespace platform {

// A GTK dialog on the desktop session's display; false when there is no
// display, GTK cannot be loaded or cannot open the display.
bool ShowDesktopMessageBox(const std::string& text, const std::string& caption, unsigned style);

// On the controlling terminal, waiting for Enter; false without one.
bool ShowTerminalMessageBox(const std::string& text, const std::string& caption, unsigned style);

// Written to standard error; nobody can answer, so it does not wait.
void ShowMessageOnStandardError(const std::string& text, const std::string& caption, unsigned style);

// The style's sign, e.g. "(X) " for the error icon, followed by the title.
std::string SignedHeading(const std::string& caption, unsigned style);

// Writes all of text unless the stream fails or a stop signal interrupts it.
void WriteAll(int fd, const std::string& text);

}  // namespace platform

#endif
