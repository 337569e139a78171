// The interface of the audio module, a library the framework loads on the
// first sound it plays: Qt Multimedia and the sound system's libraries cost
// start-up time and memory that a session without sounds never needs.
#pragma once

extern "C" {

// Plays 16-bit, 8-bit (unsigned) or 32-bit integer PCM samples (bits per
// sample given) on the default output without blocking; call it on the GUI
// thread. A sound cuts the one playing before it. False where there is no
// device, or the sound is not one codec::SoundProblem lets through, or the
// sound server refused it. The module copies the samples, keeps at most a
// few outputs open, and closes them once idle and when the application ends.
using KorvaneAudioPlayFn = bool (*)(const char* samples, long long size, int sampleRate,
                                    int channels, int bitsPerSample);

#define KORVANE_AUDIO_PLAY_SYMBOL "korvane_audio_play"
}
