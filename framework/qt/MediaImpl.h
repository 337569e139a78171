#pragma once

#include <QByteArray>
#include <QPixmap>

#include "framework/Media.h"

namespace fw {

struct Picture::Impl {
  QPixmap pixmap;
};

struct Sound::Impl {
  int sampleRate = 0;
  int channels = 0;
  int bitsPerSample = 0;
  QByteArray samples;
};

}  // namespace fw
