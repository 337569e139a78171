#include "framework/ResourceFork.h"

#include <optional>

#include "codec/FileBytes.h"
#include "codec/ResourceMap.h"
#include "framework/Media.h"

namespace fw {

struct ResourceFork::Impl {
  codec::FileBuffer file;
  std::string_view bytes;  // the file's; the map holds offsets into them
  codec::ResourceMap map;
};

namespace {

std::string TypeCode(const String& type) { return type.Bytes(); }

}  // namespace

std::shared_ptr<ResourceFork> ResourceFork::Open(const std::string& path) {
  std::optional<codec::FileBuffer> file = codec::ReadFile(path);
  if (!file) return nullptr;
  std::optional<codec::ResourceMap> map = codec::ResourceMap::Parse(file->View());
  if (!map) return nullptr;
  std::string_view bytes = file->View();  // stays where it is as the buffer moves
  return std::make_shared<ResourceFork>(std::make_unique<Impl>(Impl{std::move(*file), bytes, std::move(*map)}));
}

ResourceFork::ResourceFork(std::unique_ptr<Impl> impl) : impl_(std::move(impl)) {}
ResourceFork::~ResourceFork() = default;

const ResourceFork::Impl& ResourceFork::Need() const {
  if (!impl_) throw UnsupportedOperationException("the resource fork was closed");
  return *impl_;
}

String ResourceFork::ResourceName(const String& type, int index) const {
  const codec::ResourceRef* ref = Need().map.At(TypeCode(type), index);
  return ref ? String::Raw(ref->name) : String();
}

int ResourceFork::ResourceID(const String& type, int index) const {
  const codec::ResourceRef* ref = Need().map.At(TypeCode(type), index);
  return ref ? ref->id : 0;
}

int ResourceFork::ResourceCount(const String& type) const { return Need().map.Count(TypeCode(type)); }

String ResourceFork::GetResource(const String& type, int id) const {
  const Impl& impl = Need();
  const codec::ResourceRef* ref = impl.map.ById(TypeCode(type), id);
  if (!ref)
    throw ResourceNotFoundException("no resource '" + type.Bytes() + "' " + std::to_string(id));
  return String::Raw(std::string(impl.bytes.substr(ref->dataOffset, ref->length)));
}

String ResourceFork::GetNamedResource(const String& type, const String& name) const {
  const Impl& impl = Need();
  const codec::ResourceRef* ref = impl.map.ByName(TypeCode(type), name.Bytes());
  if (!ref)
    throw ResourceNotFoundException("no resource '" + type.Bytes() + "' named \"" + name.Bytes() + "\"");
  return String::Raw(std::string(impl.bytes.substr(ref->dataOffset, ref->length)));
}

std::shared_ptr<Sound> ResourceFork::GetSound(int id) const {
  const Impl& impl = Need();
  const codec::ResourceRef* ref = impl.map.ById("WAVE", id);
  return ref ? Sound::FromWave(impl.bytes.substr(ref->dataOffset, ref->length)) : nullptr;
}

std::shared_ptr<Picture> ResourceFork::GetPicture(int id) const {
  const Impl& impl = Need();
  const codec::ResourceRef* ref = impl.map.ById("PNG ", id);
  return ref ? Picture::FromImageData(std::string(impl.bytes.substr(ref->dataOffset, ref->length))) : nullptr;
}

void ResourceFork::Close() { impl_.reset(); }

}  // namespace fw
