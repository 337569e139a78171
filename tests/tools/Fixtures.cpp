#include "tests/tools/Fixtures.h"

#include <fstream>
#include <stdexcept>
#include <utility>
#include <vector>

#include <png.h>

#include "codec/Wave.h"
#include "tools/packer/PackError.h"

namespace packer {
namespace fs = std::filesystem;

std::string QuizToml(int count, const Edit& edit) {
  std::string out;
  for (int k = 0; k < count; ++k) {
    ScenarioToml s;
    s.text = "\"Scenario " + std::to_string(k) + "\"";
    if (edit) edit(k, s);
    out += "[[scenario]]\n";
    for (const auto& [key, value] : {std::pair{"text", s.text}, {"choices", s.choices},
                                     {"feedback", s.feedback}, {"hint", s.hint}, {"correct", s.correct}})
      out += value.empty() ? std::string("# left out\n") : std::string(key) + " = " + value + "\n";
    out += s.extra + "\n";
  }
  return out;
}

std::string Png(int width, int height) {
  png_image image{};  // format 0: grey
  image.version = PNG_IMAGE_VERSION;
  image.width = static_cast<png_uint_32>(width);
  image.height = static_cast<png_uint_32>(height);
  const std::vector<png_byte> pixels(image.width * image.height, 0x80);
  png_alloc_size_t size = pixels.size() + 1024;  // one grey compresses well within this
  std::string png(size, '\0');
  if (!png_image_write_to_memory(&image, png.data(), &size, 0, pixels.data(), 0, nullptr))
    throw std::runtime_error(image.message);
  return png.substr(0, size);
}

::testing::AssertionResult Refuses(const std::function<void()>& pack, const std::string& file, int line,
                                   const std::string& message) {
  try {
    pack();
  } catch (const PackError& e) {
    if (e.file() == file && e.line() == line && std::string(e.what()).find(message) != std::string::npos)
      return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "refused as " << e.what() << " (file " << e.file() << ")";
  }
  return ::testing::AssertionFailure() << "accepted";
}

DataFolder::DataFolder() {
  Write("resources.toml",
        "topics = \"topics\"\n"
        "quizzes = [\"q/one.toml\", \"q/two.toml\", \"q/three.toml\"]\n"
        "[sounds]\n169 = \"s/wrong.wav\"\n168 = \"s/right.wav\"\n"
        "[pictures]\n169 = \"title.png\"\n");
  for (int k = 0; k < 43; ++k) {
    const std::string number = (k < 10 ? "0" : "") + std::to_string(k);
    Write("topics/t" + number + ".md", "# Topic " + std::to_string(42 - k) + "\n\nAbout *" + number + "*.\n");
  }
  for (const char* quiz : {"q/one.toml", "q/two.toml", "q/three.toml"}) Write(quiz, QuizToml(10));
  Write("s/right.wav", codec::EncodeWave({.channels = 1, .sampleRate = 22050, .bitsPerSample = 16, .samples = "abcd"}));
  Write("s/wrong.wav", codec::EncodeWave({.channels = 1, .sampleRate = 8000, .bitsPerSample = 8, .samples = "abcdefg"}));
  Write("title.png", Png(4, 2));
}

void DataFolder::Write(const std::string& relative, std::string_view bytes) const {
  const fs::path file = path() / relative;
  fs::create_directories(file.parent_path());
  std::ofstream(file, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

void DataFolder::Remove(const std::string& relative) const { fs::remove_all(path() / relative); }

}  // namespace packer
