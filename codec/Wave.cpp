#include "codec/Wave.h"

#include <algorithm>
#include <climits>
#include <cstddef>
#include <cstdint>

namespace codec {
namespace {

constexpr std::uint16_t kPcm = 1;
constexpr std::size_t kChunkHeader = 8;
constexpr std::size_t kFormatSize = 16;

std::uint32_t GetLittleEndian(std::string_view bytes, std::size_t at, int width) {
  std::uint32_t value = 0;
  for (int i = width - 1; i >= 0; --i)
    value = (value << 8) | static_cast<unsigned char>(bytes[at + static_cast<std::size_t>(i)]);
  return value;
}

void PutLittleEndian(std::string& out, std::uint32_t value, int width) {
  for (int i = 0; i < width; ++i) out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

}  // namespace

std::string SoundProblem(int channels, int sampleRate, int bitsPerSample, std::size_t sampleBytes) {
  if (channels < 1 || channels > kMaxSoundChannels)
    return std::to_string(channels) + " channels; Korvane plays 1 to " + std::to_string(kMaxSoundChannels);
  if (sampleRate < kMinSoundRate || sampleRate > kMaxSoundRate)
    return std::to_string(sampleRate) + " frames a second; Korvane plays " + std::to_string(kMinSoundRate) + " to " +
           std::to_string(kMaxSoundRate);
  if (bitsPerSample != 8 && bitsPerSample != 16 && bitsPerSample != 32)
    return std::to_string(bitsPerSample) + " bits a sample; Korvane plays 8, 16 or 32";
  const auto frame = static_cast<std::size_t>(channels * bitsPerSample / 8);
  if (sampleBytes % frame != 0)
    return "the samples are " + std::to_string(sampleBytes) + " bytes, not a whole number of " +
           std::to_string(frame) + "-byte frames";
  return "";
}

std::optional<WaveSound> DecodeWave(std::string_view bytes, std::string* problem) {
  const auto refuse = [problem](std::string why) -> std::optional<WaveSound> {
    if (problem) *problem = std::move(why);
    return std::nullopt;
  };
  if (bytes.size() < 12 || bytes.substr(0, 4) != "RIFF" || bytes.substr(8, 4) != "WAVE")
    return refuse("not a RIFF WAVE file");
  WaveSound sound;
  bool haveFormat = false, haveSamples = false;
  std::size_t at = 12;
  while (at + kChunkHeader <= bytes.size()) {
    const std::string_view id = bytes.substr(at, 4);
    const std::size_t size = GetLittleEndian(bytes, at + 4, 4);
    const std::size_t body = at + kChunkHeader;
    if (size > bytes.size() - body) return refuse("a chunk runs past the end of the file");
    if (id == "fmt " && size >= kFormatSize) {
      const auto encoding = GetLittleEndian(bytes, body, 2), channels = GetLittleEndian(bytes, body + 2, 2);
      const auto rate = GetLittleEndian(bytes, body + 4, 4), bits = GetLittleEndian(bytes, body + 14, 2);
      if (encoding != kPcm) return refuse("encoding " + std::to_string(encoding) + " is not integer PCM");
      sound.channels = static_cast<int>(channels);
      sound.sampleRate = static_cast<int>(std::min<std::uint32_t>(rate, INT_MAX));
      sound.bitsPerSample = static_cast<int>(bits);
      if (std::string why = SoundProblem(sound.channels, sound.sampleRate, sound.bitsPerSample, 0); !why.empty())
        return refuse(std::move(why));
      haveFormat = true;
    } else if (id == "data") {
      sound.samples = bytes.substr(body, size);
      haveSamples = true;
    }
    at = body + size + (size & 1);  // chunks are padded to even lengths
  }
  if (!haveFormat) return refuse("no \"fmt \" chunk of 16 bytes or more");
  if (!haveSamples) return refuse("no \"data\" chunk");
  if (std::string why = SoundProblem(sound.channels, sound.sampleRate, sound.bitsPerSample, sound.samples.size());
      !why.empty())
    return refuse(std::move(why));
  return sound;
}

std::string EncodeWave(const WaveSound& sound) {
  const auto channels = static_cast<std::uint32_t>(sound.channels);
  const auto rate = static_cast<std::uint32_t>(sound.sampleRate);
  const auto bits = static_cast<std::uint32_t>(sound.bitsPerSample);
  const auto length = static_cast<std::uint32_t>(sound.samples.size());
  const std::uint32_t frameBytes = channels * bits / 8;
  std::string out = "RIFF";
  PutLittleEndian(out, static_cast<std::uint32_t>(4 + 2 * kChunkHeader + kFormatSize + length + (length & 1)), 4);
  out += "WAVEfmt ";
  PutLittleEndian(out, kFormatSize, 4);
  PutLittleEndian(out, kPcm, 2);
  PutLittleEndian(out, channels, 2);
  PutLittleEndian(out, rate, 4);
  PutLittleEndian(out, rate * frameBytes, 4);
  PutLittleEndian(out, frameBytes, 2);
  PutLittleEndian(out, bits, 2);
  out += "data";
  PutLittleEndian(out, length, 4);
  out += sound.samples;
  if (length & 1) out.push_back('\0');
  return out;
}

}  // namespace codec
