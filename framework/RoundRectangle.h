// A rectangle with round corners, filled and bordered.
#pragma once

#include <string_view>

#include "framework/RectControl.h"

namespace fw {

class RoundRectangle : public RectControl {
 public:
  RoundRectangle();
  Color FillColor() const;
  void SetFillColor(Color c);
  Color BorderColor() const;
  void SetBorderColor(Color c);
  int BorderWidth() const;
  int OvalWidth() const;
  int OvalHeight() const;

 protected:
  bool SetOwnProperty(std::string_view name, const codec::PropertyValue& value) override;
  void Refresh() override;

 private:
  static const property::Setter<RoundRectangle> kProperties[];
};

}  // namespace fw
