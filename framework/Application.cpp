#include "framework/Application.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include "framework/ResourceFork.h"
#include "framework/Runtime.h"
#include "framework/qt/RuntimeState.h"

namespace fw {
namespace {

constexpr const char* kResourceFileName = "Korvane.rsrc";

// Next to the executable in the build tree; in the install tree's resource folder.
std::string ApplicationResourcePath() {
  std::string overridden = detail::ResourceFilePathOverride();
  if (!overridden.empty()) return overridden;
  QDir dir(QCoreApplication::applicationDirPath());
  for (const QString& candidate : {dir.filePath(kResourceFileName),
                                   dir.filePath(QString(KORVANE_RESOURCEDIR_FROM_BINDIR "/") + kResourceFileName)}) {
    if (QFileInfo::exists(candidate)) return candidate.toStdString();
  }
  return dir.filePath(kResourceFileName).toStdString();
}

}  // namespace

Application::Application() = default;
Application::~Application() = default;

void Application::SetMenuBar(const std::shared_ptr<fw::MenuBar>& bar) {
  detail::Trace("Application.MenuBar set");
  menuBar_ = bar;
}

void Application::AddMenuHandler(const String& itemName, MenuHandler handler) {
  handlers_.Add(itemName, std::move(handler));
}

MenuHandler Application::HandlerFor(const String& itemName) const { return handlers_.Find(itemName); }

std::shared_ptr<fw::ResourceFork> Application::ResourceFork() const {
  detail::Trace("open resource fork");
  return ResourceFork::Open(ApplicationResourcePath());
}

String Application::ShortVersion() const { return fw::ShortVersion(); }

}  // namespace fw
