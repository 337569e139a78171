#include "framework/Listbox.h"

#include <QListWidget>

#include <vector>

#include "framework/Properties.h"
#include "framework/qt/ControlView.h"
#include "framework/qt/TextConversion.h"
#include "framework/qt/TextStyle.h"
#include "framework/qt/WindowRegistry.h"

namespace fw {
namespace {

struct ListView : RectControl::View {
  ListView() : View(new QListWidget(detail::NewControlParent())) {}
  QListWidget* List() const { return static_cast<QListWidget*>(widget.data()); }
  TextStyle style{.font = "System", .size = 12};
  std::vector<String> rows;
};

}  // namespace

Listbox::Listbox() : RectControl(std::make_unique<ListView>()) {
  ListView& v = ViewOf<ListView>(*this);
  QListWidget* list = v.List();
  list->setSelectionMode(QAbstractItemView::SingleSelection);
  list->setFont(v.style.Font());
  list->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  QObject::connect(list, &QListWidget::currentRowChanged, list, [this](int) {
    // Only the user's changes: the program's own go through SetListIndex.
    SelectionChangedByUser();
  });
}

void Listbox::AddRow(const String& text) {
  ListView& v = ViewOf<ListView>(*this);
  v.rows.push_back(text);
  if (v.List()) v.List()->addItem(detail::ToDisplayText(text));
}

int Listbox::ListCount() const { return static_cast<int>(ViewOf<ListView>(*this).rows.size()); }

String Listbox::List(int row) const {
  const auto& rows = ViewOf<ListView>(*this).rows;
  if (row < 0 || row >= static_cast<int>(rows.size()))
    throw OutOfBoundsException("list row " + std::to_string(row) + " out of bounds");
  return rows[static_cast<std::size_t>(row)];
}

int Listbox::ListIndex() const {
  QListWidget* list = ViewOf<ListView>(*this).List();
  return list ? list->currentRow() : -1;
}

void Listbox::SetListIndex(int row) {
  QListWidget* list = ViewOf<ListView>(*this).List();
  if (!list) return;
  if (row < -1 || row >= list->count())
    throw OutOfBoundsException("list row " + std::to_string(row) + " out of bounds");
  if (row == list->currentRow()) return;
  {
    QSignalBlocker block(list);
    list->setCurrentRow(row);
    if (row < 0) list->clearSelection();
  }
  RaiseEvent("change");
}

String Listbox::Text() const {
  int row = ListIndex();
  return row < 0 ? String() : ViewOf<ListView>(*this).rows[static_cast<std::size_t>(row)];
}

void Listbox::SelectionChangedByUser() { RaiseEvent("change"); }

void Listbox::Refresh() {
  ListView& v = ViewOf<ListView>(*this);
  if (v.List()) v.List()->setFont(v.style.Font());
  RectControl::Refresh();
}

bool Listbox::HasEvent(std::string_view event) const {
  return event == "change" || RectControl::HasEvent(event);
}

const property::Setter<Listbox> Listbox::kProperties[] = {
    {"ScrollBarVertical", [](Listbox& l, const auto& v) {
       if (QListWidget* list = ViewOf<ListView>(l).List())
         list->setVerticalScrollBarPolicy(property::Bool(v) ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
     }},
    {"ScrollBarHorizontal", [](Listbox& l, const auto& v) {
       if (QListWidget* list = ViewOf<ListView>(l).List())
         list->setHorizontalScrollBarPolicy(property::Bool(v) ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
     }},
    {"InitialValue", [](Listbox& l, const auto& v) {
       // Rows of the design, one per line.
       String rows = property::Str(v);
       for (int i = 1, n = CountFields(rows, "\r"); i <= n && !rows.IsEmpty(); ++i) l.AddRow(NthField(rows, "\r", i));
     }},
};

bool Listbox::SetOwnProperty(std::string_view name, const codec::PropertyValue& value) {
  return ViewOf<ListView>(*this).style.Take(name, value) || property::Set(kProperties, *this, name, value) ||
         RectControl::SetOwnProperty(name, value);
}

}  // namespace fw
