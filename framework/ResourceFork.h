// The application's resources: a file in the classic resource-fork layout.
#pragma once

#include <memory>
#include <string>

#include "framework/Object.h"
#include "framework/String.h"

namespace fw {

class Sound;
class Picture;

class ResourceFork : public Object {
 public:
  // Opens and validates the whole file; nil when it is missing, unreadable
  // or fails any check of the layout.
  static std::shared_ptr<ResourceFork> Open(const std::string& path);
  ~ResourceFork() override;

  // Name and id of the resource at `index` (from 0, in the file's order) of
  // a type; "" and 0 for an index beyond the count.
  String ResourceName(const String& type, int index) const;
  int ResourceID(const String& type, int index) const;
  int ResourceCount(const String& type) const;
  // The whole data of a resource as raw bytes; a missing one raises
  // ResourceNotFoundException.
  String GetResource(const String& type, int id) const;
  String GetNamedResource(const String& type, const String& name) const;
  // Type "WAVE" and "PNG ": nil when the resource is missing or does not decode.
  std::shared_ptr<Sound> GetSound(int id) const;
  std::shared_ptr<Picture> GetPicture(int id) const;
  // Releases the file; later calls raise UnsupportedOperationException.
  void Close();

  struct Impl;
  explicit ResourceFork(std::unique_ptr<Impl> impl);

 private:
  const Impl& Need() const;
  std::unique_ptr<Impl> impl_;
};

}  // namespace fw
