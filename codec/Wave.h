// RIFF WAVE sound files ('WAVE' resources): the sounds Korvane plays.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace codec {

// Integer PCM samples, interleaved, little-endian, as the file holds them.
struct WaveSound {
  int channels = 0;          // 1 to 8
  int sampleRate = 0;        // 1 to 384000 frames a second
  int bitsPerSample = 0;     // 8, 16 or 32
  std::string_view samples;  // the data chunk, inside the decoded bytes
};

// The sound of a RIFF WAVE file, or nothing when Korvane cannot play it: not
// RIFF/WAVE, no "fmt " chunk of at least 16 bytes, no "data" chunk, a chunk
// running past the end, an encoding other than integer PCM, or channels,
// rate or sample size outside the ranges above. Chunks are padded to even
// lengths; unknown chunks are skipped; of two chunks of one kind the later
// counts.
std::optional<WaveSound> DecodeWave(std::string_view bytes);

// The file that DecodeWave reads back as `sound`, its format unchecked.
std::string EncodeWave(const WaveSound& sound);

}  // namespace codec
