#pragma once
// The stage: a one-pixel sunken edge, a background picture and sprites above it.
#include <gtk/gtk.h>

#include <functional>
#include <vector>

#include "platform/bytes.h"
#include "platform/jpeg_picture.h"

namespace tibbo::platform {

class AnimationBox {
 public:
  using PressHandler = std::function<void(int x, int y, int keys)>;

  AnimationBox(int width, int height, Picture background, PressHandler onLeftButtonPressed);
  GtkWidget* widget() const { return area_; }
  bool painted() const { return painted_; }

  int createSprite(int left, int top);  // returns the sprite's number, from 1
  void setSpritePicture(int sprite, const Bytes& picture);
  void setPointer(const Bytes& pointer);

  // Called after every paint of the box.
  std::function<void()> onPainted;

 private:
  struct Sprite {
    int left = 0, top = 0;
    Picture picture;
  };

  static gboolean draw(GtkWidget* widget, cairo_t* cr, gpointer self);
  static gboolean pressed(GtkWidget* widget, GdkEventButton* event, gpointer self);
  static void realized(GtkWidget* widget, gpointer self);
  void applyPointer();

  GtkWidget* area_;
  Picture background_;
  std::vector<Sprite> sprites_;
  PressHandler onLeftButtonPressed_;
  GdkCursor* pointer_ = nullptr;
  bool painted_ = false;
};

}  // namespace tibbo::platform
