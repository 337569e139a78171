// One topic switch through the real Change handler (the list's selection
// moves, the handler opens the resource file, reads TEXT and styl, styles the
// reader and titles the window, the text is laid out), against a bare Qt
// window with the same list and reader doing the same directly.
#include <benchmark/benchmark.h>

#include <QAbstractTextDocumentLayout>
#include <QCoreApplication>
#include <QListWidget>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>

#include <algorithm>

#include "browser/Window1.h"
#include "codec/FileBytes.h"
#include "codec/ResourceMap.h"
#include "codec/StyleScrap.h"
#include "framework/qt/TextConversion.h"
#include "framework/qt/Views.h"
#include "tests/support/Program.h"

namespace {

using korvane::Window1;

struct Topic {
  int index;
  std::string name, text, styl;
};

// The shortest, median and longest topic of the real resource file.
const std::vector<Topic>& Samples() {
  static const std::vector<Topic> samples = [] {
    std::string bytes = *codec::ReadFileBytes(korvane::test::RealResourceFile());
    auto map = *codec::ResourceMap::Parse(bytes);
    std::vector<Topic> all;
    for (int k = 0; k < map.Count("TEXT"); ++k) {
      const auto* text = map.At("TEXT", k);
      const auto* styl = map.At("styl", k);
      all.push_back({k, std::string(text->name), bytes.substr(text->dataOffset, text->length),
                     bytes.substr(styl->dataOffset, styl->length)});
    }
    std::sort(all.begin(), all.end(), [](const Topic& a, const Topic& b) { return a.text.size() < b.text.size(); });
    return std::vector<Topic>{all.front(), all[all.size() / 2], all.back()};
  }();
  return samples;
}

void LayOut(QTextEdit* edit) { edit->document()->documentLayout()->documentSize(); }

void TopicSwitch_Korvane(benchmark::State& state) {
  const Topic topic = Samples()[static_cast<std::size_t>(state.range(0))];
  korvane::test::Recorder recorder;
  korvane::test::StartProgram(korvane::test::RealResourceFile(), recorder);
  auto window = Window1::Instance();
  auto list = fw::CheckedCast<fw::Listbox>(fw::RuntimeWindowControlByName(window, "BrowserListBox"));
  auto* reader = qobject_cast<QTextEdit*>(fw::WidgetOf(*fw::RuntimeWindowControlByName(window, "BrowserEditField")));
  // Both sides come from the same other topic.
  int elsewhere = Samples()[topic.index == Samples()[0].index ? 1 : 0].index;
  for (auto _ : state) {
    state.PauseTiming();
    list->SetListIndex(elsewhere);
    LayOut(reader);
    state.ResumeTiming();
    list->SetListIndex(topic.index);
    LayOut(reader);
  }
  state.SetLabel(std::to_string(topic.text.size()) + " bytes");
  korvane::test::ShutdownProgram();
}

void TopicSwitch_Baseline(benchmark::State& state) {
  const Topic topic = Samples()[static_cast<std::size_t>(state.range(0))];
  // On screen like Korvane's main window: the same list of 43 rows beside
  // the reader, so both select and lay out the same way.
  QWidget window;
  window.resize(625, 432);
  QListWidget list(&window);
  list.setGeometry(0, 0, 181, 418);
  list.setFont(fw::detail::FontFor("Geneva", 10, false, false, false));
  list.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  list.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  std::string bytes = *codec::ReadFileBytes(korvane::test::RealResourceFile());
  auto map = *codec::ResourceMap::Parse(bytes);
  for (int k = 0; k < map.Count("TEXT"); ++k) list.addItem(QString::fromStdString(std::string(map.At("TEXT", k)->name)));
  QTextEdit edit(&window);
  edit.setGeometry(180, 0, 446, 418);
  edit.setReadOnly(true);
  edit.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);  // as the reader's: no second layout
  edit.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  edit.document()->setUndoRedoEnabled(false);
  edit.setFont(fw::detail::FontFor("System", 12, false, false, false));
  window.show();
  QCoreApplication::processEvents();
  // Like Korvane it comes from another topic, and it makes the formats from
  // the style runs as it fills.
  const Topic& other = Samples()[topic.index == Samples()[0].index ? 1 : 0];
  auto show = [&](const Topic& t) {
    list.setCurrentRow(t.index);
    QTextDocument* doc = edit.document();
    doc->clear();
    QTextCursor cursor(doc);
    cursor.beginEditBlock();
    for (const auto& span : codec::StyleSpansForText(t.text, t.styl)) {
      QTextCharFormat format;
      QFont font(fw::detail::FamilyForFontNumber(span.style.font));
      font.setPixelSize(span.style.size);
      font.setBold(span.style.face & codec::kFaceBold);
      font.setItalic(span.style.face & codec::kFaceItalic);
      format.setFont(font);
      format.setForeground(QColor(span.style.red >> 8, span.style.green >> 8, span.style.blue >> 8));
      QString piece = QString::fromUtf8(t.text.data() + span.begin, static_cast<qsizetype>(span.end - span.begin));
      piece.replace(QLatin1Char('\r'), QLatin1Char('\n'));
      cursor.insertText(piece, format);
    }
    cursor.endEditBlock();
    window.setWindowTitle(QStringLiteral("Korvane: ") + QString::fromStdString(t.name));
    LayOut(&edit);
  };
  for (auto _ : state) {
    state.PauseTiming();
    show(other);
    state.ResumeTiming();
    show(topic);
  }
  state.SetLabel(std::to_string(topic.text.size()) + " bytes");
}


}  // namespace

// Registered by hand so that each name is exactly "<figure>/<side>".
const bool kRegistered = [] {
  const char* sizes[] = {"shortest", "median", "longest"};
  for (int k = 0; k < 3; ++k) {
    std::string figure = std::string("TopicSwitch/") + sizes[k];
    benchmark::RegisterBenchmark((figure + "/korvane").c_str(), TopicSwitch_Korvane)->Arg(k)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark((figure + "/baseline").c_str(), TopicSwitch_Baseline)->Arg(k)->Unit(benchmark::kMillisecond);
  }
  return true;
}();
