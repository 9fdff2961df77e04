#include "platform/animation_box.h"

#include <algorithm>
#include <utility>

#include "platform/host.h"
#include "platform/system_services.h"

namespace tibbo::platform {
namespace {

constexpr int edge = 1;            // the sunken edge; the inside starts one pixel in
constexpr int handPointerNumber = 14;

void paintSunkenEdge(cairo_t* cr, int width, int height) {
  cairo_set_line_width(cr, 1.0);
  cairo_set_source_rgb(cr, 0.50, 0.50, 0.50);  // shadow on the top and left
  cairo_move_to(cr, 0.5, height);
  cairo_line_to(cr, 0.5, 0.5);
  cairo_line_to(cr, width, 0.5);
  cairo_stroke(cr);
  cairo_set_source_rgb(cr, 1.0, 1.0, 1.0);  // light on the bottom and right
  cairo_move_to(cr, 1.0, height - 0.5);
  cairo_line_to(cr, width - 0.5, height - 0.5);
  cairo_line_to(cr, width - 0.5, 1.0);
  cairo_stroke(cr);
}

}  // namespace

AnimationBox::AnimationBox(int width, int height, Picture background,
                           PressHandler onLeftButtonPressed)
    : area_(gtk_drawing_area_new()),
      background_(std::move(background)),
      onLeftButtonPressed_(std::move(onLeftButtonPressed)) {
  gtk_widget_set_size_request(area_, width, height);
  gtk_widget_add_events(area_, GDK_BUTTON_PRESS_MASK);
  g_signal_connect(area_, "draw", G_CALLBACK(draw), this);
  g_signal_connect(area_, "button-press-event", G_CALLBACK(pressed), this);
  g_signal_connect(area_, "realize", G_CALLBACK(realized), this);
  pointer_ = gdk_cursor_new_from_name(gdk_display_get_default(), "pointer");
  if (pointer_ == nullptr) pointer_ = gdk_cursor_new_for_display(gdk_display_get_default(), GDK_HAND2);
}

gboolean AnimationBox::draw(GtkWidget* widget, cairo_t* cr, gpointer self) {
  auto* box = static_cast<AnimationBox*>(self);
  const int width = gtk_widget_get_allocated_width(widget);
  const int height = gtk_widget_get_allocated_height(widget);
  paintSunkenEdge(cr, width, height);
  cairo_rectangle(cr, edge, edge, std::max(0, width - 2 * edge), std::max(0, height - 2 * edge));
  cairo_clip(cr);
  if (box->background_) {
    cairo_set_source_surface(cr, box->background_.get(), edge, edge);
    cairo_paint(cr);
  }
  for (const Sprite& sprite : box->sprites_) {
    if (!sprite.picture) continue;
    cairo_set_source_surface(cr, sprite.picture.get(), edge + sprite.left, edge + sprite.top);
    cairo_paint(cr);
  }
  box->painted_ = true;
  if (box->onPainted) box->onPainted();
  return TRUE;
}

gboolean AnimationBox::pressed(GtkWidget*, GdkEventButton* event, gpointer self) {
  auto* box = static_cast<AnimationBox*>(self);
  if (event->type != GDK_BUTTON_PRESS || event->button != GDK_BUTTON_PRIMARY) return FALSE;
  if (!eventDeliveryEnabled() || !box->onLeftButtonPressed_) return FALSE;
  int keys = 0;
  if (event->state & GDK_CONTROL_MASK) keys |= 1;
  if (event->state & GDK_SHIFT_MASK) keys |= 2;
  if (event->state & GDK_MOD1_MASK) keys |= 4;
  box->onLeftButtonPressed_(static_cast<int>(event->x) - edge, static_cast<int>(event->y) - edge,
                            keys);
  return FALSE;
}

void AnimationBox::realized(GtkWidget*, gpointer self) {
  static_cast<AnimationBox*>(self)->applyPointer();
}

void AnimationBox::applyPointer() {
  if (GdkWindow* window = gtk_widget_get_window(area_)) gdk_window_set_cursor(window, pointer_);
}

int AnimationBox::createSprite(int left, int top) {
  sprites_.push_back(Sprite{left, top, nullptr});
  gtk_widget_queue_draw(area_);
  return static_cast<int>(sprites_.size());
}

void AnimationBox::setSpritePicture(int sprite, const Bytes& picture) {
  if (sprite < 1 || sprite > static_cast<int>(sprites_.size())) return;
  Sprite& target = sprites_[static_cast<std::size_t>(sprite - 1)];
  target.picture = decodeJpegPicture(picture.data(), picture.size());
  gtk_widget_queue_draw(area_);
}

void AnimationBox::setPointer(const Bytes& pointer) {
  if (pointer == intToBytes(handPointerNumber)) {
    GdkCursor* hand = gdk_cursor_new_from_name(gdk_display_get_default(), "pointer");
    if (hand == nullptr) return;
    if (pointer_) g_object_unref(pointer_);
    pointer_ = hand;
    applyPointer();
  }
  // Cursor files (the pictures of the body parts) are decoded here once they are carried.
}

}  // namespace tibbo::platform
