// The few entry points of GTK 3 and GLib that the desktop message box uses,
// resolved at run time: the program has no link-time dependency on a
// toolkit, runs where none is installed and starts none unless a box is to be
// shown.
#ifndef TELLAN_PLATFORM_POSIX_GTKENTRYPOINTS_H
#define TELLAN_PLATFORM_POSIX_GTKENTRYPOINTS_H

namespace platform {
namespace gtk {

// The values of GTK's enumerations that are used, as GTK 3 defines them.
enum MessageType { kMessageInfo = 0, kMessageWarning = 1, kMessageQuestion = 2, kMessageError = 3, kMessageOther = 4 };
constexpr int kDialogModal = 1;
constexpr int kButtonsOk = 1;
constexpr int kResponseOk = -5;
constexpr int kWindowPositionCenter = 1;
constexpr int kIconSizeDialog = 6;

struct PollFd {  // GPollFD, laid out as struct pollfd
  int fd;
  unsigned short events;
  unsigned short revents;
};
using PollFunction = int (*)(PollFd* fds, unsigned count, int timeoutMs);
using Callback = void (*)();

struct EntryPoints {
  int (*initCheck)(int* argc, char*** argv);
  void* (*messageDialogNew)(void* parent, int flags, int type, int buttons, const char* format, ...);
  void* (*imageNewFromIconName)(const char* iconName, int size);
  void (*messageDialogSetImage)(void* dialog, void* image);
  void (*windowSetTitle)(void* window, const char* title);
  void (*windowSetPosition)(void* window, int position);
  void (*windowSetKeepAbove)(void* window, int setting);
  void (*dialogSetDefaultResponse)(void* dialog, int responseId);
  void (*widgetShowAll)(void* widget);
  void (*widgetDestroy)(void* widget);
  unsigned long (*signalConnectData)(void* instance, const char* signal, Callback handler, void* data,
                                     void* destroyData, int flags);
  int (*mainContextIteration)(void* context, int mayBlock);
  int (*mainContextPending)(void* context);
  PollFunction (*mainContextGetPollFunc)(void* context);
  void (*mainContextSetPollFunc)(void* context, PollFunction function);
};

// GTK 3 loaded and initialised on the session's display: null when there is
// no display (neither WAYLAND_DISPLAY nor DISPLAY set), GTK is not installed
// or it cannot open the display. Tried once per process; the library stays
// loaded for the later boxes.
const EntryPoints* InitialisedGtk();

}  // namespace gtk
}  // namespace platform

#endif
