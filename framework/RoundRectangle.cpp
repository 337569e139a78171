#include "framework/RoundRectangle.h"

#include "framework/Properties.h"
#include "framework/qt/ControlView.h"
#include "framework/qt/Internal.h"
#include "framework/qt/RoundRectWidget.h"

namespace fw {
namespace {

struct RoundRectView : RectControl::View {
  RoundRectView() : View(new RoundRectWidget(detail::NewControlParent())) {}
  RoundRectWidget* Box() const { return static_cast<RoundRectWidget*>(widget.data()); }
};

}  // namespace

RoundRectangle::RoundRectangle() : RectControl(std::make_unique<RoundRectView>()) {}

Color RoundRectangle::FillColor() const { return ViewOf<RoundRectView>(*this).Box()->fill; }
Color RoundRectangle::BorderColor() const { return ViewOf<RoundRectView>(*this).Box()->border; }
int RoundRectangle::BorderWidth() const { return ViewOf<RoundRectView>(*this).Box()->borderWidth; }
int RoundRectangle::OvalWidth() const { return ViewOf<RoundRectView>(*this).Box()->ovalWidth; }
int RoundRectangle::OvalHeight() const { return ViewOf<RoundRectView>(*this).Box()->ovalHeight; }

void RoundRectangle::SetFillColor(Color c) {
  RoundRectWidget* box = ViewOf<RoundRectView>(*this).Box();
  box->fill = c;
  box->update();
}

void RoundRectangle::SetBorderColor(Color c) {
  RoundRectWidget* box = ViewOf<RoundRectView>(*this).Box();
  box->border = c;
  box->update();
}

const property::Setter<RoundRectangle> RoundRectangle::kProperties[] = {
    {"FillColor", [](RoundRectangle& r, const auto& v) { ViewOf<RoundRectView>(r).Box()->fill = property::Colour(v); }},
    {"BorderColor",
     [](RoundRectangle& r, const auto& v) { ViewOf<RoundRectView>(r).Box()->border = property::Colour(v); }},
    {"BorderWidth",
     [](RoundRectangle& r, const auto& v) { ViewOf<RoundRectView>(r).Box()->borderWidth = property::Size(v); }},
    {"OvalWidth", [](RoundRectangle& r, const auto& v) { ViewOf<RoundRectView>(r).Box()->ovalWidth = property::Size(v); }},
    {"OvalHeight",
     [](RoundRectangle& r, const auto& v) { ViewOf<RoundRectView>(r).Box()->ovalHeight = property::Size(v); }},
};

bool RoundRectangle::SetOwnProperty(std::string_view name, const codec::PropertyValue& value) {
  return property::Set(kProperties, *this, name, value) || RectControl::SetOwnProperty(name, value);
}

void RoundRectangle::Refresh() {
  ViewOf<RoundRectView>(*this).Box()->update();
  RectControl::Refresh();
}

}  // namespace fw
