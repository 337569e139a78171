// The interface of the audio module, a library the framework loads on the
// first sound it plays: Qt Multimedia and the sound system's libraries cost
// start-up time and memory that a session without sounds never needs.
#pragma once

extern "C" {

// Plays 16-bit, 8-bit (unsigned) or 32-bit integer PCM samples (bits per
// sample given) on the default output; call it on the GUI thread. It copies
// the samples and returns at once: the module's own thread opens outputs and
// talks to the sound server, so a server that stops answering never holds
// the caller. A sound cuts the one playing before it. False where the sound
// is not one codec::SoundProblem lets through; true means accepted, and
// where there is no device or the server refuses it, nothing plays. The
// module keeps at most a few outputs open, and closes them once idle and
// when the application ends.
using KorvaneAudioPlayFn = bool (*)(const char* samples, long long size, int sampleRate,
                                    int channels, int bitsPerSample);

#define KORVANE_AUDIO_PLAY_SYMBOL "korvane_audio_play"
}
