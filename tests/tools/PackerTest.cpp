#include <gtest/gtest.h>
#include <sys/stat.h>

#include <iterator>
#include <random>

#include <zlib.h>

#include "codec/BigEndian.h"
#include "codec/ContentLimits.h"
#include "codec/FileBytes.h"
#include "codec/ResourceMap.h"
#include "codec/StyleScrap.h"
#include "codec/Wave.h"
#include "tests/TestCase.h"
#include "tests/tools/Fixtures.h"
#include "tools/packer/PackError.h"
#include "tools/packer/Packer.h"
#include "tools/packer/QuizConverter.h"

namespace packer {
namespace {
namespace fs = std::filesystem;

// A manifest with these [sounds] and [pictures] entries; an empty one leaves
// its table out. The tables' headers are on lines 3 and, after two sounds, 6.
std::string Manifest(const std::string& sounds, const std::string& pictures) {
  return "topics = \"topics\"\nquizzes = [\"q/one.toml\", \"q/two.toml\", \"q/three.toml\"]\n" +
         (sounds.empty() ? "" : "[sounds]\n" + sounds) + (pictures.empty() ? "" : "[pictures]\n" + pictures);
}
const std::string kSounds = "168 = \"s/right.wav\"\n169 = \"s/wrong.wav\"\n";

// A playable sound, and where its encoding sits.
std::string Wave() { return codec::EncodeWave({.channels = 2, .sampleRate = 44100, .bitsPerSample = 16, .samples = "abcd"}); }
constexpr std::size_t kEncodingAt = 20;
std::string Set(std::string bytes, std::size_t at, char value) {
  bytes.at(at) = value;
  return bytes;
}

using korvane_test::DataOf;

TEST(Packer, PacksAWholeDataFolder) {
  DataFolder data;
  data.Write("topics/.gitkeep", "");
  data.Write("topics/notes.txt", "not a topic");
  const std::string file = PackResources(data.path());
  const auto map = codec::ResourceMap::Parse(file);
  ASSERT_TRUE(map);
  EXPECT_EQ(map->Types(), (std::vector<std::string>{"TEXT", "styl", "wstr", "WAVE", "PNG "}));

  ASSERT_EQ(map->Count("TEXT"), 43);
  ASSERT_EQ(map->Count("styl"), 43);
  for (int k = 0; k < 43; ++k) {
    const auto* text = map->At("TEXT", k);
    const auto* styl = map->At("styl", k);
    EXPECT_EQ(text->id, 128 + k);
    EXPECT_EQ(styl->id, 128 + k);
    EXPECT_EQ(text->name, "Topic " + std::to_string(42 - k));
  }
  const std::string text = DataOf(file, map->At("TEXT", 0));
  EXPECT_EQ(text, "Topic 42\r\rAbout 00.");
  const auto spans = codec::StyleSpansForText(text, DataOf(file, map->At("styl", 0)));
  ASSERT_EQ(spans.size(), 4u);
  EXPECT_EQ(spans[2].begin, 16u);
  EXPECT_EQ(spans[2].style.face, codec::kFaceItalic);

  ASSERT_EQ(map->Count("wstr"), 30);
  for (int i = 0; i < 30; ++i) EXPECT_EQ(map->At("wstr", i)->id, 128 + i);
  EXPECT_EQ(DataOf(file, map->ById("wstr", 157)), ConvertQuiz(QuizToml(10), "q")[9]);

  ASSERT_EQ(map->Count("WAVE"), 2);
  EXPECT_EQ(map->At("WAVE", 0)->id, 168);
  EXPECT_EQ(DataOf(file, map->ById("WAVE", 169)), codec::ReadFileBytes(data.path() / "s/wrong.wav"));
  EXPECT_EQ(DataOf(file, map->ById("PNG ", 169)).substr(0, 4), "\x89PNG");
}

struct SourceRefusal : korvane_test::NamedCase {
  std::function<void(const DataFolder&)> damage;
  std::string file;  // relative to the data folder
  int line;
  std::string message;
};

class PackerRefusal : public ::testing::TestWithParam<SourceRefusal> {};

TEST_P(PackerRefusal, NamesTheSource) {
  const SourceRefusal& r = GetParam();
  DataFolder data;
  r.damage(data);
  EXPECT_TRUE(Refuses([&] { PackResources(data.path()); }, (data.path() / r.file).string(), r.line, r.message));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PackerRefusal,
    ::testing::Values(
        SourceRefusal{"MissingManifest", [](auto& d) { d.Remove("resources.toml"); }, "resources.toml", 0, "missing"},
        SourceRefusal{"ManifestWithoutTopics", [](auto& d) { d.Write("resources.toml", "quizzes = []\n"); },
                      "resources.toml", 1, "missing \"topics\""},
        SourceRefusal{"TwoQuizzes", [](auto& d) { d.Write("resources.toml", "topics = \"topics\"\n\nquizzes = [\"a\", \"b\"]\n"); },
                      "resources.toml", 3, "exactly 3"},
        SourceRefusal{"BadSoundId",
                      [](auto& d) { d.Write("resources.toml", "topics = \"t\"\nquizzes = [\"a\", \"b\", \"c\"]\n[sounds]\n40000 = \"x\"\n"); },
                      "resources.toml", 4, "40000"},
        SourceRefusal{"MissingTopicsFolder", [](auto& d) { d.Remove("topics"); }, "topics", 0, "folder is missing"},
        SourceRefusal{"TooFewTopics", [](auto& d) { d.Remove("topics/t42.md"); }, "topics", 0, "holds 42 topics"},
        SourceRefusal{"TooManyTopics", [](auto& d) { d.Write("topics/t43.md", "# More\n"); }, "topics", 0, "holds 44 topics"},
        SourceRefusal{"TopicNameTwice", [](auto& d) { d.Write("topics/t05.md", "\n# Topic 40\n"); }, "topics/t05.md",
                      2, "also the name of t02.md"},
        SourceRefusal{"TopicRefused", [](auto& d) { d.Write("topics/t07.md", "# X\n\n[l](u)\n"); }, "topics/t07.md",
                      3, "links"},
        SourceRefusal{"MissingQuiz", [](auto& d) { d.Remove("q/two.toml"); }, "q/two.toml", 0, "missing"},
        SourceRefusal{"QuizRefused", [](auto& d) { d.Write("q/three.toml", QuizToml(9)); }, "q/three.toml", 0, "exactly 10"},
        SourceRefusal{"MissingSound", [](auto& d) { d.Remove("s/right.wav"); }, "s/right.wav", 0, "missing"},
        SourceRefusal{"SoundNotWave", [](auto& d) { d.Write("s/wrong.wav", std::string("RIFF\0\0\0\0AVI ", 12)); },
                      "s/wrong.wav", 0, "RIFF WAVE"},
        // Sounds that pass a look at the header but that the program could not play.
        SourceRefusal{"SoundHeaderOnly", [](auto& d) { d.Write("s/right.wav", std::string("RIFF\x04\0\0\0WAVE", 12)); },
                      "s/right.wav", 0, "RIFF WAVE"},
        SourceRefusal{"SoundOfFloats", [](auto& d) { d.Write("s/wrong.wav", Set(Wave(), kEncodingAt, 3)); },
                      "s/wrong.wav", 0, "integer PCM"},
        SourceRefusal{"SoundCutShort", [](auto& d) { d.Write("s/right.wav", Wave().substr(0, Wave().size() - 1)); },
                      "s/right.wav", 0, "RIFF WAVE"},
        // The sounds and the picture the program loads.
        SourceRefusal{"NoSoundsTable", [](auto& d) { d.Write("resources.toml", Manifest("", "169 = \"title.png\"\n")); },
                      "resources.toml", 1, "[sounds] needs id 168, the right-answer sound"},
        SourceRefusal{"NoWrongAnswerSound",
                      [](auto& d) { d.Write("resources.toml", Manifest("168 = \"s/right.wav\"\n170 = \"s/wrong.wav\"\n", "169 = \"title.png\"\n")); },
                      "resources.toml", 3, "[sounds] needs id 169, the wrong-answer sound"},
        SourceRefusal{"TitlePictureUnderAnotherId",
                      [](auto& d) { d.Write("resources.toml", Manifest(kSounds, "168 = \"title.png\"\n")); },
                      "resources.toml", 6, "[pictures] needs id 169, the About box's title picture"},
        SourceRefusal{"NoPicturesTable", [](auto& d) { d.Write("resources.toml", Manifest(kSounds, "")); },
                      "resources.toml", 1, "[pictures] needs id 169"},
        SourceRefusal{"PictureNotPng", [](auto& d) { d.Write("title.png", "GIF89a"); }, "title.png", 0, "PNG"}),
    korvane_test::CaseName());

// Sounds that froze or crashed the program through a real sound server: each
// is refused with its reason.
SourceRefusal HostileSound(const char* name, int channels, int rate, int bits, std::string samples, const char* reason) {
  const std::string wave = codec::EncodeWave({channels, rate, bits, samples});
  return {{name}, [wave](auto& d) { d.Write("s/wrong.wav", wave); }, "s/wrong.wav", 0, reason};
}
INSTANTIATE_TEST_SUITE_P(
    HostileSounds, PackerRefusal,
    ::testing::Values(HostileSound("OneByteOfSixteenBits", 1, 8000, 16, "x", "1 bytes, not a whole number of 2-byte frames"),
                      HostileSound("RightSoundOf201Bytes", 1, 22050, 16, std::string(201, 'x'), "not a whole number"),
                      HostileSound("OneFrameASecond", 1, 1, 8, "xx", "1 frames a second; Korvane plays 8000 to 192000"),
                      HostileSound("TwoHundredFramesASecond", 2, 200, 16, "xxxx", "200 frames a second"),
                      HostileSound("JustBelowTheBound", 1, 7999, 8, "xx", "7999 frames a second"),
                      HostileSound("NineChannels", 9, 44100, 8, std::string(9, 'x'), "9 channels")),
    korvane_test::CaseName());

// A picture padded after its end to `size` bytes.
std::string PngOf(std::size_t size) {
  std::string png = Png(1, 1);
  png.resize(size, '\0');
  return png;
}

// Pictures 200 on besides the fixture's media, each of the largest size a
// medium may have.
void AddLargestPictures(const DataFolder& d, int count) {
  std::string manifest = Manifest(kSounds, "169 = \"title.png\"\n");
  for (int k = 0; k < count; ++k) {
    manifest += std::to_string(200 + k) + " = \"p" + std::to_string(k) + ".png\"\n";
    d.Write("p" + std::to_string(k) + ".png", PngOf(codec::kMaxMediaBytes));
  }
  d.Write("resources.toml", manifest);
}

INSTANTIATE_TEST_SUITE_P(
    Sizes, PackerRefusal,
    ::testing::Values(
        SourceRefusal{"TopicSourceOver1MiB", [](auto& d) { d.Write("topics/t03.md", "# T\n\n" + std::string(1 << 20, 'x')); },
                      "topics/t03.md", 0, "at most 1048576"},
        SourceRefusal{"PictureTooLarge", [](auto& d) { d.Write("title.png", PngOf(codec::kMaxMediaBytes + 1)); },
                      "title.png", 0, "at most 1048576"},
        SourceRefusal{"FileTooLarge", [](auto& d) { AddLargestPictures(d, 8); }, "resources.toml", 0,
                      "Korvane reads at most 8388608"}),
    korvane_test::CaseName());

// Pictures the program could not show, or that would cost it a second and
// hundreds of megabytes: refused with libpng's reason or their size.
const std::string kSignature("\x89PNG\r\n\x1A\n", 8);
// A 1-by-1 picture whose header, CRC and all, claims another size.
std::string Claiming(std::uint32_t width, std::uint32_t height) {
  std::string png = Png(1, 1), fields, crc;
  codec::PutU32(fields, width);
  codec::PutU32(fields, height);
  png.replace(16, 8, fields);
  codec::PutU32(crc, static_cast<std::uint32_t>(crc32(0, reinterpret_cast<const Bytef*>(png.data() + 12), 17)));
  return png.replace(29, 4, crc);
}
std::string Noise() {
  std::mt19937 random(15);
  std::string bytes(200, '\0');
  for (char& byte : bytes) byte = static_cast<char>(random());
  return bytes;
}
SourceRefusal PictureCase(const char* name, std::string png, const char* message) {
  return {{name}, [png](const DataFolder& d) { d.Write("title.png", png); }, "title.png", 0, message};
}

INSTANTIATE_TEST_SUITE_P(
    Pictures, PackerRefusal,
    ::testing::Values(PictureCase("SignatureOnly", kSignature, "not a PNG picture Korvane shows"),
                      PictureCase("SignatureThenNoise", kSignature + Noise(), "not a PNG picture Korvane shows"),
                      PictureCase("CutShort", Png(64, 64).substr(0, 40), "not a PNG picture Korvane shows"),
                      PictureCase("BadCrc", Set(Png(4, 4), 30, 'x'), "CRC error"),
                      PictureCase("TooWide", Claiming(2049, 1), "2049 by 1 pixels; at most 2048 by 2048"),
                      PictureCase("TooTall", Claiming(1, 2049), "1 by 2049 pixels"),
                      PictureCase("SevenThousandSquare", Claiming(7000, 7000), "7000 by 7000 pixels")),
    korvane_test::CaseName());

// And pictures up to the bound.
TEST(Packer, TheLargestFileItPacksIsOneTheReaderTakes) {
  EXPECT_NO_THROW(CheckPng(Png(codec::kMaxPictureSide, codec::kMaxPictureSide), "p"));
  DataFolder data;
  AddLargestPictures(data, 7);
  const std::string file = PackResources(data.path());
  EXPECT_GT(file.size(), 7 * codec::kMaxMediaBytes);
  EXPECT_TRUE(codec::ResourceMap::Parse(file));
}

std::ptrdiff_t Entries(const fs::path& folder) { return std::distance(fs::directory_iterator(folder), {}); }

// Links planted where a temporary file might go are left alone; the output,
// even a link itself, is replaced by a file of its own with the usual mode.
// An output that cannot be written (in a missing folder, or a folder where
// the output should go) is reported and leaves nothing.
TEST(Packer, OutputIsReplacedWholeWithoutFollowingLinks) {
  DataFolder data;
  const fs::path output = data.path() / "Korvane.rsrc", victim = data.path() / "victim";
  data.Write("victim", "kept");
  for (const char* name : {"Korvane.rsrc", "Korvane.rsrc.partial", "Korvane.rsrc.tmp", "Korvane.rsrc~"})
    fs::create_symlink(victim, data.path() / name);
  const auto before = Entries(data.path());
  const mode_t mask = umask(022);
  WriteFileAtomically(output, "new bytes");
  umask(mask);
  EXPECT_EQ(codec::ReadFileBytes(output), "new bytes");
  EXPECT_FALSE(fs::is_symlink(output));
  EXPECT_EQ(fs::status(output).permissions(), fs::perms(0644));
  EXPECT_EQ(codec::ReadFileBytes(victim), "kept");
  EXPECT_EQ(Entries(data.path()), before);  // nothing left behind, no link removed

  fs::remove(output);
  data.Write("Korvane.rsrc/inside", "");
  for (const fs::path& target : {data.path() / "no such folder" / "Korvane.rsrc", output}) {
    EXPECT_TRUE(Refuses([&] { WriteFileAtomically(target, "bytes"); }, target.string(), 0, ""));
    EXPECT_EQ(Entries(data.path()), before);
  }
}

}  // namespace
}  // namespace packer
