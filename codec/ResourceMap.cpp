#include "codec/ResourceMap.h"

#include <algorithm>

#include "codec/ContentLimits.h"
#include "codec/ResourceLayout.h"

namespace codec {
namespace {

// Offsets are u32 and u16 fields added together; 64-bit sums cannot wrap.
struct Range {
  std::uint64_t begin = 0, length = 0;
  std::uint64_t end() const { return begin + length; }
};

bool Disjoint(const Range& a, const Range& b) { return a.end() <= b.begin || b.end() <= a.begin; }

template <class T>
bool HasDuplicates(std::vector<T> values) {
  std::sort(values.begin(), values.end());
  return std::adjacent_find(values.begin(), values.end()) != values.end();
}

constexpr std::uint64_t kMinMapLength = rsrc::kMapHeaderSize + rsrc::kTypeCountSize;

struct Areas {
  rsrc::FileHeader header;
  std::string_view data;
  std::string_view map;
  std::uint64_t nameList = 0;  // map offset
};

struct ListedType {
  std::string code;
  std::uint64_t count = 0;
  std::uint64_t refList = 0;  // map offset
};

bool AreasFit(const rsrc::FileHeader& h, std::uint64_t fileSize) {
  const Range header{0, rsrc::kFileHeaderSize};
  const Range data{h.dataOffset, h.dataLength};
  const Range map{h.mapOffset, h.mapLength};
  return h.dataOffset >= rsrc::kFileHeaderSize && data.end() <= fileSize &&
         map.end() <= fileSize && h.mapLength >= kMinMapLength && Disjoint(header, data) &&
         Disjoint(header, map) && Disjoint(data, map);
}

bool ListsApart(std::vector<Range> lists) {
  std::sort(lists.begin(), lists.end(),
            [](const Range& a, const Range& b) { return a.begin < b.begin; });
  for (std::size_t i = 1; i < lists.size(); ++i)
    if (lists[i - 1].end() > lists[i].begin) return false;
  return true;
}

// The type list with each type's reference list placed inside the map, after
// the type list, apart from the other lists.
std::optional<std::vector<ListedType>> ReadTypeList(const Areas& areas,
                                                    const rsrc::MapHeader& mapHeader) {
  const std::uint64_t typeList = mapHeader.typeListOffset;
  if (typeList < rsrc::kMapHeaderSize || mapHeader.nameListOffset > areas.map.size())
    return std::nullopt;
  const auto stored = rsrc::ReadTypeCount(areas.map, typeList);
  if (!stored) return std::nullopt;
  const std::uint64_t typeCount = (*stored + 1u) & 0xFFFFu;  // 0xFFFF stands for none
  const std::uint64_t listsStart =
      typeList + rsrc::kTypeCountSize + rsrc::kTypeEntrySize * typeCount;
  if (listsStart > areas.map.size()) return std::nullopt;

  std::vector<ListedType> types;
  std::vector<Range> lists;
  types.reserve(typeCount);
  lists.reserve(typeCount);
  for (std::uint64_t i = 0; i < typeCount; ++i) {
    const auto entry = rsrc::ReadTypeEntry(
        areas.map, typeList + rsrc::kTypeCountSize + rsrc::kTypeEntrySize * i);
    if (!entry || entry->countMinusOne == 0xFFFF) return std::nullopt;
    const Range list{typeList + entry->refListOffset,
                     rsrc::kReferenceSize * (entry->countMinusOne + 1u)};
    if (list.begin < listsStart || list.end() > areas.map.size()) return std::nullopt;
    types.push_back({entry->code, entry->countMinusOne + 1u, list.begin});
    lists.push_back(list);
  }
  std::vector<std::string> codes;
  for (const auto& t : types) codes.push_back(t.code);
  if (HasDuplicates(std::move(codes)) || !ListsApart(std::move(lists))) return std::nullopt;
  return types;
}

bool ResolveData(const rsrc::ReferenceEntry& entry, const Areas& areas, ResourceRef& ref) {
  const auto length = rsrc::ReadBlockLength(areas.data, entry.dataOffset);
  const std::uint64_t start = std::uint64_t{entry.dataOffset} + rsrc::kBlockLengthSize;
  if (!length || start + *length > areas.data.size()) return false;
  ref.dataOffset = areas.header.dataOffset + start;
  ref.length = *length;
  return true;
}

bool ResolveName(const rsrc::ReferenceEntry& entry, const Areas& areas, ResourceRef& ref) {
  if (entry.nameOffset == rsrc::kNoName) return true;
  const std::uint64_t at = areas.nameList + entry.nameOffset;
  if (at >= areas.map.size()) return false;
  const std::uint64_t length = static_cast<unsigned char>(areas.map[at]);
  if (at + 1 + length > areas.map.size()) return false;
  ref.hasName = true;
  ref.name = areas.map.substr(at + 1, length);
  return true;
}

// Appends the readable resources of one type to refs; false when any entry
// is unsound.
bool ReadReferenceList(const ListedType& type, const Areas& areas, std::vector<ResourceRef>& refs) {
  std::vector<std::int16_t> ids;
  ids.reserve(type.count);
  for (std::uint64_t i = 0; i < type.count; ++i) {
    const auto entry = rsrc::ReadReference(areas.map, type.refList + rsrc::kReferenceSize * i);
    if (!entry) return false;
    ResourceRef ref{type.code, entry->id, false, {}, 0, 0};
    if (!ResolveData(*entry, areas, ref) || !ResolveName(*entry, areas, ref)) return false;
    ids.push_back(entry->id);
    if (!(entry->attributes & rsrc::kCompressedAttribute)) refs.push_back(std::move(ref));
  }
  return !HasDuplicates(std::move(ids));
}

}  // namespace

std::optional<ResourceMap> ResourceMap::Parse(std::string_view file) {
  if (file.size() > kMaxResourceFileBytes) return std::nullopt;
  const auto header = rsrc::ReadFileHeader(file, 0);
  if (!header || !AreasFit(*header, file.size())) return std::nullopt;
  Areas areas{*header, file.substr(header->dataOffset, header->dataLength),
              file.substr(header->mapOffset, header->mapLength), 0};
  const auto mapHeader = rsrc::ReadMapHeader(areas.map, 0);
  if (!mapHeader) return std::nullopt;
  areas.nameList = mapHeader->nameListOffset;
  const auto listed = ReadTypeList(areas, *mapHeader);
  if (!listed) return std::nullopt;

  std::vector<std::string> types;
  std::vector<ResourceRef> refs;
  std::uint64_t total = 0;
  for (const ListedType& type : *listed) total += type.count;
  refs.reserve(total);
  for (const ListedType& type : *listed) {
    const std::size_t before = refs.size();
    if (!ReadReferenceList(type, areas, refs)) return std::nullopt;
    if (refs.size() > before) types.push_back(type.code);
  }
  return ResourceMap(std::move(types), std::move(refs));
}

int ResourceMap::Count(std::string_view type) const {
  return static_cast<int>(
      std::count_if(refs_.begin(), refs_.end(), [&](const ResourceRef& r) { return r.type == type; }));
}

const ResourceRef* ResourceMap::At(std::string_view type, int index) const {
  if (index < 0) return nullptr;
  for (const ResourceRef& r : refs_)
    if (r.type == type && index-- == 0) return &r;
  return nullptr;
}

const ResourceRef* ResourceMap::ById(std::string_view type, int id) const {
  for (const ResourceRef& r : refs_)
    if (r.type == type && r.id == id) return &r;
  return nullptr;
}

const ResourceRef* ResourceMap::ByName(std::string_view type, std::string_view name) const {
  for (const ResourceRef& r : refs_)
    if (r.type == type && r.hasName && r.name == name) return &r;
  return nullptr;
}

std::vector<std::string> ResourceMap::Types() const { return types_; }

}  // namespace codec
