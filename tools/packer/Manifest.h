// data/resources.toml: which sources go into the resource file.
//
//   topics = "topics"                  # folder of *.md, taken in file-name order
//   quizzes = ["quizzes/quiz1.toml", "quizzes/quiz2.toml", "quizzes/quiz3.toml"]
//   [sounds]                           # 'WAVE' resources by id
//   168 = "sounds/right.wav"
//   169 = "sounds/wrong.wav"
//   [pictures]                         # 'PNG ' resources by id
//   169 = "pictures/title.png"
//
// Paths are relative to the folder holding the manifest.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace packer {

struct MediaFile {
  std::int16_t id = 0;
  std::string path;
};

struct Manifest {
  std::string topics;
  std::vector<std::string> quizzes;  // quiz 1 first
  std::vector<MediaFile> sounds;     // ascending ids
  std::vector<MediaFile> pictures;   // ascending ids
};

// Throws PackError naming `file` and the line: a syntax error, a missing or
// unknown key, not exactly three quizzes, an id that is not a 16-bit integer,
// a sound or picture the program loads left out.
Manifest ReadManifest(std::string_view toml, const std::string& file);

}  // namespace packer
