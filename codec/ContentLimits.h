// What the packer may write and the program accepts, defined once: beyond
// these a topic or the whole file is damaged data to the program, and the
// packer refuses the source. They keep every topic quick to lay out and the
// file quick to read again at each topic switch.
#pragma once

#include <cstddef>
#include <string_view>

#include "codec/ContentIds.h"
#include "codec/ResourceLayout.h"
#include "codec/StyleScrap.h"

namespace codec {

// A topic's text in bytes. The longest real topic is about 2,300 bytes; at
// this bound, with 1601 style runs, even a text of nothing but paragraph
// breaks lays out in about 20 ms, a frame or two.
inline constexpr std::size_t kMaxTopicTextBytes = 8 << 10;

// Bytes in a row without a place to break a line (a space, tab, line break or
// hyphen). Text that cannot be broken costs the layout the square of its
// length; counting bytes, not letters, also bounds a run of combining marks.
// The longest real word is 19 bytes.
inline constexpr std::size_t kMaxUnbreakableBytes = 256;

// A quiz record's text, after its 16-bit length.
inline constexpr std::size_t kMaxQuizRecordText = 0xFFFF;

// A sound or picture. The real ones are at most 19 KB.
inline constexpr std::size_t kMaxMediaBytes = 1 << 20;

// A picture's width and height in pixels, checked before its pixels are
// decoded. The title is 409 by 65; one at this bound costs the About box
// about 60 ms and 16 MB.
inline constexpr int kMaxPictureSide = 2048;

// The whole resource file, read anew at each topic switch. The real one is
// about 150 KB.
inline constexpr std::size_t kMaxResourceFileBytes = 8 << 20;

// The largest file the packer writes with every topic, record and medium the
// program reads at its bound: data blocks with their length words, the
// header and the largest map the layout allows. More media than the program
// reads can only be packed while the file stays within its bound.
inline constexpr std::size_t kMediaCount = 3;  // two sounds and the title picture
inline constexpr std::size_t kLargestPackedFile =
    kTopicCount * (2 * rsrc::kBlockLengthSize + kMaxTopicTextBytes + kMaxStyleScrapBytes) +
    kQuizCount * kRecordsPerQuiz * (rsrc::kBlockLengthSize + 2 + kMaxQuizRecordText) +
    kMediaCount * (rsrc::kBlockLengthSize + kMaxMediaBytes) + rsrc::kCanonicalDataOffset + rsrc::kMaxMapLength;
static_assert(kLargestPackedFile <= kMaxResourceFileBytes);

struct ByteRun {
  std::size_t begin = 0, length = 0;
};

// The first of the longest runs of bytes without a line-break opportunity.
ByteRun LongestUnbreakableRun(std::string_view text);

// Whether a topic's text and style table stay within what the packer writes.
bool TopicWithinLimits(std::string_view text, std::string_view styl);

}  // namespace codec
