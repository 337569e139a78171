// The appearance-control plug-in: controls supplied outside the core
// framework (the separator line), reached through entry points that are
// looked up by name when the program starts.
#pragma once

#include <functional>
#include <string>
#include <vector>

class QWidget;

namespace fw::plugin {

struct EntryPoint {
  const char* name;
  void* address;
};

// The plug-in's exported table. Tests may remove an entry to see start-up fail.
std::vector<EntryPoint>& Exports();

// What InitPluginEntrypoints found; creating a separator before it ran, or
// after a failed lookup, raises PluginException.
struct AppearanceApi {
  QWidget* CreateSeparator() const;
};
const AppearanceApi& Appearance();

// Number of entry points the framework looks up.
constexpr int kEntryPointCount = 26;

}  // namespace fw::plugin
