#include "tools/packer/Packer.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <map>
#include <memory>
#include <vector>

#include <png.h>

#include "codec/ContentIds.h"
#include "codec/ContentLimits.h"
#include "codec/FileBytes.h"
#include "codec/ResourceWriter.h"
#include "codec/Wave.h"
#include "tools/packer/Manifest.h"
#include "tools/packer/PackError.h"
#include "tools/packer/QuizConverter.h"
#include "tools/packer/TopicConverter.h"

namespace packer {
namespace fs = std::filesystem;
namespace {

// Topics and quizzes are parsed whole in memory; the real ones are at most
// 11 KB.
constexpr std::size_t kMaxSourceBytes = 1 << 20;

std::string ReadSource(const fs::path& path, std::size_t limit = kMaxSourceBytes) {
  std::error_code error;
  if (!fs::is_regular_file(path, error)) throw PackError(path.string(), 0, "file is missing");
  if (const std::uintmax_t size = fs::file_size(path, error); !error && size > limit)
    throw PackError(path.string(), 0,
                    "the file is " + std::to_string(size) + " bytes; at most " + std::to_string(limit) + " fit");
  auto bytes = codec::ReadFileBytes(path, limit);
  if (!bytes) throw PackError(path.string(), 0, "cannot read the file");
  return std::move(*bytes);
}

std::vector<fs::path> TopicFiles(const fs::path& folder) {
  std::error_code error;
  if (!fs::is_directory(folder, error)) throw PackError(folder.string(), 0, "topics folder is missing");
  std::vector<fs::path> files;
  for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error))
    if (it->path().extension() == ".md" && it->is_regular_file(error)) files.push_back(it->path());
  if (error) throw PackError(folder.string(), 0, "cannot list the folder: " + error.message());
  if (files.size() != codec::kTopicCount)
    throw PackError(folder.string(), 0, "holds " + std::to_string(files.size()) +
                                             " topics (*.md); Korvane needs exactly " + std::to_string(codec::kTopicCount));
  std::sort(files.begin(), files.end(),
            [](const fs::path& a, const fs::path& b) { return a.filename() < b.filename(); });
  return files;
}

void AddTopics(std::vector<codec::ResourceSpec>& out, const fs::path& folder) {
  std::map<std::string, fs::path> names;
  std::int16_t id = codec::kFirstTopicId;
  for (const fs::path& file : TopicFiles(folder)) {
    Topic topic = ConvertTopic(ReadSource(file), file.string());
    if (const auto [other, fresh] = names.emplace(topic.name, file); !fresh)
      throw PackError(file.string(), topic.nameLine, "the name \"" + topic.name + "\" is also the name of " +
                                                          other->second.filename().string());
    out.push_back({"TEXT", id, topic.name, std::move(topic.text)});
    out.push_back({"styl", id, std::nullopt, codec::EncodeStyleScrap(topic.runs)});
    ++id;
  }
}

void AddQuizzes(std::vector<codec::ResourceSpec>& out, const fs::path& dataDir,
                const std::vector<std::string>& quizzes) {
  int quiz = 0;
  for (const std::string& name : quizzes) {
    const fs::path file = dataDir / name;
    int record = 0;
    ++quiz;
    for (std::string& data : ConvertQuiz(ReadSource(file), file.string()))
      out.push_back({"wstr", static_cast<std::int16_t>(codec::QuizRecordId(quiz, record++)), std::nullopt,
                     std::move(data)});
  }
}

template <class Check>
void AddMedia(std::vector<codec::ResourceSpec>& out, const char* type, const fs::path& dataDir,
              const std::vector<MediaFile>& media, Check check) {
  for (const MediaFile& item : media) {
    const fs::path file = dataDir / item.path;
    std::string bytes = ReadSource(file, codec::kMaxMediaBytes);
    check(bytes, file.string());
    out.push_back({type, item.id, std::nullopt, std::move(bytes)});
  }
}

}  // namespace

void CheckWave(std::string_view bytes, const std::string& file) {
  std::string problem;
  if (!codec::DecodeWave(bytes, &problem))
    throw PackError(file, 0, "not a RIFF WAVE sound Korvane plays: " + problem);
}

void CheckPng(std::string_view bytes, const std::string& file) {
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  // Frees what libpng holds on every way out; freeing twice is harmless.
  const std::unique_ptr<png_image, void (*)(png_imagep)> release(&image, png_image_free);
  const auto refuse = [&](const std::string& reason) {
    throw PackError(file, 0, "not a PNG picture Korvane shows: " + reason);
  };
  if (!png_image_begin_read_from_memory(&image, bytes.data(), bytes.size())) refuse(image.message);
  constexpr auto kSide = static_cast<png_uint_32>(codec::kMaxPictureSide);
  if (image.width > kSide || image.height > kSide)
    refuse(std::to_string(image.width) + " by " + std::to_string(image.height) + " pixels; at most " +
           std::to_string(kSide) + " by " + std::to_string(kSide));
  // One byte a pixel: decoding is the test, the pixels are not kept.
  image.format = PNG_FORMAT_GRAY;
  std::vector<png_byte> pixels(std::size_t{image.width} * image.height);
  if (!png_image_finish_read(&image, nullptr, pixels.data(), 0, nullptr)) refuse(image.message);
}

std::string PackResources(const fs::path& dataDir) {
  const fs::path manifestFile = dataDir / kManifestName;
  const Manifest manifest = ReadManifest(ReadSource(manifestFile), manifestFile.string());
  std::vector<codec::ResourceSpec> resources;
  AddTopics(resources, dataDir / manifest.topics);
  AddQuizzes(resources, dataDir, manifest.quizzes);
  AddMedia(resources, "WAVE", dataDir, manifest.sounds, CheckWave);
  AddMedia(resources, "PNG ", dataDir, manifest.pictures, CheckPng);
  std::string file;
  try {
    file = codec::WriteResourceFile(resources);
  } catch (const std::invalid_argument& error) {
    throw PackError(manifestFile.string(), 0, error.what());
  }
  // Reachable only through more media than the program reads.
  if (file.size() > codec::kMaxResourceFileBytes)
    throw PackError(manifestFile.string(), 0, "the resource file would be " + std::to_string(file.size()) +
                                                  " bytes; Korvane reads at most " +
                                                  std::to_string(codec::kMaxResourceFileBytes));
  return file;
}

void WriteFileAtomically(const fs::path& output, std::string_view bytes) {
  // mkstemp creates the file exclusively under an unpredictable name, so a
  // link planted in the folder is never followed; the rename replaces
  // `output` itself, never what it may link to.
  std::string temporary = output.string() + ".XXXXXX";
  const int fd = mkstemp(temporary.data());
  if (fd < 0) throw PackError(output.string(), 0, std::string("cannot write the file: ") + std::strerror(errno));
  // The permissions any new file gets, not mkstemp's 0600.
  const mode_t mask = umask(0);
  umask(mask);
  bool written = fchmod(fd, 0666 & ~mask) == 0;
  for (std::string_view rest = bytes; written && !rest.empty();) {
    const ssize_t count = write(fd, rest.data(), rest.size());
    if (count < 0 && errno == EINTR) continue;
    written = count > 0;
    if (written) rest.remove_prefix(static_cast<std::size_t>(count));
  }
  written = fsync(fd) == 0 && written;
  written = close(fd) == 0 && written;
  std::error_code error;
  if (written) fs::rename(temporary, output, error);
  if (!written || error) {
    std::error_code ignored;
    fs::remove(temporary, ignored);
    throw PackError(output.string(), 0,
                    written ? "cannot replace the file: " + error.message() : "cannot write the file");
  }
}

}  // namespace packer
