// The program's window over GTK: a frameless GtkWindow whose controls sit at fixed places
// on a GtkLayout (a GtkFixed would stretch the window to its widest child).
#include <gdk/gdkkeysyms.h>
#include <gtk/gtk.h>

#include <algorithm>
#include <map>
#include <memory>
#include <string>
#include <utility>

#include "platform/animation_box.h"
#include "platform/host.h"
#include "platform/host_window.h"
#include "platform/message_timer.h"

namespace tibbo::platform {
namespace {

constexpr GdkModifierType commandModifiers =
    static_cast<GdkModifierType>(GDK_CONTROL_MASK | GDK_SHIFT_MASK | GDK_MOD1_MASK);

// A single-line label shows line breaks as gaps, not as new lines.
std::string onOneLine(std::string text) {
  std::string line;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' || text[i] == '\n') {
      if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
      line += ' ';
    } else {
      line += text[i];
    }
  }
  return line;
}

GdkRectangle primaryScreenArea() {
  GdkRectangle area{0, 0, 0, 0};
  GdkDisplay* display = gdk_display_get_default();
  GdkMonitor* monitor = gdk_display_get_primary_monitor(display);
  if (monitor == nullptr) monitor = gdk_display_get_monitor(display, 0);
  if (monitor != nullptr) gdk_monitor_get_geometry(monitor, &area);
  return area;
}

class GtkHostWindow final : public HostWindow {
 public:
  GtkHostWindow(const WindowTemplate& layout, WindowEvents events);

  int left() const override;
  int top() const override;
  int width() const override { return width_; }
  int height() const override { return height_; }
  void setWidth(int width) override;
  void setHeight(int height) override;
  bool visible() const override { return !destroying_ && gtk_widget_get_visible(window_); }
  void requestDestruction(bool atOnce) override;
  void setTimerPeriod(std::string_view timer, int ms) override;
  int timerPeriod(std::string_view timer) const override;
  int createSprite(std::string_view box, std::string_view spriteTemplate, int left,
                   int top) override;
  void setSpritePicture(std::string_view box, int sprite, const Bytes& picture) override;
  void setPointer(std::string_view box, const Bytes& pointer) override;

  void show();

 private:
  void addControl(const ControlTemplate& control);
  void applySize();
  void destroyNow();
  void firstActivationMayBeDue();
  AnimationBox* box(std::string_view name) const;

  static gboolean onKeyPressed(GtkWidget*, GdkEventKey* event, gpointer self);
  static void onActiveChanged(GObject*, GParamSpec*, gpointer self);
  static void onDestroyed(GtkWidget*, gpointer self);
  static gboolean onQueuedDestruction(gpointer self);
  static gboolean onFirstActivation(gpointer self);
  static void onButtonClicked(GtkButton* button, gpointer self);

  WindowEvents events_;
  GtkWidget* window_;
  GtkWidget* layout_;
  int width_, height_;
  std::map<std::string, std::unique_ptr<AnimationBox>, std::less<>> boxes_;
  std::map<std::string, std::unique_ptr<MessageTimer>, std::less<>> timers_;
  std::map<std::string, ControlTemplate, std::less<>> spriteTemplates_;
  bool activatedOnce_ = false;
  bool firstActivationQueued_ = false;
  bool destroying_ = false;
  guint queuedDestruction_ = 0;
};

GtkHostWindow::GtkHostWindow(const WindowTemplate& layout, WindowEvents events)
    : events_(std::move(events)),
      window_(gtk_window_new(GTK_WINDOW_TOPLEVEL)),
      layout_(gtk_layout_new(nullptr, nullptr)),
      width_(layout.width),
      height_(layout.height) {
  GtkWindow* window = GTK_WINDOW(window_);
  gtk_window_set_decorated(window, FALSE);
  gtk_window_set_title(window, layout.caption.c_str());
  gtk_window_set_default_size(window, width_, height_);
  if (layout.iconRgb != nullptr && layout.iconSide > 0) {
    GdkPixbuf* icon = gdk_pixbuf_new_from_data(layout.iconRgb, GDK_COLORSPACE_RGB, FALSE, 8,
                                               layout.iconSide, layout.iconSide,
                                               layout.iconSide * 3, nullptr, nullptr);
    gtk_window_set_icon(window, icon);  // used for both the large and the small icon
    g_object_unref(icon);
  }
  // Centred by the template's size, whatever size the window takes later.
  const GdkRectangle screen = primaryScreenArea();
  gtk_window_move(window, screen.x + (screen.width - layout.width) / 2,
                  screen.y + (screen.height - layout.height) / 2);
  gtk_container_add(GTK_CONTAINER(window_), layout_);

  // The last control first, so that the first ends up on top.
  for (auto control = layout.controls.rbegin(); control != layout.controls.rend(); ++control)
    addControl(*control);
  gtk_widget_show_all(layout_);

  g_signal_connect(window_, "key-press-event", G_CALLBACK(onKeyPressed), this);
  g_signal_connect(window_, "notify::is-active", G_CALLBACK(onActiveChanged), this);
  g_signal_connect(window_, "destroy", G_CALLBACK(onDestroyed), this);
  // A close request (the window manager's) needs no handler: granting it destroys the window.
}

void GtkHostWindow::addControl(const ControlTemplate& control) {
  switch (control.kind) {
    case ControlKind::button: {
      GtkWidget* button = gtk_button_new_with_label(control.text.c_str());
      gtk_widget_set_size_request(button, control.width, control.height);
      gtk_widget_set_name(button, control.name.c_str());
      g_object_set_data_full(G_OBJECT(button), "tibbo-control", g_strdup(control.name.c_str()),
                             g_free);
      g_signal_connect(button, "clicked", G_CALLBACK(onButtonClicked), this);
      gtk_layout_put(GTK_LAYOUT(layout_), button, control.left, control.top);
      break;
    }
    case ControlKind::label: {
      GtkWidget* label = gtk_label_new(onOneLine(control.text).c_str());
      gtk_widget_set_name(label, control.name.c_str());
      gtk_label_set_single_line_mode(GTK_LABEL(label), TRUE);
      gtk_label_set_xalign(GTK_LABEL(label), 0.0f);
      gtk_label_set_yalign(GTK_LABEL(label), 0.5f);
      // Black, whatever the theme's text colour.
      PangoAttrList* attributes = pango_attr_list_new();
      pango_attr_list_insert(attributes, pango_attr_foreground_new(0, 0, 0));
      gtk_label_set_attributes(GTK_LABEL(label), attributes);
      pango_attr_list_unref(attributes);
      // A label asks for its whole text's width; a fixed-size box around it clips instead.
      GtkWidget* clip = gtk_scrolled_window_new(nullptr, nullptr);
      gtk_scrolled_window_set_policy(GTK_SCROLLED_WINDOW(clip), GTK_POLICY_EXTERNAL,
                                     GTK_POLICY_EXTERNAL);
      gtk_widget_set_size_request(clip, control.width, control.height);
      gtk_container_add(GTK_CONTAINER(clip), label);
      gtk_layout_put(GTK_LAYOUT(layout_), clip, control.left, control.top);
      break;
    }
    case ControlKind::timer: {
      std::function<void()> onTick;
      if (auto handler = events_.ticked.find(control.name); handler != events_.ticked.end())
        onTick = handler->second;
      timers_.emplace(control.name, std::make_unique<MessageTimer>(control.periodMs, onTick));
      break;
    }
    case ControlKind::animationObject:
      spriteTemplates_.emplace(control.name, control);
      break;
    case ControlKind::animationBox: {
      AnimationBox::PressHandler onPress;
      if (auto handler = events_.leftButtonPressed.find(control.name);
          handler != events_.leftButtonPressed.end())
        onPress = handler->second;
      auto box = std::make_unique<AnimationBox>(
          control.width, control.height, decodeJpegPicture(control.picture, control.pictureSize),
          onPress);
      box->onPainted = [this] { firstActivationMayBeDue(); };
      gtk_layout_put(GTK_LAYOUT(layout_), box->widget(), control.left, control.top);
      boxes_.emplace(control.name, std::move(box));
      break;
    }
  }
}

void GtkHostWindow::show() { gtk_widget_show(window_); }

int GtkHostWindow::left() const {
  int x = 0, y = 0;
  gtk_window_get_position(GTK_WINDOW(window_), &x, &y);
  return x;
}

int GtkHostWindow::top() const {
  int x = 0, y = 0;
  gtk_window_get_position(GTK_WINDOW(window_), &x, &y);
  return y;
}

void GtkHostWindow::setWidth(int width) {
  width_ = std::clamp(width, 0, maxWindowSide);
  applySize();
}

void GtkHostWindow::setHeight(int height) {
  height_ = std::clamp(height, 0, maxWindowSide);
  applySize();
}

void GtkHostWindow::applySize() {
  // The window's gravity keeps its top-left corner; X has no windows of size 0.
  gtk_window_resize(GTK_WINDOW(window_), std::max(width_, 1), std::max(height_, 1));
}

void GtkHostWindow::requestDestruction(bool atOnce) {
  if (atOnce) {
    destroyNow();
    return;
  }
  if (queuedDestruction_ == 0)
    queuedDestruction_ = g_idle_add_full(G_PRIORITY_HIGH, onQueuedDestruction, this, nullptr);
}

gboolean GtkHostWindow::onQueuedDestruction(gpointer self) {
  auto* window = static_cast<GtkHostWindow*>(self);
  window->queuedDestruction_ = 0;
  window->destroyNow();
  return G_SOURCE_REMOVE;
}

void GtkHostWindow::destroyNow() {
  if (destroying_) return;
  gtk_widget_destroy(window_);
}

void GtkHostWindow::onDestroyed(GtkWidget*, gpointer self) {
  auto* window = static_cast<GtkHostWindow*>(self);
  window->destroying_ = true;
  if (eventDeliveryEnabled() && window->events_.willBeDestroyed) window->events_.willBeDestroyed();
}

gboolean GtkHostWindow::onKeyPressed(GtkWidget*, GdkEventKey* event, gpointer self) {
  if (event->keyval != GDK_KEY_Escape || (event->state & commandModifiers) != 0) return FALSE;
  // Esc alone is a close request, and nothing objects to closing.
  static_cast<GtkHostWindow*>(self)->destroyNow();
  return TRUE;
}

void GtkHostWindow::onActiveChanged(GObject*, GParamSpec*, gpointer self) {
  static_cast<GtkHostWindow*>(self)->firstActivationMayBeDue();
}

// The first activation is raised once the window is both active and painted. It is raised
// from the event loop rather than from inside a paint or a property notification, because
// its handler runs the scheduler and does not come back.
void GtkHostWindow::firstActivationMayBeDue() {
  if (activatedOnce_ || firstActivationQueued_ || destroying_) return;
  if (!gtk_window_is_active(GTK_WINDOW(window_))) return;
  const bool painted = std::all_of(boxes_.begin(), boxes_.end(),
                                   [](const auto& box) { return box.second->painted(); });
  if (!painted) return;
  firstActivationQueued_ = true;
  g_idle_add(onFirstActivation, this);
}

gboolean GtkHostWindow::onFirstActivation(gpointer self) {
  auto* window = static_cast<GtkHostWindow*>(self);
  window->activatedOnce_ = true;
  if (eventDeliveryEnabled() && window->events_.firstActivated && !window->destroying_)
    window->events_.firstActivated();
  return G_SOURCE_REMOVE;
}

void GtkHostWindow::onButtonClicked(GtkButton* button, gpointer self) {
  auto* window = static_cast<GtkHostWindow*>(self);
  const auto* name = static_cast<const char*>(g_object_get_data(G_OBJECT(button), "tibbo-control"));
  if (!eventDeliveryEnabled() || name == nullptr) return;
  if (auto handler = window->events_.clicked.find(name); handler != window->events_.clicked.end())
    handler->second();
}

void GtkHostWindow::setTimerPeriod(std::string_view timer, int ms) {
  if (auto found = timers_.find(timer); found != timers_.end()) found->second->setPeriod(ms);
}

int GtkHostWindow::timerPeriod(std::string_view timer) const {
  auto found = timers_.find(timer);
  return found == timers_.end() ? 0 : found->second->period();
}

AnimationBox* GtkHostWindow::box(std::string_view name) const {
  auto found = boxes_.find(name);
  return found == boxes_.end() ? nullptr : found->second.get();
}

int GtkHostWindow::createSprite(std::string_view boxName, std::string_view spriteTemplate,
                                int left, int top) {
  AnimationBox* stage = box(boxName);
  if (stage == nullptr || spriteTemplates_.find(spriteTemplate) == spriteTemplates_.end())
    return 0;
  return stage->createSprite(left, top);
}

void GtkHostWindow::setSpritePicture(std::string_view boxName, int sprite, const Bytes& picture) {
  if (AnimationBox* stage = box(boxName)) stage->setSpritePicture(sprite, picture);
}

void GtkHostWindow::setPointer(std::string_view boxName, const Bytes& pointer) {
  if (AnimationBox* stage = box(boxName)) stage->setPointer(pointer);
}

}  // namespace

bool HostWindow::load(const WindowTemplate& layout, WindowEvents events,
                      std::unique_ptr<HostWindow>& loaded) {
  if (gdk_display_get_default() == nullptr) return false;
  setEventDelivery(false);
  std::function<void()> created = events.created;
  auto window = std::make_unique<GtkHostWindow>(layout, std::move(events));
  GtkHostWindow* shown = window.get();
  loaded = std::move(window);  // the created handler works on the window through this
  setEventDelivery(true);
  if (created) created();
  shown->show();
  return true;
}

}  // namespace tibbo::platform
