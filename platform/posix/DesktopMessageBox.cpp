// Message boxes on the desktop: a GTK 3 message dialog with no parent.
#include <poll.h>

#include "platform/Services.h"
#include "platform/posix/GtkEntryPoints.h"
#include "platform/posix/MessageBoxKinds.h"
#include "platform/posix/StopSignals.h"
#include "platform/posix/Utf8FromLocale.h"

namespace platform {
namespace {

static_assert(sizeof(gtk::PollFd) == sizeof(pollfd), "GPollFD is laid out as struct pollfd");

// The message loop waits here, so that a stop signal ends its wait.
int PollForGtk(gtk::PollFd* fds, unsigned count, int timeoutMs) {
  return PollOrStop(reinterpret_cast<pollfd*>(fds), count, timeoutMs);
}

struct Kind {
  int messageType;
  const char* iconName;  // null: no icon
};

Kind KindOfStyle(unsigned style) {
  switch (style & kIconMask) {
    case kIconError:
      return {gtk::kMessageError, "dialog-error"};
    case kIconQuestion:
      return {gtk::kMessageQuestion, "dialog-question"};
    case kIconWarning:
      return {gtk::kMessageWarning, "dialog-warning"};
    case kIconInformation:
      return {gtk::kMessageInfo, "dialog-information"};
    default:
      return {gtk::kMessageOther, nullptr};
  }
}

// Any answer counts as OK: the button, Enter, Escape or closing the window.
void OnResponse(void* /*dialog*/, int /*responseId*/, void* answered) { *static_cast<bool*>(answered) = true; }

}  // namespace

bool ShowDesktopMessageBox(const std::string& text, const std::string& caption, unsigned style) {
  // Held back from here on, so that every thread the toolkit starts leaves
  // the stop signals to this one, and this one takes them only while it waits.
  StopSignalsHeld held;
  const gtk::EntryPoints* gtk = gtk::InitialisedGtk();
  if (gtk == nullptr) return false;

  // "%s": the text is shown as it is, never read as a format or as markup.
  Kind kind = KindOfStyle(style);
  void* dialog = gtk->messageDialogNew(nullptr, gtk::kDialogModal, kind.messageType, gtk::kButtonsOk, "%s",
                                       Utf8FromLocale(text).c_str());
  if (dialog == nullptr) return false;
  // GTK 3 message dialogs show no icon of their own any more.
  if (kind.iconName != nullptr) {
    gtk->messageDialogSetImage(dialog, gtk->imageNewFromIconName(kind.iconName, gtk::kIconSizeDialog));
  }
  gtk->windowSetTitle(dialog, Utf8FromLocale(caption).c_str());
  gtk->windowSetPosition(dialog, gtk::kWindowPositionCenter);
  gtk->windowSetKeepAbove(dialog, 1);
  gtk->dialogSetDefaultResponse(dialog, gtk::kResponseOk);
  bool answered = false;
  gtk->signalConnectData(dialog, "response", reinterpret_cast<gtk::Callback>(&OnResponse), &answered, nullptr, 0);

  gtk::PollFunction previousPoll = gtk->mainContextGetPollFunc(nullptr);
  gtk->mainContextSetPollFunc(nullptr, &PollForGtk);
  gtk->widgetShowAll(dialog);
  while (!answered && !StopRequested()) gtk->mainContextIteration(nullptr, 1);
  gtk->widgetDestroy(dialog);
  // Let the window leave the screen before the run goes on.
  for (int i = 0; i < 100 && gtk->mainContextPending(nullptr); ++i) gtk->mainContextIteration(nullptr, 0);
  gtk->mainContextSetPollFunc(nullptr, previousPoll);
  return true;
}

}  // namespace platform
