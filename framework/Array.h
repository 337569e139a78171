// One-dimensional arrays declared by their last index: an array with last
// index 10 holds the 11 elements 0 to 10.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "framework/Object.h"

namespace fw {

// Traces its creation and release, so start-up and shutdown can be watched.
class ArrayBase : public Object {
 public:
  ArrayBase();
  ~ArrayBase() override;
};

template <class T>
class Array : public ArrayBase {
 public:
  explicit Array(int lastIndex) : elements_(lastIndex < 0 ? 0 : static_cast<std::size_t>(lastIndex) + 1) {}

  int LastIndex() const { return static_cast<int>(elements_.size()) - 1; }

  // Element access; an index outside 0..LastIndex raises OutOfBoundsException.
  T& operator()(int index) {
    if (index < 0 || index > LastIndex())
      throw OutOfBoundsException("array index " + std::to_string(index) + " out of bounds");
    return elements_[static_cast<std::size_t>(index)];
  }

 private:
  std::vector<T> elements_;
};

template <class T>
using ArrayRef = std::shared_ptr<Array<T>>;

template <class T>
ArrayRef<T> CreateArray(int lastIndex) {
  return std::make_shared<Array<T>>(lastIndex);
}

}  // namespace fw
