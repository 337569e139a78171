#include "framework/qt/Plugin.h"

#include <QFrame>
#include <QVariant>

#include <cstring>

#include "framework/Object.h"
#include "framework/Runtime.h"
#include "framework/qt/RuntimeState.h"

namespace fw::plugin {
namespace {

// The plug-in side: a C-style interface over one widget per control.
QWidget* SeparatorCreate() {
  auto* line = new QFrame;
  line->setFrameShape(QFrame::HLine);
  line->setFrameShadow(QFrame::Sunken);
  line->setFocusPolicy(Qt::NoFocus);
  return line;
}
void SeparatorDestroy(QWidget* w) { delete w; }
void SeparatorSetBounds(QWidget* w, int l, int t, int wd, int h) { w->setGeometry(l, t, wd, h); }
void SeparatorGetBounds(QWidget* w, int* l, int* t, int* wd, int* h) {
  *l = w->x(), *t = w->y(), *wd = w->width(), *h = w->height();
}
void SeparatorSetVisible(QWidget* w, bool on) { w->setVisible(on); }
bool SeparatorGetVisible(QWidget* w) { return w->isVisible(); }
void SeparatorSetEnabled(QWidget* w, bool on) { w->setEnabled(on); }
bool SeparatorGetEnabled(QWidget* w) { return w->isEnabled(); }
void SeparatorSetOrientation(QWidget* w, int vertical) {
  static_cast<QFrame*>(w)->setFrameShape(vertical ? QFrame::VLine : QFrame::HLine);
}
int SeparatorGetOrientation(QWidget* w) { return static_cast<QFrame*>(w)->frameShape() == QFrame::VLine; }
void SeparatorSetHelpTag(QWidget* w, const char* text) { w->setToolTip(QString::fromUtf8(text)); }
void SeparatorRefresh(QWidget* w) { w->update(); }
bool SeparatorIsActive(QWidget* w) { return w->isActiveWindow(); }
void SeparatorActivate(QWidget* w) { w->setEnabled(true); }
void SeparatorDeactivate(QWidget* w) { w->setEnabled(false); }
void SeparatorSetParent(QWidget* w, QWidget* parent) { w->setParent(parent); }
QWidget* SeparatorGetParent(QWidget* w) { return w->parentWidget(); }
void SeparatorSetProperty(QWidget* w, const char* name, int value) { w->setProperty(name, value); }
int SeparatorGetProperty(QWidget* w, const char* name) { return w->property(name).toInt(); }
void SeparatorSetIndex(QWidget* w, int v) { SeparatorSetProperty(w, "index", v); }
int SeparatorGetIndex(QWidget* w) { return SeparatorGetProperty(w, "index"); }
void SeparatorSetTabIndex(QWidget* w, int v) { SeparatorSetProperty(w, "tabIndex", v); }
int SeparatorGetTabIndex(QWidget* w) { return SeparatorGetProperty(w, "tabIndex"); }
const char* PluginName() { return "AppearanceControls"; }
int PluginVersion() { return 1; }

template <class F>
void* Address(F* f) {
  return reinterpret_cast<void*>(f);
}

struct Resolved {
  bool ready = false;
  QWidget* (*create)() = nullptr;
  void (*setOrientation)(QWidget*, int) = nullptr;
};

Resolved& Found() {
  static Resolved found;
  return found;
}

// The names the framework looks up, in lookup order.
constexpr const char* kNames[kEntryPointCount] = {
    "SeparatorCreate",        "SeparatorDestroy",        "SeparatorSetBounds",
    "SeparatorGetBounds",     "SeparatorSetVisible",     "SeparatorGetVisible",
    "SeparatorSetEnabled",    "SeparatorGetEnabled",     "SeparatorSetOrientation",
    "SeparatorGetOrientation", "SeparatorSetHelpTag",    "SeparatorRefresh",
    "SeparatorIsActive",      "SeparatorActivate",       "SeparatorDeactivate",
    "SeparatorSetParent",     "SeparatorGetParent",      "SeparatorSetProperty",
    "SeparatorGetProperty",   "SeparatorSetIndex",       "SeparatorGetIndex",
    "SeparatorSetTabIndex",   "SeparatorGetTabIndex",    "PluginName",
    "PluginVersion",          "SeparatorPreferredHeight",
};

int SeparatorPreferredHeight() { return 4; }

}  // namespace

std::vector<EntryPoint>& Exports() {
  static std::vector<EntryPoint> table = {
      {"SeparatorCreate", Address(SeparatorCreate)},
      {"SeparatorDestroy", Address(SeparatorDestroy)},
      {"SeparatorSetBounds", Address(SeparatorSetBounds)},
      {"SeparatorGetBounds", Address(SeparatorGetBounds)},
      {"SeparatorSetVisible", Address(SeparatorSetVisible)},
      {"SeparatorGetVisible", Address(SeparatorGetVisible)},
      {"SeparatorSetEnabled", Address(SeparatorSetEnabled)},
      {"SeparatorGetEnabled", Address(SeparatorGetEnabled)},
      {"SeparatorSetOrientation", Address(SeparatorSetOrientation)},
      {"SeparatorGetOrientation", Address(SeparatorGetOrientation)},
      {"SeparatorSetHelpTag", Address(SeparatorSetHelpTag)},
      {"SeparatorRefresh", Address(SeparatorRefresh)},
      {"SeparatorIsActive", Address(SeparatorIsActive)},
      {"SeparatorActivate", Address(SeparatorActivate)},
      {"SeparatorDeactivate", Address(SeparatorDeactivate)},
      {"SeparatorSetParent", Address(SeparatorSetParent)},
      {"SeparatorGetParent", Address(SeparatorGetParent)},
      {"SeparatorSetProperty", Address(SeparatorSetProperty)},
      {"SeparatorGetProperty", Address(SeparatorGetProperty)},
      {"SeparatorSetIndex", Address(SeparatorSetIndex)},
      {"SeparatorGetIndex", Address(SeparatorGetIndex)},
      {"SeparatorSetTabIndex", Address(SeparatorSetTabIndex)},
      {"SeparatorGetTabIndex", Address(SeparatorGetTabIndex)},
      {"PluginName", Address(PluginName)},
      {"PluginVersion", Address(PluginVersion)},
      {"SeparatorPreferredHeight", Address(SeparatorPreferredHeight)},
  };
  return table;
}

QWidget* AppearanceApi::CreateSeparator() const {
  if (!Found().ready) throw PluginException("the appearance-control plug-in was not loaded");
  QWidget* w = Found().create();
  Found().setOrientation(w, 0);
  return w;
}

const AppearanceApi& Appearance() {
  static AppearanceApi api;
  return api;
}

}  // namespace fw::plugin

namespace fw {

void InitPluginEntrypoints() {
  detail::Trace("InitPluginEntrypoints");
  using namespace plugin;
  Found() = Resolved{};
  void* addresses[kEntryPointCount] = {};
  for (int i = 0; i < kEntryPointCount; ++i) {
    for (const EntryPoint& e : Exports())
      if (std::strcmp(e.name, kNames[i]) == 0) addresses[i] = e.address;
    if (!addresses[i])
      throw PluginException(std::string("plug-in entry point \"") + kNames[i] + "\" is missing");
  }
  Found().create = reinterpret_cast<QWidget* (*)()>(addresses[0]);
  Found().setOrientation = reinterpret_cast<void (*)(QWidget*, int)>(addresses[8]);
  Found().ready = true;
}

}  // namespace fw
