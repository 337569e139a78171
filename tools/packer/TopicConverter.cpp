#include "tools/packer/TopicConverter.h"

#include <cmark.h>

#include <algorithm>
#include <iterator>
#include <memory>
#include <utility>

#include "codec/ContentLimits.h"
#include "codec/Utf8.h"
#include "tools/packer/PackError.h"

namespace packer {
namespace {

constexpr std::int16_t kGeneva = 3;
// The converter recurses once or twice per level; real topics nest four
// levels deep (a quote, its paragraph, emphasis, strong emphasis).
constexpr int kMaxNesting = 100;
constexpr std::string_view kParagraphBreak = "\r";
constexpr std::string_view kBlankLine = "\r\r";
constexpr std::string_view kBullet = "\xE2\x80\xA2 ";

enum class Role { Body, Title, Subtitle };

struct Look {
  Role role = Role::Body;
  std::uint8_t face = 0;
};

codec::StyleElement StyleOf(const Look& look) {
  codec::StyleElement style;
  style.font = kGeneva;
  style.face = look.face;
  style.size = 12;
  if (look.role != Role::Body) {
    style.size = look.role == Role::Title ? 18 : 14;
    style.face |= codec::kFaceBold;
    style.green = 0x3333;
    style.blue = 0x6666;
  }
  style.ascent = style.size;
  style.height = static_cast<std::int16_t>(style.size + style.size / 3);
  return style;
}

bool SameStyle(codec::StyleElement a, const codec::StyleElement& b) {
  a.startChar = b.startChar;
  return a == b;
}

int LineOf(cmark_node* node) {
  for (; node != nullptr; node = cmark_node_parent(node))
    if (int line = cmark_node_get_start_line(node); line > 0) return line;
  return 0;
}

int LineOfOffset(std::string_view text, std::size_t offset) {
  return 1 + static_cast<int>(std::count(text.begin(), text.begin() + offset, '\n'));
}

// A paragraph line that starts with "|" is a table the reader would show as
// raw pipes.
bool StartsTableRow(cmark_node* inline_node) {
  cmark_node* before = cmark_node_previous(inline_node);
  const char* literal = cmark_node_get_literal(inline_node);
  return (before == nullptr || cmark_node_get_type(before) == CMARK_NODE_SOFTBREAK) &&
         literal != nullptr && literal[0] == '|';
}

class TopicWriter {
 public:
  explicit TopicWriter(const std::string& file) : file_(file) {}

  Topic Convert(cmark_node* document) {
    cmark_node* heading = cmark_node_first_child(document);
    if (heading == nullptr || cmark_node_get_type(heading) != CMARK_NODE_HEADING ||
        cmark_node_get_heading_level(heading) != 1)
      Refuse(heading ? heading : document, "a topic starts with a level-1 heading naming it");
    Block(heading, {});
    Topic topic{text_, LineOf(heading), {}, {}};
    if (topic.name.empty()) Refuse(heading, "the heading naming the topic is empty");
    if (topic.name.size() > 255) Refuse(heading, "the topic's name is longer than 255 bytes");
    if (cmark_node* rest = cmark_node_next(heading)) {
      Append(kBlankLine, {}, rest);
      Blocks(rest, {});
    }
    if (runs_.size() > static_cast<std::size_t>(codec::kMaxStyleElements))
      throw PackError(file_, 0, "the topic has " + std::to_string(runs_.size()) +
                                    " style runs; at most 1601 fit");
    if (text_.size() > codec::kMaxTopicTextBytes)
      throw PackError(file_, LineAt(codec::kMaxTopicTextBytes),
                      "the topic's text is " + std::to_string(text_.size()) + " bytes; at most " +
                          std::to_string(codec::kMaxTopicTextBytes) + " fit");
    if (const codec::ByteRun word = codec::LongestUnbreakableRun(text_); word.length > codec::kMaxUnbreakableBytes)
      throw PackError(file_, LineAt(word.begin),
                      "a word of " + std::to_string(word.length) + " bytes without a space or hyphen; at most " +
                          std::to_string(codec::kMaxUnbreakableBytes) + " fit");
    topic.text = std::move(text_);
    topic.runs = std::move(runs_);
    return topic;
  }

 private:
  // `first` and its following siblings, an empty line between each two.
  void Blocks(cmark_node* first, const Look& look) {
    for (cmark_node* node = first; node != nullptr; node = cmark_node_next(node)) {
      if (node != first) Append(kBlankLine, {}, node);
      Block(node, look);
    }
  }

  void Block(cmark_node* node, const Look& look) {
    switch (cmark_node_get_type(node)) {
      case CMARK_NODE_PARAGRAPH:
        return Inlines(node, look);
      case CMARK_NODE_HEADING: {
        const int level = cmark_node_get_heading_level(node);
        if (level > 2) Refuse(node, "headings of level 3 or lower are not supported");
        return Inlines(node, {level == 1 ? Role::Title : Role::Subtitle, look.face});
      }
      case CMARK_NODE_BLOCK_QUOTE:
        return Blocks(cmark_node_first_child(node),
                      {look.role, static_cast<std::uint8_t>(look.face | codec::kFaceItalic)});
      case CMARK_NODE_LIST:
        if (cmark_node_get_list_type(node) != CMARK_BULLET_LIST)
          Refuse(node, "numbered lists are not supported; use a bullet list");
        return BulletList(node, look);
      case CMARK_NODE_CODE_BLOCK: Refuse(node, "code blocks are not supported");
      case CMARK_NODE_HTML_BLOCK: Refuse(node, "HTML is not supported");
      case CMARK_NODE_THEMATIC_BREAK: Refuse(node, "horizontal rules are not supported");
      default: Refuse(node, "this kind of block is not supported");
    }
  }

  void BulletList(cmark_node* list, const Look& look) {
    for (cmark_node* item = cmark_node_first_child(list); item; item = cmark_node_next(item)) {
      cmark_node* paragraph = cmark_node_first_child(item);
      if (paragraph == nullptr || cmark_node_get_type(paragraph) != CMARK_NODE_PARAGRAPH ||
          cmark_node_next(paragraph) != nullptr)
        Refuse(item, "a list item holds one paragraph (no nested lists or blocks)");
      if (item != cmark_node_first_child(list)) Append(kParagraphBreak, {}, item);
      Append(kBullet, look, item);
      Inlines(paragraph, look);
    }
  }

  void Inlines(cmark_node* parent, const Look& look) {
    for (cmark_node* node = cmark_node_first_child(parent); node; node = cmark_node_next(node)) {
      switch (cmark_node_get_type(node)) {
        case CMARK_NODE_TEXT:
          if (StartsTableRow(node)) Refuse(node, "tables are not supported");
          Append(cmark_node_get_literal(node), look, node);
          break;
        case CMARK_NODE_SOFTBREAK:
          Append(" ", look, node);
          break;
        case CMARK_NODE_EMPH:
          Inlines(node, {look.role, static_cast<std::uint8_t>(look.face | codec::kFaceItalic)});
          break;
        case CMARK_NODE_STRONG:
          Inlines(node, {look.role, static_cast<std::uint8_t>(look.face | codec::kFaceBold)});
          break;
        case CMARK_NODE_LINEBREAK: Refuse(node, "hard line breaks are not supported");
        case CMARK_NODE_CODE: Refuse(node, "inline code is not supported");
        case CMARK_NODE_HTML_INLINE: Refuse(node, "HTML is not supported");
        case CMARK_NODE_LINK: Refuse(node, "links are not supported");
        case CMARK_NODE_IMAGE: Refuse(node, "images are not supported");
        default: Refuse(node, "this kind of text is not supported");
      }
    }
  }

  // `source` is the node the piece comes from, for the line to name.
  void Append(std::string_view piece, const Look& look, cmark_node* source) {
    if (piece.empty()) return;
    codec::StyleElement style = StyleOf(look);
    style.startChar = static_cast<std::int32_t>(text_.size());
    if (runs_.empty() || !SameStyle(style, runs_.back())) runs_.push_back(style);
    const int line = LineOf(source);
    if (pieceLines_.empty() || pieceLines_.back().second != line) pieceLines_.emplace_back(text_.size(), line);
    text_.append(piece);
  }

  // The source line of the text at byte `offset`.
  int LineAt(std::size_t offset) const {
    auto after = std::upper_bound(pieceLines_.begin(), pieceLines_.end(), offset,
                                  [](std::size_t at, const auto& piece) { return at < piece.first; });
    return after == pieceLines_.begin() ? 0 : std::prev(after)->second;
  }

  [[noreturn]] void Refuse(cmark_node* node, const std::string& message) const {
    throw PackError(file_, LineOf(node), message);
  }

  const std::string& file_;
  std::string text_;
  std::vector<codec::StyleElement> runs_;
  std::vector<std::pair<std::size_t, int>> pieceLines_;  // where the text's lines change, in bytes
};

bool IsLeaf(cmark_node* node) {
  switch (cmark_node_get_type(node)) {
    case CMARK_NODE_HTML_BLOCK: case CMARK_NODE_THEMATIC_BREAK: case CMARK_NODE_CODE_BLOCK:
    case CMARK_NODE_TEXT: case CMARK_NODE_SOFTBREAK: case CMARK_NODE_LINEBREAK:
    case CMARK_NODE_CODE: case CMARK_NODE_HTML_INLINE:
      return true;
    default:
      return false;
  }
}

// Refuses nesting the converter's recursion could not take, measured without
// recursing: the iterator reports no exit from a leaf.
void RefuseDeepNesting(cmark_node* document, const std::string& file) {
  struct IterDeleter {
    void operator()(cmark_iter* iter) const { cmark_iter_free(iter); }
  };
  const std::unique_ptr<cmark_iter, IterDeleter> iter(cmark_iter_new(document));
  int depth = 0;
  for (cmark_event_type event; (event = cmark_iter_next(iter.get())) != CMARK_EVENT_DONE;) {
    cmark_node* node = cmark_iter_get_node(iter.get());
    if (event == CMARK_EVENT_EXIT) {
      --depth;
    } else if (!IsLeaf(node) && ++depth > kMaxNesting) {
      throw PackError(file, LineOf(node), "quotes, lists and emphasis nest more than " +
                                              std::to_string(kMaxNesting) + " levels deep");
    }
  }
}

struct NodeDeleter {
  void operator()(cmark_node* node) const { cmark_node_free(node); }
};

}  // namespace

Topic ConvertTopic(std::string_view markdown, const std::string& file) {
  if (const std::size_t bad = codec::FirstInvalidUtf8(markdown); bad < markdown.size())
    throw PackError(file, LineOfOffset(markdown, bad), "the text is not valid UTF-8");
  const std::unique_ptr<cmark_node, NodeDeleter> document(
      cmark_parse_document(markdown.data(), markdown.size(), CMARK_OPT_DEFAULT));
  if (!document) throw PackError(file, 0, "the Markdown parser ran out of memory");
  RefuseDeepNesting(document.get(), file);
  return TopicWriter(file).Convert(document.get());
}

}  // namespace packer
