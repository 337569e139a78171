#include "codec/ResourceWriter.h"

#include <algorithm>
#include <stdexcept>

#include "codec/ResourceLayout.h"

namespace codec {
namespace {

struct TypeGroup {
  std::string code;
  std::vector<const ResourceSpec*> members;
};

void CheckSpec(const ResourceSpec& spec) {
  if (spec.type.size() != rsrc::kTypeCodeSize)
    throw std::invalid_argument("resource type \"" + spec.type + "\" is not 4 bytes long");
  if (spec.name && spec.name->size() > rsrc::kMaxNameLength)
    throw std::invalid_argument("name of " + spec.type + " " + std::to_string(spec.id) +
                                " is longer than 255 bytes");
}

std::vector<TypeGroup> GroupByType(const std::vector<ResourceSpec>& resources) {
  std::vector<TypeGroup> groups;
  for (const ResourceSpec& spec : resources) {
    CheckSpec(spec);
    auto group = std::find_if(groups.begin(), groups.end(),
                              [&](const TypeGroup& g) { return g.code == spec.type; });
    if (group == groups.end()) group = groups.insert(groups.end(), TypeGroup{spec.type, {}});
    group->members.push_back(&spec);
  }
  return groups;
}

void CheckUniqueIds(const TypeGroup& group) {
  std::vector<std::int16_t> ids;
  for (const ResourceSpec* spec : group.members) ids.push_back(spec->id);
  std::sort(ids.begin(), ids.end());
  const auto twice = std::adjacent_find(ids.begin(), ids.end());
  if (twice != ids.end())
    throw std::invalid_argument("resource " + group.code + " " + std::to_string(*twice) +
                                " given twice");
}

std::uint64_t MapLength(const std::vector<TypeGroup>& groups, std::uint64_t resourceCount) {
  std::uint64_t length = rsrc::kMapHeaderSize + rsrc::kTypeCountSize +
                         rsrc::kTypeEntrySize * groups.size() +
                         rsrc::kReferenceSize * resourceCount;
  for (const TypeGroup& group : groups)
    for (const ResourceSpec* spec : group.members)
      if (spec->name) length += 1 + spec->name->size();
  return length;
}

// The data blocks in writing order; `offsets` receives each block's data-area
// offset in the same order.
std::string DataArea(const std::vector<TypeGroup>& groups, std::vector<std::uint32_t>& offsets) {
  std::uint64_t total = 0;
  for (const TypeGroup& group : groups)
    for (const ResourceSpec* spec : group.members) total += rsrc::kBlockLengthSize + spec->data.size();
  if (total > rsrc::kMaxDataArea)
    throw std::invalid_argument("resource data exceed 16 MiB");

  std::string data;
  data.reserve(total);
  for (const TypeGroup& group : groups)
    for (const ResourceSpec* spec : group.members) {
      offsets.push_back(static_cast<std::uint32_t>(data.size()));
      rsrc::AppendBlockLength(data, static_cast<std::uint32_t>(spec->data.size()));
      data.append(spec->data);
    }
  return data;
}

std::string Map(const std::vector<TypeGroup>& groups, const std::vector<std::uint32_t>& offsets,
                std::uint64_t resourceCount) {
  const std::uint64_t refLists = rsrc::kTypeCountSize + rsrc::kTypeEntrySize * groups.size();
  const std::uint64_t nameList = rsrc::kMapHeaderSize + refLists + rsrc::kReferenceSize * resourceCount;
  std::string map;
  rsrc::AppendMapHeader(map, {static_cast<std::uint16_t>(rsrc::kMapHeaderSize),
                              static_cast<std::uint16_t>(nameList)});
  rsrc::AppendTypeCount(map, static_cast<std::uint16_t>(groups.size() - 1));  // 0xFFFF when empty

  std::uint64_t refListOffset = refLists;
  for (const TypeGroup& group : groups) {
    rsrc::AppendTypeEntry(map, {group.code, static_cast<std::uint16_t>(group.members.size() - 1),
                                static_cast<std::uint16_t>(refListOffset)});
    refListOffset += rsrc::kReferenceSize * group.members.size();
  }

  std::string names;
  std::size_t block = 0;
  for (const TypeGroup& group : groups)
    for (const ResourceSpec* spec : group.members) {
      rsrc::ReferenceEntry ref{spec->id, rsrc::kNoName, 0, offsets[block++]};
      if (spec->name) {
        ref.nameOffset = static_cast<std::uint16_t>(names.size());
        names.push_back(static_cast<char>(spec->name->size()));
        names.append(*spec->name);
      }
      rsrc::AppendReference(map, ref);
    }
  return map + names;
}

}  // namespace

std::string WriteResourceFile(const std::vector<ResourceSpec>& resources) {
  const std::vector<TypeGroup> groups = GroupByType(resources);
  if (MapLength(groups, resources.size()) > rsrc::kMaxMapLength)
    throw std::invalid_argument("resource map exceeds 32767 bytes");
  for (const TypeGroup& group : groups) CheckUniqueIds(group);

  std::vector<std::uint32_t> offsets;
  const std::string data = DataArea(groups, offsets);
  const std::string map = Map(groups, offsets, resources.size());

  const std::uint64_t mapOffset = rsrc::kCanonicalDataOffset + data.size();
  std::string file;
  file.reserve(mapOffset + map.size());
  rsrc::AppendFileHeader(file, {static_cast<std::uint32_t>(rsrc::kCanonicalDataOffset),
                                static_cast<std::uint32_t>(mapOffset),
                                static_cast<std::uint32_t>(data.size()),
                                static_cast<std::uint32_t>(map.size())});
  file.resize(rsrc::kCanonicalDataOffset, '\0');
  file += data;
  file += map;
  return file;
}

}  // namespace codec
