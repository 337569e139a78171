#include "framework/Media.h"

#include <QCoreApplication>
#include <QDir>
#include <QImage>
#include <QLibrary>

#include <optional>

#include "codec/Wave.h"
#include "framework/audio/AudioModule.h"
#include "framework/qt/MediaImpl.h"
#include "framework/qt/RuntimeState.h"

namespace fw {

std::shared_ptr<Sound> Sound::FromWave(std::string_view bytes) {
  const std::optional<codec::WaveSound> wave = codec::DecodeWave(bytes);
  if (!wave) return nullptr;
  QByteArray samples(wave->samples.data(), static_cast<qsizetype>(wave->samples.size()));
  return std::make_shared<Sound>(std::make_unique<Impl>(
      Impl{wave->sampleRate, wave->channels, wave->bitsPerSample, std::move(samples)}));
}

Sound::Sound(std::unique_ptr<Impl> impl) : impl_(std::move(impl)) {}
Sound::~Sound() { detail::Trace("release sound"); }

namespace {

// The audio module, loaded on the first sound: next to the executable in the
// build tree, in lib/korvane/ of the install tree. Null where it is missing.
KorvaneAudioPlayFn AudioModule() {
  static KorvaneAudioPlayFn play = [] {
    QDir dir(QCoreApplication::applicationDirPath());
    for (const QString& path : {dir.filePath("libkorvane_audio.so"), dir.filePath("../lib/korvane/libkorvane_audio.so")}) {
      QLibrary library(path);
      if (auto fn = reinterpret_cast<KorvaneAudioPlayFn>(library.resolve(KORVANE_AUDIO_PLAY_SYMBOL))) return fn;
    }
    return static_cast<KorvaneAudioPlayFn>(nullptr);
  }();
  return play;
}

}  // namespace

void Sound::Play() {
  detail::Trace("Sound.Play");
  detail::NotifySoundPlayed(*this);
  if (KorvaneAudioPlayFn play = AudioModule())
    play(impl_->samples.constData(), impl_->samples.size(), impl_->sampleRate, impl_->channels,
         impl_->bitsPerSample);
}

std::shared_ptr<Picture> Picture::FromImageData(const std::string& bytes) {
  QImage image;
  if (!image.loadFromData(reinterpret_cast<const uchar*>(bytes.data()), static_cast<int>(bytes.size())))
    return nullptr;
  return std::make_shared<Picture>(std::make_unique<Impl>(Impl{QPixmap::fromImage(image)}));
}

Picture::Picture(std::unique_ptr<Impl> impl) : impl_(std::move(impl)) {}
Picture::~Picture() { detail::Trace("release picture"); }
int Picture::Width() const { return impl_->pixmap.width(); }
int Picture::Height() const { return impl_->pixmap.height(); }

}  // namespace fw
