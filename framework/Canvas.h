// A drawing surface: shows a backdrop picture and reports mouse presses.
#pragma once

#include <memory>
#include <string_view>

#include "framework/RectControl.h"

namespace fw {

class Picture;

class Canvas : public RectControl {
 public:
  Canvas();
  std::shared_ptr<Picture> Backdrop() const { return backdrop_; }
  void SetBackdrop(const std::shared_ptr<Picture>& picture);

  // Framework use: a mouse press at (x, y) in the control.
  bool MousePressed(int x, int y);

 protected:
  bool SetOwnProperty(std::string_view name, const codec::PropertyValue& value) override;
  bool HasEvent(std::string_view event) const override;
  void Attached() override;

 private:
  static const property::Setter<Canvas> kProperties[];

  std::shared_ptr<Picture> backdrop_;
};

}  // namespace fw
