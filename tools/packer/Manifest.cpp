#include "tools/packer/Manifest.h"

#include <algorithm>
#include <charconv>
#include <initializer_list>

#include "codec/ContentIds.h"
#include "tools/packer/PackError.h"
#include "tools/packer/TomlSupport.h"

namespace packer {
namespace {

std::string PathAt(const toml::node& node, std::string_view what, const std::string& file) {
  const auto* path = node.as_string();
  if (path == nullptr || path->get().empty())
    throw PackError(file, LineOf(node), std::string(what) + " must be a path relative to this folder");
  return path->get();
}

std::int16_t IdOf(const toml::key& key, const std::string& file) {
  int id = 0;
  const std::string_view text = key.str();
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), id);
  if (error != std::errc() || end != text.data() + text.size() || id < -32768 || id > 32767)
    throw PackError(file, static_cast<int>(key.source().begin.line),
                    "\"" + std::string(text) + "\" is not a resource id (-32768 to 32767)");
  return static_cast<std::int16_t>(id);
}

// An optional table of id = path, in ascending id order.
std::vector<MediaFile> MediaTable(const toml::table& manifest, std::string_view key,
                                  const std::string& file) {
  const toml::node* node = manifest.get(key);
  if (node == nullptr) return {};
  const auto* table = node->as_table();
  if (table == nullptr) throw PackError(file, LineOf(*node), "[" + std::string(key) + "] must be a table of id = path");
  std::vector<MediaFile> media;
  for (const auto& [id, path] : *table) media.push_back({IdOf(id, file), PathAt(path, "a media file", file)});
  std::sort(media.begin(), media.end(), [](const MediaFile& a, const MediaFile& b) { return a.id < b.id; });
  const auto twice = std::adjacent_find(media.begin(), media.end(),
                                        [](const MediaFile& a, const MediaFile& b) { return a.id == b.id; });
  if (twice != media.end())
    throw PackError(file, LineOf(*table), "[" + std::string(key) + "] names id " + std::to_string(twice->id) + " twice");
  return media;
}

struct NeededMedium {
  int id;
  const char* what;
};

// The media the program loads must be there: without them it would stay
// silent, or without its title picture, for good.
void RequireMedia(const toml::table& manifest, std::string_view key, const std::vector<MediaFile>& media,
                  std::initializer_list<NeededMedium> needed, const std::string& file) {
  for (const NeededMedium& medium : needed) {
    if (std::any_of(media.begin(), media.end(), [&](const MediaFile& m) { return m.id == medium.id; })) continue;
    const toml::node* table = manifest.get(key);
    throw PackError(file, LineOf(table ? *table : manifest),
                    "[" + std::string(key) + "] needs id " + std::to_string(medium.id) + ", " + medium.what);
  }
}

std::vector<std::string> Quizzes(const toml::table& manifest, const std::string& file) {
  const toml::node& node = Require(manifest, "quizzes", file);
  const auto* list = node.as_array();
  if (list == nullptr || list->size() != codec::kQuizCount)
    throw PackError(file, LineOf(node), "\"quizzes\" must list exactly " + std::to_string(codec::kQuizCount) + " quiz files");
  std::vector<std::string> quizzes;
  for (const toml::node& quiz : *list) quizzes.push_back(PathAt(quiz, "a quiz file", file));
  return quizzes;
}

}  // namespace

Manifest ReadManifest(std::string_view toml, const std::string& file) {
  const toml::table manifest = ParseToml(toml, file);
  RefuseUnknownKeys(manifest, {"topics", "quizzes", "sounds", "pictures"}, file);
  Manifest result{PathAt(Require(manifest, "topics", file), "\"topics\"", file), Quizzes(manifest, file),
                  MediaTable(manifest, "sounds", file), MediaTable(manifest, "pictures", file)};
  RequireMedia(manifest, "sounds", result.sounds,
               {{codec::kRightSoundId, "the right-answer sound"}, {codec::kWrongSoundId, "the wrong-answer sound"}},
               file);
  RequireMedia(manifest, "pictures", result.pictures, {{codec::kTitlePictureId, "the About box's title picture"}},
               file);
  return result;
}

}  // namespace packer
