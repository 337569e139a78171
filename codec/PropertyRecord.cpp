#include "codec/PropertyRecord.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <unordered_map>

#include "codec/BigEndian.h"

namespace codec {
namespace {

struct KnownName {
  std::string_view name;
  PropertyType type;
};

constexpr auto I = PropertyType::Integer;
constexpr auto B = PropertyType::Boolean;
constexpr auto C = PropertyType::Color;
constexpr auto S = PropertyType::String;

constexpr std::array kNames = {
    KnownName{"Alignment", I}, KnownName{"BorderWidth", I}, KnownName{"ColumnCount", I},
    KnownName{"DefaultRowHeight", I}, KnownName{"Frame", I}, KnownName{"GridLinesHorizontal", I},
    KnownName{"GridLinesVertical", I}, KnownName{"HeadingIndex", I}, KnownName{"Height", I},
    KnownName{"Index", I}, KnownName{"Left", I}, KnownName{"LimitText", I},
    KnownName{"MacProcID", I}, KnownName{"MaxHeight", I}, KnownName{"MaxWidth", I},
    KnownName{"MinHeight", I}, KnownName{"MinWidth", I}, KnownName{"OvalHeight", I},
    KnownName{"OvalWidth", I}, KnownName{"Placement", I}, KnownName{"ScrollPosition", I},
    KnownName{"ScrollPositionX", I}, KnownName{"SelectionType", I}, KnownName{"TabIndex", I},
    KnownName{"TabPanelIndex", I}, KnownName{"TextAlign", I}, KnownName{"TextSize", I},
    KnownName{"Top", I}, KnownName{"Width", I},

    KnownName{"AcceptFocus", B}, KnownName{"AcceptTabs", B}, KnownName{"AutoDeactivate", B},
    KnownName{"Bold", B}, KnownName{"Border", B}, KnownName{"Cancel", B},
    KnownName{"CloseButton", B}, KnownName{"ColumnsResizable", B}, KnownName{"Composite", B},
    KnownName{"Default", B}, KnownName{"EnableDrag", B}, KnownName{"EnableDragReorder", B},
    KnownName{"Enabled", B}, KnownName{"EraseBackground", B}, KnownName{"FullScreen", B},
    KnownName{"HasBackColor", B}, KnownName{"HasHeading", B}, KnownName{"Hierarchical", B},
    KnownName{"Italic", B}, KnownName{"LiveResize", B}, KnownName{"LockBottom", B},
    KnownName{"LockLeft", B}, KnownName{"LockRight", B}, KnownName{"LockTop", B},
    KnownName{"MaximizeButton", B}, KnownName{"MenuBarVisible", B},
    KnownName{"MinimizeButton", B}, KnownName{"MultiLine", B}, KnownName{"Password", B},
    KnownName{"ReadOnly", B}, KnownName{"Resizeable", B}, KnownName{"ScrollBar", B},
    KnownName{"ScrollBarHorizontal", B}, KnownName{"ScrollBarVertical", B},
    KnownName{"Styled", B}, KnownName{"Underline", B}, KnownName{"UseFocusRing", B},
    KnownName{"Visible", B},

    KnownName{"BackColor", C}, KnownName{"BorderColor", C}, KnownName{"FillColor", C},
    KnownName{"TextColor", C},

    KnownName{"BalloonHelp", S}, KnownName{"Caption", S}, KnownName{"ColumnWidths", S},
    KnownName{"DataField", S}, KnownName{"DataSource", S}, KnownName{"DisabledBalloonHelp", S},
    KnownName{"Format", S}, KnownName{"HelpTag", S}, KnownName{"InitialParent", S},
    KnownName{"InitialValue", S}, KnownName{"Mask", S}, KnownName{"Name", S},
    KnownName{"Text", S}, KnownName{"TextFont", S}, KnownName{"Title", S},
};

const KnownName* Find(std::string_view name) {
  // Records are applied for every control of every window: look names up by
  // hash, lower-cased on the stack, rather than by walking the table.
  constexpr std::size_t kLongest = 24;
  using Key = std::array<char, kLongest>;
  auto lower = [](std::string_view n) {
    Key key{};
    for (std::size_t i = 0; i < n.size(); ++i)
      key[i] = static_cast<char>(std::tolower(static_cast<unsigned char>(n[i])));
    return key;
  };
  struct KeyHash {
    std::size_t operator()(const Key& k) const { return std::hash<std::string_view>()({k.data(), k.size()}); }
  };
  static const std::unordered_map<Key, const KnownName*, KeyHash> byName = [&] {
    std::unordered_map<Key, const KnownName*, KeyHash> map;
    for (const auto& k : kNames) map.emplace(lower(k.name), &k);
    return map;
  }();
  if (name.size() > kLongest) return nullptr;
  auto it = byName.find(lower(name));
  return it == byName.end() ? nullptr : it->second;
}

const KnownName& Require(std::string_view name) {
  if (const KnownName* k = Find(name)) return *k;
  throw PropertyRecordError("unknown property name \"" + std::string(name) + "\"");
}

PropertyType TypeOfValue(const PropertyValue& v) {
  switch (v.index()) {
    case 0: return PropertyType::Integer;
    case 1: return PropertyType::Boolean;
    case 2: return PropertyType::Color;
    default: return PropertyType::String;
  }
}

void EncodeField(std::string& out, std::string_view name, const PropertyValue& value) {
  const KnownName& known = Require(name);
  if (TypeOfValue(value) != known.type)
    throw PropertyRecordError("property \"" + std::string(name) + "\" given a value of the wrong type");
  out.append(name);
  out.push_back(' ');
  std::visit(
      [&out](const auto& v) {
        using T = std::decay_t<decltype(v)>;
        if constexpr (std::is_same_v<T, std::int32_t>) {
          PutU32(out, static_cast<std::uint32_t>(v));
        } else if constexpr (std::is_same_v<T, bool>) {
          out.push_back(v ? 1 : 0);
        } else if constexpr (std::is_same_v<T, Color>) {
          out.push_back(static_cast<char>(v.red));
          out.push_back(static_cast<char>(v.green));
          out.push_back(static_cast<char>(v.blue));
        } else {
          if (v.size() > 0x7FFFFFFFu) throw PropertyRecordError("string value too long");
          PutU32(out, static_cast<std::uint32_t>(v.size()));
          out.append(v);
        }
      },
      value);
}

class Reader {
 public:
  explicit Reader(std::string_view bytes) : bytes_(bytes) {}
  bool AtEnd() const { return pos_ == bytes_.size(); }

  std::string_view Take(std::size_t n, std::string_view what) {
    if (bytes_.size() - pos_ < n)
      throw PropertyRecordError("property record cut short in " + std::string(what));
    std::string_view s = bytes_.substr(pos_, n);
    pos_ += n;
    return s;
  }

  std::int32_t TakeInt32(std::string_view what) {
    return static_cast<std::int32_t>(GetU32(Take(4, what), 0));
  }

  std::string_view TakeName() {
    std::size_t start = pos_;
    while (pos_ < bytes_.size() && std::isalpha(static_cast<unsigned char>(bytes_[pos_]))) ++pos_;
    std::string_view name = bytes_.substr(start, pos_ - start);
    if (name.empty())
      throw PropertyRecordError("property record holds no name at byte " + std::to_string(start));
    if (pos_ == bytes_.size())
      throw PropertyRecordError("property record cut short after \"" + std::string(name) + "\"");
    if (bytes_[pos_] != ' ')
      throw PropertyRecordError("property name \"" + std::string(name) + "\" not followed by a space");
    ++pos_;
    return name;
  }

 private:
  std::string_view bytes_;
  std::size_t pos_ = 0;
};

}  // namespace

PropertyType TypeOfProperty(std::string_view name) { return Require(name).type; }

std::string_view CanonicalPropertyName(std::string_view name) { return Require(name).name; }

std::string EncodeRecord(const std::vector<RecordField>& fields) {
  std::string out;
  for (const auto& f : fields) EncodeField(out, f.name, f.value);
  return out;
}

std::string EncodeRecord(std::initializer_list<RecordField> fields) {
  return EncodeRecord(std::vector<RecordField>(fields));
}

std::vector<PropertyEntry> DecodeRecord(std::string_view bytes) {
  std::vector<PropertyEntry> entries;
  Reader in(bytes);
  while (!in.AtEnd()) {
    std::string_view name = in.TakeName();
    const KnownName& known = Require(name);
    PropertyEntry entry{std::string(name), known.name, {}};
    switch (known.type) {
      case PropertyType::Integer:
        entry.value = in.TakeInt32(name);
        break;
      case PropertyType::Boolean:
        entry.value = in.Take(1, name)[0] != 0;
        break;
      case PropertyType::Color: {
        std::string_view c = in.Take(3, name);
        entry.value = Color{static_cast<std::uint8_t>(c[0]), static_cast<std::uint8_t>(c[1]),
                            static_cast<std::uint8_t>(c[2])};
        break;
      }
      case PropertyType::String: {
        std::int32_t count = in.TakeInt32(name);
        if (count < 0)
          throw PropertyRecordError("property \"" + std::string(name) + "\" has a negative length");
        entry.value = std::string(in.Take(static_cast<std::size_t>(count), name));
        break;
      }
    }
    entries.push_back(std::move(entry));
  }
  return entries;
}

}  // namespace codec
