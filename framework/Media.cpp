#include "framework/Media.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QImage>
#include <QImageReader>
#include <QLibrary>

#include <optional>

#include "codec/ContentLimits.h"
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
// build tree, in the install tree's module folder. Null where it is missing.
KorvaneAudioPlayFn AudioModule() {
  static KorvaneAudioPlayFn play = [] {
    QDir dir(QCoreApplication::applicationDirPath());
    for (const QString& path :
         {dir.filePath("libkorvane_audio.so"), dir.filePath(KORVANE_MODULEDIR_FROM_BINDIR "/libkorvane_audio.so")}) {
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
  QByteArray data = QByteArray::fromRawData(bytes.data(), static_cast<qsizetype>(bytes.size()));
  QBuffer buffer(&data);
  QImageReader reader(&buffer);
  // The header first: a picture past the bound is refused before any of
  // its pixels are decoded.
  const QSize size = reader.size();
  if (!size.isValid() || size.width() > codec::kMaxPictureSide || size.height() > codec::kMaxPictureSide)
    return nullptr;
  const QImage image = reader.read();
  if (image.isNull()) return nullptr;
  return std::make_shared<Picture>(std::make_unique<Impl>(Impl{QPixmap::fromImage(image)}));
}

Picture::Picture(std::unique_ptr<Impl> impl) : impl_(std::move(impl)) {}
Picture::~Picture() { detail::Trace("release picture"); }
int Picture::Width() const { return impl_->pixmap.width(); }
int Picture::Height() const { return impl_->pixmap.height(); }

}  // namespace fw
