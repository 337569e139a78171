// Declared file types and the framework's registry of them.
#pragma once

#include <vector>

#include "framework/Object.h"
#include "framework/String.h"

namespace fw {

class FileType : public Object {
 public:
  FileType() = default;
  // Withdraws the registration, if it has one.
  ~FileType() override;

  const String& Name() const { return name_; }
  const String& Extensions() const { return extensions_; }
  const String& MacType() const { return macType_; }
  const String& MacCreator() const { return macCreator_; }
  // Each setter first withdraws the registration, if any.
  void SetName(const String& v);
  void SetExtensions(const String& v);
  void SetMacType(const String& v);
  void SetMacCreator(const String& v);

  // The conversion to text: registers the type unless it is registered,
  // and yields its Name.
  String ToText();
  bool IsRegistered() const { return registered_; }

 private:
  void Withdraw();
  String name_, extensions_, macType_, macCreator_;
  bool registered_ = false;
};

struct RegisteredFileType {
  String name, creator, type, extensions;
};

void RuntimeRegisterFileType(const String& name, const String& creator, const String& type,
                             const String& extensions);
void RuntimeDeregisterFileType(const String& name);
// What the registry holds, in registration order.
std::vector<RegisteredFileType> RegisteredFileTypes();

}  // namespace fw
