// A text field: plain or styled, editable or read-only.
#pragma once

#include <optional>
#include <string_view>

#include "framework/RectControl.h"

namespace fw {

class EditField : public RectControl {
 public:
  EditField();
  // The whole text; paragraphs end with CR (13).
  String Text() const;
  void SetText(const String& text);
  // Replaces the content with `text` styled by a TextEdit style table
  // (`styl`). A table that is short or malformed is applied as far as it is
  // sound; the text always arrives whole. Raises OutOfBoundsException,
  // leaving the content as it was, for more than a topic can hold
  // (codec::TopicWithinLimits).
  void SetTextAndStyle(const String& text, const String& styleTable);
  int SelStart() const;
  void SetSelStart(int position);
  bool ReadOnly() const;
  bool Styled() const;

  // Within a handler, the field holds back a new text and insertion point
  // until the handler ends or anything reads them back, and then applies
  // them together.
  void Settle() const override;

 protected:
  bool SetOwnProperty(std::string_view name, const codec::PropertyValue& value) override;
  void Refresh() override;

 private:
  static const property::Setter<EditField> kProperties[];

  // Holds a new text back; false when it is to be applied now.
  bool Hold(const String& text, std::optional<String> styleTable);
  bool MayHold();
  void ApplyText(const String& text);
  void ApplyStyledText(const String& text, const String& styleTable, bool cursorAtStart);
  void ApplySelStart(int position);
};

}  // namespace fw
