#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>
#include <string>

#include "codec/Wave.h"
#include "tests/TestCase.h"

namespace codec {
namespace {

std::string Le(std::uint32_t value, int width) {
  std::string out;
  for (int i = 0; i < width; ++i) out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
  return out;
}

// A chunk with its padding byte when the body's length is odd.
std::string Chunk(const std::string& id, const std::string& body) {
  return id + Le(static_cast<std::uint32_t>(body.size()), 4) + body + (body.size() % 2 ? "\x7F" : "");
}

std::string Fmt(std::uint32_t encoding, std::uint32_t channels, std::uint32_t rate, std::uint32_t bits,
                const std::string& extra = "") {
  return Chunk("fmt ", Le(encoding, 2) + Le(channels, 2) + Le(rate, 4) + Le(rate * channels * bits / 8, 4) +
                           Le(channels * bits / 8, 2) + Le(bits, 2) + extra);
}

std::string Riff(std::initializer_list<std::string> chunks, const std::string& form = "WAVE") {
  std::string body = form;
  for (const std::string& chunk : chunks) body += chunk;
  return "RIFF" + Le(static_cast<std::uint32_t>(body.size()), 4) + body;
}

const std::string kPcmStereo = Fmt(1, 2, 44100, 16);
const std::string kSamples = Chunk("data", "abcdefgh");
const std::string kFrame(32, 'x');  // of 8 channels of 32 bits

TEST(Wave, EncodesTheCanonicalLayout) {
  const std::string expected("RIFF\x28\0\0\0WAVEfmt \x10\0\0\0\x01\0\x02\0\x44\xAC\0\0\x10\xB1\x02\0\x04\0\x10\0"
                             "data\x03\0\0\0xyz\0", 48);
  EXPECT_EQ(EncodeWave({.channels = 2, .sampleRate = 44100, .bitsPerSample = 16, .samples = "xyz"}), expected);
}

struct Accepted : korvane_test::NamedCase {
  std::string file;
  int channels, sampleRate, bitsPerSample;
  std::string samples;
};

class WaveAccepts : public ::testing::TestWithParam<Accepted> {};

TEST_P(WaveAccepts, TheFormatAndTheSamples) {
  const Accepted& c = GetParam();
  const auto sound = DecodeWave(c.file);
  ASSERT_TRUE(sound);
  EXPECT_EQ(sound->channels, c.channels);
  EXPECT_EQ(sound->sampleRate, c.sampleRate);
  EXPECT_EQ(sound->bitsPerSample, c.bitsPerSample);
  EXPECT_EQ(sound->samples, c.samples);
  // What the encoder writes of it reads back the same.
  EXPECT_EQ(DecodeWave(EncodeWave(*sound))->samples, c.samples);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, WaveAccepts,
    ::testing::Values(
        Accepted{"Canonical", Riff({kPcmStereo, kSamples}), 2, 44100, 16, "abcdefgh"},
        Accepted{"Encoded", EncodeWave({.channels = 8, .sampleRate = 192000, .bitsPerSample = 32, .samples = kFrame}),
                 8, 192000, 32, kFrame},
        Accepted{"EightBitsAtTheLowestRate", Riff({Fmt(1, 1, 8000, 8), kSamples}), 1, 8000, 8, "abcdefgh"},
        Accepted{"DataBeforeFormat", Riff({kSamples, kPcmStereo}), 2, 44100, 16, "abcdefgh"},
        Accepted{"OddChunksPaddedAndSkipped", Riff({Chunk("LIST", "odd"), Fmt(1, 1, 8000, 8), Chunk("data", "abc"),
                                                    Chunk("fact", "x")}), 1, 8000, 8, "abc"},
        Accepted{"LongerFormatChunk", Riff({Fmt(1, 2, 44100, 16, Le(0, 2)), kSamples}), 2, 44100, 16, "abcdefgh"},
        Accepted{"EmptyData", Riff({kPcmStereo, Chunk("data", "")}), 2, 44100, 16, ""},
        Accepted{"LaterDataCounts", Riff({kPcmStereo, Chunk("data", "first!"), kSamples}), 2, 44100, 16, "abcdefgh"},
        Accepted{"TrailingBytesShorterThanAChunk", Riff({kPcmStereo, kSamples}) + "junk", 2, 44100, 16, "abcdefgh"},
        Accepted{"RiffLengthIgnored", "RIFF\xFF\xFF\xFF\xFF" + Riff({kPcmStereo, kSamples}).substr(8), 2, 44100, 16,
                 "abcdefgh"}),
    korvane_test::CaseName());

struct Rejected : korvane_test::NamedCase {
  std::string file;
};

class WaveRejects : public ::testing::TestWithParam<Rejected> {};

TEST_P(WaveRejects, WhatKorvaneCannotPlay) { EXPECT_FALSE(DecodeWave(GetParam().file)); }

INSTANTIATE_TEST_SUITE_P(
    Cases, WaveRejects,
    ::testing::Values(
        Rejected{"Empty", ""},
        Rejected{"HeaderOnly", std::string("RIFF\x04\0\0\0WAVE", 12)},
        Rejected{"NotRiff", "RIFX" + Riff({kPcmStereo, kSamples}).substr(4)},
        Rejected{"NotWave", Riff({kPcmStereo, kSamples}, "AVI ")},
        Rejected{"NoFormat", Riff({kSamples})},
        Rejected{"NoData", Riff({kPcmStereo})},
        Rejected{"FormatChunkTooShort", Riff({Chunk("fmt ", kPcmStereo.substr(8, 14)), kSamples})},
        Rejected{"Float", Riff({Fmt(3, 2, 44100, 32), kSamples})},
        Rejected{"Extensible", Riff({Fmt(0xFFFE, 2, 44100, 16, Le(22, 2) + std::string(22, '\0')), kSamples})},
        Rejected{"Compressed", Riff({Fmt(2, 1, 22050, 4), kSamples})},
        Rejected{"NoChannels", Riff({Fmt(1, 0, 44100, 16), kSamples})},
        Rejected{"NineChannels", Riff({Fmt(1, 9, 44100, 16), kSamples})},
        Rejected{"RateZero", Riff({Fmt(1, 2, 0, 16), kSamples})},
        Rejected{"RateTooLow", Riff({Fmt(1, 2, 7999, 16), kSamples})},
        Rejected{"RateTooHigh", Riff({Fmt(1, 2, 192001, 16), kSamples})},
        Rejected{"PartialFrame", Riff({kPcmStereo, Chunk("data", "abcdef")})},
        Rejected{"TwentyFourBits", Riff({Fmt(1, 2, 44100, 24), kSamples})},
        Rejected{"ABadFormatAfterAGoodOne", Riff({kPcmStereo, Fmt(3, 2, 44100, 32), kSamples})},
        Rejected{"DataPastTheEnd", Riff({kPcmStereo, kSamples}).substr(0, Riff({kPcmStereo, kSamples}).size() - 1)},
        Rejected{"ChunkLengthNearFourGigabytes", Riff({kPcmStereo, "data\xF8\xFF\xFF\xFF" "abcdefgh"})}),
    korvane_test::CaseName());

}  // namespace
}  // namespace codec
