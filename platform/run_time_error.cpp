#include <gtk/gtk.h>
#include <unistd.h>

#include <cstdio>

#include "platform/host.h"
#include "platform/run_time_error.h"

namespace tibbo::platform {

void raiseRunTimeError(std::optional<int> code, std::string_view message) {
  setEventDelivery(false);
  const std::string text = runTimeErrorText(code, message);
  std::fprintf(stderr, "tibbo: %s: %s", std::string(runTimeErrorTitle).c_str(), text.c_str());
  std::fflush(stderr);
  if (hostHasDisplay()) {
    GtkWidget* box = gtk_message_dialog_new(nullptr, GTK_DIALOG_MODAL, GTK_MESSAGE_ERROR,
                                            GTK_BUTTONS_OK, "%s", text.c_str());
    gtk_window_set_title(GTK_WINDOW(box), std::string(runTimeErrorTitle).c_str());
    gtk_dialog_run(GTK_DIALOG(box));
  }
  // The exit routine is skipped: the program ends where it stands.
  ::_exit(runTimeErrorExitCode);
}

}  // namespace tibbo::platform
