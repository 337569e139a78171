#include "framework/FileType.h"

#include <algorithm>

#include "framework/qt/RuntimeState.h"

namespace fw {
namespace {
std::vector<RegisteredFileType>& Registry() {
  static std::vector<RegisteredFileType> registry;
  return registry;
}
}  // namespace

void RuntimeRegisterFileType(const String& name, const String& creator, const String& type,
                             const String& extensions) {
  detail::Trace("register file type " + name.Bytes());
  Registry().push_back({name, creator, type, extensions});
}

void RuntimeDeregisterFileType(const String& name) {
  detail::Trace("deregister file type " + name.Bytes());
  auto& r = Registry();
  auto it = std::find_if(r.begin(), r.end(), [&](const auto& t) { return t.name == name; });
  if (it != r.end()) r.erase(it);
}

std::vector<RegisteredFileType> RegisteredFileTypes() { return Registry(); }

FileType::~FileType() { Withdraw(); }

void FileType::Withdraw() {
  if (!registered_) return;
  registered_ = false;
  RuntimeDeregisterFileType(name_);
}

void FileType::SetName(const String& v) { Withdraw(), name_ = v; }
void FileType::SetExtensions(const String& v) { Withdraw(), extensions_ = v; }
void FileType::SetMacType(const String& v) { Withdraw(), macType_ = v; }
void FileType::SetMacCreator(const String& v) { Withdraw(), macCreator_ = v; }

String FileType::ToText() {
  if (!registered_) {
    RuntimeRegisterFileType(name_, macCreator_, macType_, extensions_);
    registered_ = true;
  }
  return name_;
}

}  // namespace fw
