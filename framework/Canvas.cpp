#include "framework/Canvas.h"

#include "framework/Media.h"
#include "framework/Properties.h"
#include "framework/qt/CanvasWidget.h"
#include "framework/qt/ControlView.h"
#include "framework/qt/Dispatch.h"
#include "framework/qt/MediaImpl.h"
#include "framework/qt/WindowRegistry.h"

namespace fw {
namespace {

struct CanvasView : RectControl::View {
  CanvasView() : View(new CanvasWidget(detail::NewControlParent())) {}
  CanvasWidget* Surface() const { return static_cast<CanvasWidget*>(widget.data()); }
};

}  // namespace

Canvas::Canvas() : RectControl(std::make_unique<CanvasView>()) {
  CanvasWidget* surface = ViewOf<CanvasView>(*this).Surface();
  surface->setFocusPolicy(Qt::NoFocus);
}

void Canvas::SetBackdrop(const std::shared_ptr<Picture>& picture) {
  backdrop_ = picture;
  if (CanvasWidget* surface = ViewOf<CanvasView>(*this).Surface()) {
    surface->backdrop = picture ? picture->GetImpl().pixmap : QPixmap();
    surface->update();
  }
}

bool Canvas::MousePressed(int x, int y) {
  if (!mouseDown_) return false;
  auto self = SelfRef();
  auto handler = mouseDown_;
  return detail::CallBoolHandler([&] { return handler(self, x, y); });
}

void Canvas::Attached() {
  if (CanvasWidget* surface = ViewOf<CanvasView>(*this).Surface())
    surface->owner = std::static_pointer_cast<Canvas>(shared_from_this());
}

bool Canvas::HasEvent(std::string_view event) const {
  return event == "mousedown" || RectControl::HasEvent(event);
}

const property::Setter<Canvas> Canvas::kProperties[] = {
    {"AcceptFocus", [](Canvas& c, const auto& v) {
       if (CanvasWidget* surface = ViewOf<CanvasView>(c).Surface())
         surface->setFocusPolicy(property::Bool(v) ? Qt::StrongFocus : Qt::NoFocus);
     }},
};

bool Canvas::SetOwnProperty(std::string_view name, const codec::PropertyValue& value) {
  return property::Set(kProperties, *this, name, value) || RectControl::SetOwnProperty(name, value);
}

}  // namespace fw
