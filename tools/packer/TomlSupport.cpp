#include "tools/packer/TomlSupport.h"

#include <algorithm>

#include "tools/packer/PackError.h"

namespace packer {
namespace {

// toml++ builds, walks and frees the tables and arrays of a document
// recursively, a frame a level: a key of 100,000 dotted parts overflows the
// stack. These bounds keep the depth to a few hundred levels; real files have
// one-part keys, brackets two deep and lines of at most 644 bytes.
constexpr int kMaxKeyParts = 16;
constexpr int kMaxBracketDepth = 32;
constexpr std::size_t kMaxLineBytes = 16 << 10;

// A pass over the source that knows only strings, comments, brackets and
// dotted names. Dots between numbers count as parts too: a value has no more
// than two.
class ShapeCheck {
 public:
  ShapeCheck(std::string_view text, const std::string& file) : text_(text), file_(file) {}

  void Run() {
    while (at_ < text_.size()) {
      const char c = text_[at_];
      switch (c) {
        case '\n': NewLine(); break;
        case ' ': case '\t': case '\r': ++at_; break;
        case '#': while (at_ < text_.size() && text_[at_] != '\n') ++at_; break;
        case '"': case '\'': Part(); SkipString(c); break;
        case '.': afterDot_ = true; ++at_; break;
        case '[': case '{':
          if (++depth_ > kMaxBracketDepth)
            Refuse("brackets and braces nest more than " + std::to_string(kMaxBracketDepth) + " deep");
          EndName();
          break;
        case ']': case '}': depth_ = std::max(0, depth_ - 1); EndName(); break;
        case '=': case ',': EndName(); break;
        default:
          Part();
          while (at_ < text_.size() && IsBare(text_[at_])) ++at_;
      }
    }
    CheckLineLength();
  }

 private:
  static bool IsBare(char c) { return std::string_view(" \t\r\n#\"'.[]{}=,").find(c) == std::string_view::npos; }

  void Part() {
    parts_ = afterDot_ ? parts_ + 1 : 1;
    afterDot_ = false;
    if (parts_ > kMaxKeyParts) Refuse("a key of more than " + std::to_string(kMaxKeyParts) + " dotted parts");
  }

  void EndName() {
    parts_ = 0;
    afterDot_ = false;
    ++at_;
  }

  void NewLine() {
    CheckLineLength();
    EndName();
    ++line_;
    lineStart_ = at_;
  }

  void CheckLineLength() const {
    if (const std::size_t length = at_ - lineStart_; length > kMaxLineBytes)
      Refuse("the line is " + std::to_string(length) + " bytes; at most " + std::to_string(kMaxLineBytes) + " fit");
  }

  // From the opening quote to past the closing one, or to the end of the
  // line that leaves a one-line string open.
  void SkipString(char quote) {
    const bool multiLine = text_.substr(at_, 3) == std::string(3, quote);
    at_ += multiLine ? 3 : 1;
    while (at_ < text_.size()) {
      const char c = text_[at_];
      if (c == '\n') {
        if (!multiLine) return;
        NewLine();
      } else if (c == '\\' && quote == '"') {
        at_ += at_ + 1 < text_.size() && text_[at_ + 1] != '\n' ? 2u : 1u;
      } else if (c == quote && (!multiLine || text_.substr(at_, 3) == std::string(3, quote))) {
        at_ += multiLine ? 3 : 1;
        // Up to two more quotes end the content, not the string.
        for (int extra = 0; multiLine && extra < 2 && at_ < text_.size() && text_[at_] == quote; ++extra) ++at_;
        return;
      } else {
        ++at_;
      }
    }
  }

  [[noreturn]] void Refuse(const std::string& message) const { throw PackError(file_, line_, message); }

  std::string_view text_;
  const std::string& file_;
  std::size_t at_ = 0, lineStart_ = 0;
  int line_ = 1, depth_ = 0, parts_ = 0;
  bool afterDot_ = false;
};

}  // namespace

toml::table ParseToml(std::string_view text, const std::string& file) {
  ShapeCheck(text, file).Run();
  try {
    return toml::parse(text, file);
  } catch (const toml::parse_error& error) {
    throw PackError(file, static_cast<int>(error.source().begin.line), std::string(error.description()));
  }
}

int LineOf(const toml::node& node) { return static_cast<int>(node.source().begin.line); }

int LineOf(const toml::node* node) { return node ? LineOf(*node) : 0; }

const toml::node& Require(const toml::table& table, std::string_view key, const std::string& file) {
  const toml::node* node = table.get(key);
  if (node == nullptr) throw PackError(file, LineOf(table), "missing \"" + std::string(key) + "\"");
  return *node;
}

void RefuseUnknownKeys(const toml::table& table, std::initializer_list<std::string_view> known,
                       const std::string& file) {
  for (const auto& [key, value] : table)
    if (std::find(known.begin(), known.end(), key.str()) == known.end())
      throw PackError(file, static_cast<int>(key.source().begin.line),
                      "unknown key \"" + std::string(key.str()) + "\"");
}

}  // namespace packer
