// A topic source (Markdown), arbitrary: the packer refuses it with a
// PackError or writes a topic the program will show.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "codec/ContentLimits.h"
#include "fuzz/Check.h"
#include "tools/packer/PackError.h"
#include "tools/packer/TopicConverter.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view markdown(reinterpret_cast<const char*>(data), size);
  packer::Topic topic;
  try {
    topic = packer::ConvertTopic(markdown, "topic.md");
  } catch (const packer::PackError&) {
    return 0;
  }
  Check(!topic.name.empty() && topic.name.size() <= 255);
  Check(!topic.runs.empty() && topic.runs.front().startChar == 0);
  for (std::size_t i = 1; i < topic.runs.size(); ++i)
    Check(topic.runs[i - 1].startChar < topic.runs[i].startChar &&
          static_cast<std::size_t>(topic.runs[i].startChar) < topic.text.size());
  Check(codec::TopicWithinLimits(topic.text, codec::EncodeStyleScrap(topic.runs)));
  return 0;
}
