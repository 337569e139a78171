#include "framework/PushButton.h"

#include <QPushButton>

#include "framework/Properties.h"
#include "framework/qt/ControlView.h"
#include "framework/qt/Internal.h"
#include "framework/qt/TextStyle.h"

namespace fw {
namespace {

struct ButtonView : RectControl::View {
  ButtonView() : View(new QPushButton(detail::NurseryParent())) {}
  QPushButton* Button() const { return static_cast<QPushButton*>(widget.data()); }
  TextStyle style;
  String caption;
};

}  // namespace

PushButton::PushButton() : RectControl(std::make_unique<ButtonView>()) {
  ButtonView& v = ViewOf<ButtonView>(*this);
  v.Button()->setAutoDefault(false);
  v.Button()->setFont(v.style.Font());
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

void PushButton::SetProperty(std::string_view name, const codec::PropertyValue& value) {
  using namespace property;
  ButtonView& v = ViewOf<ButtonView>(*this);
  if (v.style.Take(name, value)) {
    if (v.Button() && !InRecord()) v.Button()->setFont(v.style.Font());
  } else if (name == "Caption") {
    SetCaption(Str(value));
  } else if (name == "Default") {
    default_ = Bool(value);
    if (v.Button()) v.Button()->setDefault(default_);
  } else if (name == "Cancel") {
    cancel_ = Bool(value);
  } else {
    RectControl::SetProperty(name, value);
  }
}

}  // namespace fw
