#include "framework/PushButton.h"

#include <QPushButton>

#include "framework/Properties.h"
#include "framework/qt/ControlView.h"
#include "framework/qt/TextConversion.h"
#include "framework/qt/TextStyle.h"
#include "framework/qt/WindowRegistry.h"

namespace fw {
namespace {

struct ButtonView : RectControl::View {
  ButtonView() : View(new QPushButton(detail::NewControlParent())) {}
  QPushButton* Button() const { return static_cast<QPushButton*>(widget.data()); }
  TextStyle style;
  String caption;
};

}  // namespace

PushButton::PushButton() : RectControl(std::make_unique<ButtonView>()) {
  ButtonView& v = ViewOf<ButtonView>(*this);
  v.Button()->setAutoDefault(false);
  // The font comes with the record, or without one when the window is
  // complete (see EditField).
  QObject::connect(v.Button(), &QPushButton::clicked, v.Button(), [this] {
    if (Enabled()) RaiseEvent("action");
  });
}

String PushButton::Caption() const { return ViewOf<ButtonView>(*this).caption; }

void PushButton::SetCaption(const String& caption) {
  ButtonView& v = ViewOf<ButtonView>(*this);
  v.caption = caption;
  // An ampersand is text here, not a mnemonic marker.
  QString shown = detail::ToDisplayText(caption);
  shown.replace(QLatin1Char('&'), QLatin1String("&&"));
  if (v.Button()) v.Button()->setText(shown);
}

bool PushButton::Underline() const { return ViewOf<ButtonView>(*this).style.underline; }

void PushButton::SetUnderline(bool on) {
  ButtonView& v = ViewOf<ButtonView>(*this);
  v.style.underline = on;
  if (v.Button()) v.Button()->setFont(v.style.Font());
}

void PushButton::Push() {
  if (Enabled()) RaiseEvent("action");
}

void PushButton::Refresh() {
  ButtonView& v = ViewOf<ButtonView>(*this);
  if (v.Button()) v.Button()->setFont(v.style.Font());
  RectControl::Refresh();
}

bool PushButton::HasEvent(std::string_view event) const {
  return event == "action" || RectControl::HasEvent(event);
}

const property::Setter<PushButton> PushButton::kProperties[] = {
    {"Caption", [](PushButton& b, const auto& v) { b.SetCaption(property::Str(v)); }},
    {"Default", [](PushButton& b, const auto& v) {
       b.default_ = property::Bool(v);
       if (QPushButton* button = ViewOf<ButtonView>(b).Button()) button->setDefault(b.default_);
     }},
    {"Cancel", [](PushButton& b, const auto& v) { b.cancel_ = property::Bool(v); }},
};

bool PushButton::SetOwnProperty(std::string_view name, const codec::PropertyValue& value) {
  return ViewOf<ButtonView>(*this).style.Take(name, value) || property::Set(kProperties, *this, name, value) ||
         RectControl::SetOwnProperty(name, value);
}

}  // namespace fw
