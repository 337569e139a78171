// Sounds and pictures made from the application's resources.
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "framework/Object.h"

namespace fw {

class Sound : public Object {
 public:
  // A sound from a RIFF WAVE file's bytes; nil when they are not one that
  // Korvane plays (integer PCM, see codec/Wave.h).
  static std::shared_ptr<Sound> FromWave(std::string_view bytes);
  ~Sound() override;
  // Starts playing and returns at once. Where the machine has no audio
  // device it does nothing, quietly.
  void Play();

  struct Impl;
  explicit Sound(std::unique_ptr<Impl> impl);

 private:
  std::unique_ptr<Impl> impl_;
};

class Picture : public Object {
 public:
  // A picture from an image file's bytes (PNG); nil when they do not decode
  // or it is wider or taller than codec::kMaxPictureSide.
  static std::shared_ptr<Picture> FromImageData(const std::string& bytes);
  ~Picture() override;
  int Width() const;
  int Height() const;

  struct Impl;
  explicit Picture(std::unique_ptr<Impl> impl);
  const Impl& GetImpl() const { return *impl_; }

 private:
  std::unique_ptr<Impl> impl_;
};

}  // namespace fw
