// RIFF WAVE sound files ('WAVE' resources): the sounds Korvane plays.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace codec {

// The sounds Korvane hands to the desktop's audio: whole frames of integer
// PCM at a rate sound servers play. Audio libraries divide by a period that
// is zero frames at a few hertz, and a partial frame stalls the stream; the
// packer, the program and the audio module all hold a sound to this rule.
inline constexpr int kMinSoundRate = 8000, kMaxSoundRate = 192000;  // frames a second
inline constexpr int kMaxSoundChannels = 8;

// Why samples of this format and length break the rule; empty when they keep it.
std::string SoundProblem(int channels, int sampleRate, int bitsPerSample, std::size_t sampleBytes);

// Integer PCM samples, interleaved, little-endian, as the file holds them.
struct WaveSound {
  int channels = 0;          // 1 to kMaxSoundChannels
  int sampleRate = 0;        // kMinSoundRate to kMaxSoundRate frames a second
  int bitsPerSample = 0;     // 8 (unsigned), 16 or 32
  std::string_view samples;  // the data chunk, inside the decoded bytes: whole frames
};

// The sound of a RIFF WAVE file, or nothing when Korvane cannot play it: not
// RIFF/WAVE, no "fmt " chunk of at least 16 bytes, no "data" chunk, a chunk
// running past the end, an encoding other than integer PCM, or a sound that
// breaks the rule above; `problem`, when given, then says which. Chunks are
// padded to even lengths; unknown chunks are skipped; of two chunks of one
// kind the later counts.
std::optional<WaveSound> DecodeWave(std::string_view bytes, std::string* problem = nullptr);

// The file that DecodeWave reads back as `sound`, its format unchecked.
std::string EncodeWave(const WaveSound& sound);

}  // namespace codec
