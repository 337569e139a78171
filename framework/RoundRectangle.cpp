#include "framework/RoundRectangle.h"

#include "framework/Properties.h"
#include "framework/qt/ControlView.h"
#include "framework/qt/RoundRectWidget.h"
#include "framework/qt/WindowRegistry.h"

namespace fw {
namespace {

// The shape lives here, so that the control still answers once its window
// has closed and taken the widget with it.
struct RoundRectView : RectControl::View {
  RoundRectView() : View(new RoundRectWidget(detail::NewControlParent())) {}
  RoundRectWidget::Shape shape;
  void Draw() const {
    if (auto* box = static_cast<RoundRectWidget*>(widget.data())) {
      box->shape = shape;
      box->update();
    }
  }
};

RoundRectWidget::Shape& ShapeOf(RoundRectangle& r) { return ViewOf<RoundRectView>(r).shape; }
const RoundRectWidget::Shape& ShapeOf(const RoundRectangle& r) { return ViewOf<RoundRectView>(r).shape; }

}  // namespace

RoundRectangle::RoundRectangle() : RectControl(std::make_unique<RoundRectView>()) {}

Color RoundRectangle::FillColor() const { return ShapeOf(*this).fill; }
Color RoundRectangle::BorderColor() const { return ShapeOf(*this).border; }
int RoundRectangle::BorderWidth() const { return ShapeOf(*this).borderWidth; }
int RoundRectangle::OvalWidth() const { return ShapeOf(*this).ovalWidth; }
int RoundRectangle::OvalHeight() const { return ShapeOf(*this).ovalHeight; }

void RoundRectangle::SetFillColor(Color c) {
  ShapeOf(*this).fill = c;
  ViewOf<RoundRectView>(*this).Draw();
}

void RoundRectangle::SetBorderColor(Color c) {
  ShapeOf(*this).border = c;
  ViewOf<RoundRectView>(*this).Draw();
}

const property::Setter<RoundRectangle> RoundRectangle::kProperties[] = {
    {"FillColor", [](RoundRectangle& r, const auto& v) { ShapeOf(r).fill = property::Colour(v); }},
    {"BorderColor", [](RoundRectangle& r, const auto& v) { ShapeOf(r).border = property::Colour(v); }},
    {"BorderWidth", [](RoundRectangle& r, const auto& v) { ShapeOf(r).borderWidth = property::Size(v); }},
    {"OvalWidth", [](RoundRectangle& r, const auto& v) { ShapeOf(r).ovalWidth = property::Size(v); }},
    {"OvalHeight", [](RoundRectangle& r, const auto& v) { ShapeOf(r).ovalHeight = property::Size(v); }},
};

bool RoundRectangle::SetOwnProperty(std::string_view name, const codec::PropertyValue& value) {
  return property::Set(kProperties, *this, name, value) || RectControl::SetOwnProperty(name, value);
}

void RoundRectangle::Refresh() {
  ViewOf<RoundRectView>(*this).Draw();
  RectControl::Refresh();
}

}  // namespace fw
