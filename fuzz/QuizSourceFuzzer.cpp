// A TOML source, arbitrary, read as a quiz and as a manifest: each refuses it
// with a PackError or gives what the program reads.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "codec/BigEndian.h"
#include "codec/ContentIds.h"
#include "codec/ContentLimits.h"
#include "fuzz/Check.h"
#include "tools/packer/Manifest.h"
#include "tools/packer/PackError.h"
#include "tools/packer/QuizConverter.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view toml(reinterpret_cast<const char*>(data), size);
  try {
    const auto records = packer::ConvertQuiz(toml, "quiz.toml");
    Check(records.size() == codec::kRecordsPerQuiz);
    for (const std::string& record : records)
      Check(record.size() >= 2 && record.size() <= 2 + codec::kMaxQuizRecordText &&
            codec::GetU16(record, 0) == record.size() - 2);
  } catch (const packer::PackError&) {
  }
  try {
    const packer::Manifest manifest = packer::ReadManifest(toml, "resources.toml");
    Check(!manifest.topics.empty() && manifest.quizzes.size() == codec::kQuizCount);
  } catch (const packer::PackError&) {
  }
  return 0;
}
