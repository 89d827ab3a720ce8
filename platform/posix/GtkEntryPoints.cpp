#include "platform/posix/GtkEntryPoints.h"

#include <dlfcn.h>

#include <cstdlib>

namespace platform {
namespace gtk {
namespace {

bool IsSet(const char* name) {
  const char* value = std::getenv(name);
  return value != nullptr && *value != '\0';
}

template <typename Function>
bool Resolve(void* library, const char* name, Function* function) {
  *function = reinterpret_cast<Function>(dlsym(library, name));
  return *function != nullptr;
}

bool Load(EntryPoints* gtk) {
  // Never closed: GTK cannot be unloaded safely once it has run.
  void* library = dlopen("libgtk-3.so.0", RTLD_NOW | RTLD_LOCAL);
  if (library == nullptr) return false;
  // GLib's symbols are reached through GTK's own dependencies.
  return Resolve(library, "gtk_init_check", &gtk->initCheck) &&
         Resolve(library, "gtk_message_dialog_new", &gtk->messageDialogNew) &&
         Resolve(library, "gtk_image_new_from_icon_name", &gtk->imageNewFromIconName) &&
         Resolve(library, "gtk_message_dialog_set_image", &gtk->messageDialogSetImage) &&
         Resolve(library, "gtk_window_set_title", &gtk->windowSetTitle) &&
         Resolve(library, "gtk_window_set_position", &gtk->windowSetPosition) &&
         Resolve(library, "gtk_window_set_keep_above", &gtk->windowSetKeepAbove) &&
         Resolve(library, "gtk_dialog_set_default_response", &gtk->dialogSetDefaultResponse) &&
         Resolve(library, "gtk_widget_show_all", &gtk->widgetShowAll) &&
         Resolve(library, "gtk_widget_destroy", &gtk->widgetDestroy) &&
         Resolve(library, "g_signal_connect_data", &gtk->signalConnectData) &&
         Resolve(library, "g_main_context_iteration", &gtk->mainContextIteration) &&
         Resolve(library, "g_main_context_pending", &gtk->mainContextPending) &&
         Resolve(library, "g_main_context_get_poll_func", &gtk->mainContextGetPollFunc) &&
         Resolve(library, "g_main_context_set_poll_func", &gtk->mainContextSetPollFunc);
}

const EntryPoints* LoadAndInitialise() {
  if (!IsSet("WAYLAND_DISPLAY") && !IsSet("DISPLAY")) return nullptr;
  static EntryPoints gtk{};
  if (!Load(&gtk) || !gtk.initCheck(nullptr, nullptr)) return nullptr;
  return &gtk;
}

}  // namespace

const EntryPoints* InitialisedGtk() {
  static const EntryPoints* const gtk = LoadAndInitialise();
  return gtk;
}

}  // namespace gtk
}  // namespace platform
