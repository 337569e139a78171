// A list of text rows, one selectable at a time.
#pragma once

#include <string_view>

#include "framework/RectControl.h"

namespace fw {

class Listbox : public RectControl {
 public:
  Listbox();
  void AddRow(const String& text);
  int ListCount() const;
  String List(int row) const;
  // The selected row from 0, or -1.
  int ListIndex() const;
  // Selects a row (-1 for none); a change fires the Change event.
  void SetListIndex(int row);
  // The selected row's text, or "".
  String Text() const;

  // Framework use: the user changed the selection.
  void SelectionChangedByUser();

 protected:
  bool SetOwnProperty(std::string_view name, const codec::PropertyValue& value) override;
  bool HasEvent(std::string_view event) const override;
  void Refresh() override;

 private:
  static const property::Setter<Listbox> kProperties[];
};

}  // namespace fw
