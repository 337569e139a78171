// Writes the fuzzers' seed corpora: for each, a few small valid inputs and a
// few near misses. Run as `fuzz_make_corpus fuzz/corpus` after changing it.
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

#include "codec/BigEndian.h"
#include "codec/PropertyRecord.h"
#include "codec/QuizRecord.h"
#include "codec/ResourceWriter.h"
#include "codec/StyleScrap.h"
#include "codec/Wave.h"

namespace fs = std::filesystem;
using namespace std::string_literals;

namespace {

fs::path root;

void Write(const std::string& harness, const std::string& name, const std::string& bytes) {
  fs::create_directories(root / harness);
  std::ofstream(root / harness / name, std::ios::binary) << bytes;
}

std::string Set(std::string bytes, std::size_t at, char value) {
  bytes.at(at) = value;
  return bytes;
}

std::string Cut(const std::string& bytes) { return bytes.substr(0, bytes.size() - 1); }

std::string Scrap(const std::vector<std::int32_t>& starts) {
  std::vector<codec::StyleElement> elements;
  for (std::int32_t start : starts)
    elements.push_back({start, 16, 12, 3, static_cast<std::uint8_t>(start & 7), 12, 0, 0, 0x8000});
  return codec::EncodeStyleScrap(elements);
}

// Style-spans input: the text's 16-bit length, the text, the style table.
std::string Styled(const std::string& text, const std::string& styl) {
  std::string out;
  codec::PutU16(out, static_cast<std::uint16_t>(text.size()));
  return out + text + styl;
}

// The same resources with the map moved in front of the data: a layout the
// writer never makes but the reader accepts.
std::string MapFirst(const std::string& file) {
  const auto dataOffset = codec::GetU32(file, 0), mapOffset = codec::GetU32(file, 4);
  const auto dataLength = codec::GetU32(file, 8), mapLength = codec::GetU32(file, 12);
  std::string out;
  for (std::uint32_t field : {16 + mapLength, 16u, dataLength, mapLength}) codec::PutU32(out, field);
  return out + file.substr(mapOffset, mapLength) + file.substr(dataOffset, dataLength);
}

const std::string kRecordText =
    "A senator says the plan is bad because its author failed a course.\x11"
    "Ad hominem\x12Straw man\x12Red herring\x12No fallacy\x11"
    "Right: the author is attacked.\x12No: nobody's view is changed.\x12"
    "Close, but the topic stays.\x12There is one.\x11"
    "Look at whom the reply is about.\x11";

void ResourceMaps() {
  const std::string example = codec::WriteResourceFile({{"TEXT", 128, "Hi", "Hi!"}});
  const std::string topic = codec::WriteResourceFile(
      {{"TEXT", 128, "Ad Hominem", "Attacking the person.\rNot the argument."},
       {"TEXT", 129, "", "An empty name."},
       {"styl", 128, std::nullopt, Scrap({0, 9})},
       {"wstr", 128, std::nullopt, codec::QuizRecordData(kRecordText + "1")},
       {"PNG ", 128, "title", "\x89PNG\r\n\x1a\n"}});
  Write("resource_map", "example", example);  // the 316-byte worked example
  Write("resource_map", "empty", codec::WriteResourceFile({}));
  Write("resource_map", "topic", topic);
  Write("resource_map", "map-first", MapFirst(topic));
  Write("resource_map", "cut-short", Cut(example));
  Write("resource_map", "compressed", Set(example, 0x131, 0x01));
  // TEXT 129, the second reference after the four type entries, made 128.
  const std::size_t secondId = codec::GetU32(topic, 4) + 28 + 2 + 8 * 4 + 12;
  Write("resource_map", "same-id-twice", Set(topic, secondId + 1, '\x80'));
}

// Pictures the packer refuses and a damaged file may still hold: 7000 by 7000
// pixels, the signature alone or before noise, cut short, a bad CRC.
void HostilePictures() {
  const std::string huge = "\x89PNG\r\n\x1A\n\0\0\0\x0DIHDR\0\0\x1BX\0\0\x1BX\x08\0\0\0\0\xBC\xF0\xE4S"
                           "\0\0\0\x0AIDATx\x9C" "c`\0\0\0\x02\0\x01H\xAF\xA4q\0\0\0\0IEND\xAE" "B`\x82"s;
  const std::string signature = huge.substr(0, 8);
  std::vector<codec::ResourceSpec> pictures;
  for (const std::string& png : {huge, signature, signature + std::string(huge.rbegin(), huge.rend()),
                                 huge.substr(0, 40), Set(huge, 30, 'x')})
    pictures.push_back({"PNG ", static_cast<std::int16_t>(169 + pictures.size()), std::nullopt, png});
  Write("resource_map", "hostile-pictures", codec::WriteResourceFile(pictures));
}

void StyleSpans() {
  const std::string utf8 = "Na\xC3\xAFve caf\xC3\xA9 \xE2\x80\x94 ok\r2nd \xF0\x9F\x98\x80 para";
  Write("style_spans", "one-run", Styled("Hi!", Scrap({0})));
  Write("style_spans", "inside-characters", Styled(utf8, Scrap({0, 3, 9, 14, 24, 100})));
  Write("style_spans", "late-first-start", Styled(utf8, Scrap({5, 5, 2, -1, 12})));
  Write("style_spans", "stray-bytes", Styled("\x80\xC3(\xE2\x82 \xFF\xED\xA0\x80", Scrap({0, 1, 2, 4, 6})));
  Write("style_spans", "negative-count", Styled("text", Set(Scrap({0}), 0, '\xFF')));
  Write("style_spans", "count-beyond-bytes", Styled("text", Set(Scrap({0, 2}), 1, 5) + "part"));
  Write("style_spans", "no-table", Styled(utf8, ""));
  Write("style_spans", "empty-text", Styled("", Scrap({0})));
}

void PropertyRecords() {
  const std::string window = codec::EncodeRecord(
      {{"Title", "Hint"}, {"Width", 625}, {"Height", -1}, {"Visible", true},
       {"BackColor", codec::Color{255, 255, 255}}, {"MenuBarVisible", false}});
  Write("property_record", "window", window);
  Write("property_record", "lower-case-names",
        codec::EncodeRecord({{"name", "AnswerAButton"}, {"caption", "A. "}, {"left", 20},
                             {"multiline", true}, {"TEXTCOLOR", codec::Color{0, 128, 0}}}));
  Write("property_record", "empty", "");
  Write("property_record", "boolean-two", Set(window, window.find("Visible ") + 8, 2));
  Write("property_record", "cut-short", Cut(window));
  Write("property_record", "negative-length", "Title \xFF\xFF\xFF\xFF");
  Write("property_record", "unknown-name", "Colour \x01\x02\x03");
  Write("property_record", "no-space", "Width\x00\x00\x02\x71"s);
}

void QuizRecords() {
  const std::vector<std::pair<std::string, std::string>> answers = {
      {"1", "1"}, {"4", "4"}, {"0", "0"}, {"5", "5"}, {"blank", " 3"}, {"negative", "-2"},
      {"fraction", "2.9"}, {"exponent", "1e0"}, {"tiny", "1e-400"}, {"trailing-text", "+3x"}};
  for (const auto& [name, answer] : answers)
    Write("quiz_record", "answer-" + name, codec::QuizRecordData(kRecordText + answer));
  Write("quiz_record", "extra-fields", codec::QuizRecordData(kRecordText + "2\x11" "more\x12" "items"));
  Write("quiz_record", "five-choices", codec::QuizRecordData("S\x11" "a\x12" "b\x12" "c\x12" "d\x12" "e\x11" "f\x11" "h\x11" "3"));
  Write("quiz_record", "three-fields", codec::QuizRecordData("Scenario\x11" "a\x12" "b\x11" "fa"));
  Write("quiz_record", "utf8", codec::QuizRecordData("Caf\xC3\xA9 \xE2\x80\x94 \xF0\x9F\x98\x80\x11\xC3\xA9\x12" "b\x11" "c\x11" "d\x11" "2"));
  Write("quiz_record", "prefix-only", "\x00\x05"s);
  Write("quiz_record", "one-byte", "\x01"s);
}

std::string Repeat(const std::string& piece, int times) {
  std::string out;
  for (int k = 0; k < times; ++k) out += piece;
  return out;
}

std::string Source(const fs::path& relative) {
  std::ifstream in(fs::path(KORVANE_DATA_DIR) / relative, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

// Real topics, then each bound of the converter just kept and just passed.
void TopicSources() {
  for (const char* topic : {"01-ad-hominem.md", "24-false-dilemma.md", "38-straw-man.md"})
    Write("topic_source", topic, Source(fs::path("topics") / topic));
  const std::string title = "# T\n\n";
  Write("topic_source", "quotes-100-deep", title + Repeat(">", 97) + " *x*\n");
  Write("topic_source", "quotes-101-deep", title + Repeat(">", 98) + " *x*\n");
  Write("topic_source", "emphasis-deep", title + Repeat("*", 120) + "x" + Repeat("*", 120) + "\n");
  Write("topic_source", "word-256", title + "a " + Repeat("w", 255) + "-" + Repeat("w", 256) + "\n");
  Write("topic_source", "word-257-across-emphasis", title + Repeat("w", 200) + "_" + Repeat("v", 57) + "_\n");
  Write("topic_source", "combining-marks", title + "a" + Repeat("\xCC\x81", 128) + "\n");
  Write("topic_source", "unsupported", title + "1. one\n\n| a |\n|---|\n\n[l](u) `c`\n\n---\n");
}

void QuizSources() {
  Write("quiz_source", "quiz1.toml", Source("quizzes/quiz1.toml"));
  Write("quiz_source", "resources.toml", Source("resources.toml"));
  Write("quiz_source", "key-16-parts", "a" + Repeat(".b", 15) + " = 1\n[t" + Repeat(".\"q\"", 15) + "]\n");
  Write("quiz_source", "key-17-parts", "a" + Repeat(" . b", 16) + " = 1\n");
  Write("quiz_source", "brackets-32-deep", "x = " + Repeat("[", 31) + "{y = 1.5}" + Repeat("]", 31) + "\n");
  Write("quiz_source", "brackets-33-deep", "x = " + Repeat("[", 33) + Repeat("]", 33) + "\n");
  Write("quiz_source", "strings-and-comments",
        "# a.b.c[[[\n[[scenario]]\ntext = \"\"\"a\\\"\"\" .b.c\n[[\"\"\"\"\nhint = 'x.y[{'\n");
}

void Waves() {
  const std::string frames = "\x01\x00\xFF\xFFlrLR"s;
  const std::string stereo = codec::EncodeWave({.channels = 2, .sampleRate = 44100, .bitsPerSample = 16, .samples = frames});
  // The encoder's layout: the 12-byte RIFF header, "fmt " of 16 bytes, "data".
  const std::string header = stereo.substr(0, 12), format = stereo.substr(12, 24), samples = stereo.substr(36);
  Write("wave", "stereo", stereo);
  Write("wave", "mono-8-bit-odd", codec::EncodeWave({.channels = 1, .sampleRate = 8000, .bitsPerSample = 8, .samples = "abc"}));
  Write("wave", "eight-channels-32-bit",
        codec::EncodeWave({.channels = 8, .sampleRate = 192000, .bitsPerSample = 32, .samples = std::string(64, '\x7F')}));
  Write("wave", "extra-chunks", header + "LIST\x07\0\0\0INFOodd\0"s + samples + format + "fact\x01\0\0\0x\0"s);
  Write("wave", "long-format", header + "fmt \x12\0\0\0"s + format.substr(8) + "\0\0"s + samples);
  Write("wave", "float", Set(stereo, 20, 3));
  Write("wave", "twenty-four-bit", Set(stereo, 34, 24));
  Write("wave", "header-only", header);
  Write("wave", "cut-short", Cut(stereo));
  Write("wave", "no-data", header + format);
  Write("wave", "huge-chunk", Set(stereo, 43, '\xFF'));
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: fuzz_make_corpus <corpus directory>\n";
    return 2;
  }
  root = argv[1];
  ResourceMaps();
  HostilePictures();
  StyleSpans();
  PropertyRecords();
  QuizRecords();
  TopicSources();
  QuizSources();
  Waves();
  return 0;
}
