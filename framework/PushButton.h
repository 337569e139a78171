// A push button.
#pragma once

#include <string_view>

#include "framework/RectControl.h"

namespace fw {

class PushButton : public RectControl {
 public:
  PushButton();
  String Caption() const;
  void SetCaption(const String& caption);
  bool Underline() const;
  void SetUnderline(bool on);
  bool Default() const { return default_; }
  bool Cancel() const { return cancel_; }
  // Presses the button as the user would: an enabled button fires Action.
  void Push();

 protected:
  bool SetOwnProperty(std::string_view name, const codec::PropertyValue& value) override;
  bool HasEvent(std::string_view event) const override;
  void Refresh() override;

 private:
  static const property::Setter<PushButton> kProperties[];

  bool default_ = false, cancel_ = false;
};

}  // namespace fw
