// The WAVE decoder on arbitrary bytes: a sound it accepts must be one the
// audio module can be handed (whole frames at a rate and format the desktop
// plays, samples inside the bytes given), and must survive being written out
// and read back.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "codec/Wave.h"
#include "fuzz/Check.h"

namespace {
volatile unsigned touched;  // keeps the reads of the samples
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view file(reinterpret_cast<const char*>(data), size);
  const auto sound = codec::DecodeWave(file);
  if (!sound) return 0;

  Check(codec::SoundProblem(sound->channels, sound->sampleRate, sound->bitsPerSample, sound->samples.size()).empty());
  Check(sound->samples.data() >= file.data() &&
        sound->samples.size() <= static_cast<std::size_t>(file.data() + size - sound->samples.data()));
  // libFuzzer's buffer is exactly `size` long: samples beyond it are caught here.
  unsigned sum = 0;
  for (char c : sound->samples) sum += static_cast<unsigned char>(c);
  touched = sum;

  const std::string written = codec::EncodeWave(*sound);
  const auto again = codec::DecodeWave(written);
  Check(again && again->channels == sound->channels && again->sampleRate == sound->sampleRate &&
        again->bitsPerSample == sound->bitsPerSample && again->samples == sound->samples);
  return 0;
}
