#include "framework/Object.h"

#include <cxxabi.h>

#include <cstdlib>
#include <typeinfo>

namespace fw {

Object::~Object() = default;

RuntimeException::RuntimeException(std::string message) : message_(std::move(message)) {}

const char* RuntimeException::what() const noexcept { return message_.c_str(); }

namespace {
std::string Demangle(const char* mangled) {
  int status = 0;
  char* name = abi::__cxa_demangle(mangled, nullptr, nullptr, &status);
  std::string out = (status == 0 && name) ? name : mangled;
  std::free(name);
  return out;
}
}  // namespace

std::string ExceptionClassName(const std::exception_ptr& e) {
  if (!e) return "no exception";
  try {
    std::rethrow_exception(e);
  } catch (const RuntimeException& r) {
    return r.ClassName();
  } catch (const std::exception& s) {
    return Demangle(typeid(s).name());
  } catch (...) {
    std::type_info* t = abi::__cxa_current_exception_type();
    return t ? Demangle(t->name()) : "unknown exception";
  }
}

}  // namespace fw
