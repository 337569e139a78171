#include "framework/RoundRectangle.h"

#include "framework/Properties.h"
#include "framework/qt/ControlView.h"
#include "framework/qt/Internal.h"
#include "framework/qt/RoundRectWidget.h"

namespace fw {
namespace {

struct RoundRectView : RectControl::View {
  RoundRectView() : View(new RoundRectWidget(detail::NurseryParent())) {}
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

void RoundRectangle::SetProperty(std::string_view name, const codec::PropertyValue& value) {
  using namespace property;
  RoundRectWidget* box = ViewOf<RoundRectView>(*this).Box();
  if (name == "FillColor") box->fill = Colour(value);
  else if (name == "BorderColor") box->border = Colour(value);
  else if (name == "BorderWidth") box->borderWidth = Size(value);
  else if (name == "OvalWidth") box->ovalWidth = Size(value);
  else if (name == "OvalHeight") box->ovalHeight = Size(value);
  else return RectControl::SetProperty(name, value);
  box->update();
}

}  // namespace fw
