// The interface of the audio module, a library the framework loads on the
// first sound it plays: Qt Multimedia and the sound system's libraries cost
// start-up time and memory that a session without sounds never needs.
#pragma once

extern "C" {

// Plays 16-bit, 8-bit or 32-bit integer PCM samples (bits per sample given)
// on the default output without blocking; false where there is no device or
// the format cannot be played. The module copies the samples.
using KorvaneAudioPlayFn = bool (*)(const char* samples, long long size, int sampleRate,
                                    int channels, int bitsPerSample);

#define KORVANE_AUDIO_PLAY_SYMBOL "korvane_audio_play"
}
