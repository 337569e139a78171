// Base of every framework object, the runtime's exceptions, and the two
// helpers the program uses at every fetched reference: Need (nil test) and
// CheckedCast (class-tested down-cast).
#pragma once

#include <exception>
#include <memory>
#include <string>

namespace fw {

class Object : public std::enable_shared_from_this<Object> {
 public:
  Object() = default;
  Object(const Object&) = delete;
  Object& operator=(const Object&) = delete;
  virtual ~Object();
};

// Base of the framework's own exceptions. ClassName() is what the
// unhandled-exception report names.
class RuntimeException : public std::exception {
 public:
  explicit RuntimeException(std::string message = {});
  const char* what() const noexcept override;
  virtual const char* ClassName() const { return "RuntimeException"; }
  const std::string& Message() const { return message_; }

 private:
  std::string message_;
};

#define FW_DECLARE_EXCEPTION(Name)                              \
  class Name : public RuntimeException {                       \
   public:                                                      \
    using RuntimeException::RuntimeException;                  \
    const char* ClassName() const override { return #Name; }   \
  }

FW_DECLARE_EXCEPTION(NilObjectException);
FW_DECLARE_EXCEPTION(IllegalCastException);
FW_DECLARE_EXCEPTION(OutOfBoundsException);
FW_DECLARE_EXCEPTION(ResourceNotFoundException);
FW_DECLARE_EXCEPTION(PropertyRecordException);
FW_DECLARE_EXCEPTION(PluginException);
FW_DECLARE_EXCEPTION(UnsupportedOperationException);

#undef FW_DECLARE_EXCEPTION

// The nil test: returns the object, or raises NilObjectException.
template <class T>
T& Need(const std::shared_ptr<T>& p) {
  if (!p) throw NilObjectException("nil object reference");
  return *p;
}

// Class-tested cast: nil stays nil; an object of another class raises
// IllegalCastException.
template <class T, class U>
std::shared_ptr<T> CheckedCast(const std::shared_ptr<U>& p) {
  if (!p) return nullptr;
  if (auto t = std::dynamic_pointer_cast<T>(p)) return t;
  throw IllegalCastException("object is not of the expected class");
}

// The class name to report for any exception: a framework exception's
// ClassName(), otherwise the demangled C++ type.
std::string ExceptionClassName(const std::exception_ptr& e);

}  // namespace fw
