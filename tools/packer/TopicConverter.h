// Topic sources (Markdown) to the text and style runs of a 'TEXT'/'styl' pair.
//
// A topic starts with a level-1 heading, whose text is the topic's name. The
// reader can show level-1 and level-2 headings, paragraphs, block quotes and
// bullet lists; inside them plain text, emphasis, strong emphasis and soft
// line breaks. Anything else is refused rather than shown wrongly.
//
// Rendering: Geneva throughout; body 12 pt black; level-1 headings 18 pt bold
// and level-2 headings 14 pt bold, both in one dark-blue accent; block quotes
// in italic; emphasis is italic too (examples are quoted and emphasised) and
// strong emphasis sets bold. Blocks are separated by an empty line, bullet
// items stand on lines of their own beginning with "• ". Paragraph breaks are
// CR (0x0D); a soft break becomes a space.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "codec/StyleScrap.h"

namespace packer {

struct Topic {
  std::string name;  // the first heading's text
  int nameLine = 0;  // where that heading stands in the source
  std::string text;  // UTF-8 with CR paragraph breaks
  // Runs over `text`: starts in bytes, strictly ascending from 0; no two
  // neighbours alike.
  std::vector<codec::StyleElement> runs;
};

// Throws PackError naming `file` and the line of the first problem: invalid
// UTF-8, nesting over 100 levels deep, no leading level-1 heading, an empty or
// over-long name (255 bytes), anything the reader cannot show, more style runs
// than a scrap holds, more text or a longer word than a topic may hold
// (codec/ContentLimits.h).
Topic ConvertTopic(std::string_view markdown, const std::string& file);

}  // namespace packer
