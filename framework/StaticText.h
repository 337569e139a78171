// A label: one line or several, never edited.
#pragma once

#include <string_view>

#include "framework/RectControl.h"

namespace fw {

class StaticText : public RectControl {
 public:
  StaticText();
  // The text as stored; a stored "&&" shows as "&".
  String Text() const;
  void SetText(const String& text);
  int TextAlign() const;
  Color TextColor() const;

 protected:
  bool SetOwnProperty(std::string_view name, const codec::PropertyValue& value) override;
  // A single-line, left-aligned label is never cut: it runs on past its
  // declared width as far as its window allows.
  int ShownWidth() const override;
  void Refresh() override;

 private:
  static const property::Setter<StaticText> kProperties[];
};

}  // namespace fw
