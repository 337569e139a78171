// korvane-pack: everything under data/ into one resource file.
//
// Resources, by type in this order, each type in ascending id order:
//   'TEXT' 128.. topic texts, named after their topics, in topic file-name order
//   'styl' 128.. the topics' style runs, at the same ids
//   'wstr' 118 + 10·n + k  record k (from 0) of quiz n (from 1)
//   'WAVE', 'PNG '  the manifest's sounds and pictures
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace packer {

inline constexpr const char* kManifestName = "resources.toml";

// The resource file's bytes from `dataDir`, which holds the manifest. Reads
// only; throws PackError for the first source it refuses: a missing file or
// folder, not exactly 43 topics, two topics of one name, a sound that the
// program's decoder would not play, a picture that libpng cannot decode or of
// more than codec::kMaxPictureSide pixels a side, a topic,
// quiz or manifest over 1 MiB, a sound or picture over codec::kMaxMediaBytes,
// a file over codec::kMaxResourceFileBytes, or anything the manifest reader or
// the converters refuse.
std::string PackResources(const std::filesystem::path& dataDir);

// Refuse media that the program could not play or show.
void CheckWave(std::string_view bytes, const std::string& file);
void CheckPng(std::string_view bytes, const std::string& file);

// Replaces `output` only once the whole file is written: through a file
// created exclusively, under an unpredictable name in the same folder, and a
// rename. Follows no link: a link at `output` is itself replaced. Throws
// PackError, leaving any earlier `output` as it was and no temporary file.
void WriteFileAtomically(const std::filesystem::path& output, std::string_view bytes);

}  // namespace packer
