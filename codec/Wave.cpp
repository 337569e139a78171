#include "codec/Wave.h"

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

std::optional<WaveSound> DecodeWave(std::string_view bytes) {
  if (bytes.size() < 12 || bytes.substr(0, 4) != "RIFF" || bytes.substr(8, 4) != "WAVE") return std::nullopt;
  WaveSound sound;
  bool haveFormat = false, haveSamples = false;
  std::size_t at = 12;
  while (at + kChunkHeader <= bytes.size()) {
    const std::string_view id = bytes.substr(at, 4);
    const std::size_t size = GetLittleEndian(bytes, at + 4, 4);
    const std::size_t body = at + kChunkHeader;
    if (size > bytes.size() - body) return std::nullopt;
    if (id == "fmt " && size >= kFormatSize) {
      const auto encoding = GetLittleEndian(bytes, body, 2), channels = GetLittleEndian(bytes, body + 2, 2);
      const auto rate = GetLittleEndian(bytes, body + 4, 4), bits = GetLittleEndian(bytes, body + 14, 2);
      if (encoding != kPcm || channels == 0 || channels > 8 || rate == 0 || rate > 384000) return std::nullopt;
      if (bits != 8 && bits != 16 && bits != 32) return std::nullopt;
      sound.channels = static_cast<int>(channels);
      sound.sampleRate = static_cast<int>(rate);
      sound.bitsPerSample = static_cast<int>(bits);
      haveFormat = true;
    } else if (id == "data") {
      sound.samples = bytes.substr(body, size);
      haveSamples = true;
    }
    at = body + size + (size & 1);  // chunks are padded to even lengths
  }
  if (!haveFormat || !haveSamples) return std::nullopt;
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
