// Replacements for the parts of the static C++ runtime that would more than
// double the size of tolvane.exe without changing what the program does:
// - the runtime's default terminate handler names the uncaught exception's
//   type on stderr, which a windowed program does not have, and for that links
//   a demangler and a printf;
// - its helpers that raise std::length_error, std::out_of_range and their
//   kind build those with a second, reference-counted string type;
// - its record of the exceptions being handled is kept per thread in an
//   emulation of thread-local storage, with locks and keys of its own.
// Here a terminate ends the process the same way, and those helpers raise a
// std::exception that carries its message in place. Nothing catches the
// standard types by name: the window procedures' guard catches std::exception,
// and a library error stays shown by the standard error display. The
// program's code runs on the window thread alone (threads of the system never
// run it), so one record of exceptions serves.
#include <bits/functexcept.h>
#include <cxxabi.h>

#include <cstdarg>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <new>
#include <typeinfo>

namespace __gnu_cxx {

void __verbose_terminate_handler() {
  std::abort();
}

// The runtime's own small formatter (%s, %zu, %%), which its
// __throw_out_of_range_fmt uses as well.
int __snprintf_lite(char* buffer, std::size_t size, const char* format, va_list arguments);

}  // namespace __gnu_cxx

namespace {

class LibraryError : public std::exception {
 public:
  explicit LibraryError(const char* message) {
    std::strncpy(text_, message != nullptr ? message : "", sizeof text_ - 1);
  }
  const char* what() const noexcept override { return text_; }

 private:
  // In place: the error may be a failed allocation's.
  char text_[256] = {};
};

[[noreturn]] void Raise(const char* message) {
  throw LibraryError(message);
}

}  // namespace

namespace std {

void __throw_bad_exception() {
  throw bad_exception();
}
void __throw_bad_alloc() {
  throw bad_alloc();
}
void __throw_bad_array_new_length() {
  throw bad_array_new_length();
}
void __throw_bad_cast() {
  throw bad_cast();
}
void __throw_bad_typeid() {
  throw bad_typeid();
}
void __throw_logic_error(const char* message) {
  Raise(message);
}
void __throw_domain_error(const char* message) {
  Raise(message);
}
void __throw_invalid_argument(const char* message) {
  Raise(message);
}
void __throw_length_error(const char* message) {
  Raise(message);
}
void __throw_out_of_range(const char* message) {
  Raise(message);
}
void __throw_runtime_error(const char* message) {
  Raise(message);
}
void __throw_range_error(const char* message) {
  Raise(message);
}
void __throw_overflow_error(const char* message) {
  Raise(message);
}
void __throw_underflow_error(const char* message) {
  Raise(message);
}

void __throw_out_of_range_fmt(const char* format, ...) {
  char message[256];
  va_list arguments;
  va_start(arguments, format);
  __gnu_cxx::__snprintf_lite(message, sizeof message, format, arguments);
  va_end(arguments);
  Raise(message);
}

}  // namespace std

// The layout the C++ ABI gives the record: the exceptions being handled, and
// the count of those thrown and not yet caught.
namespace {
struct ExceptionRecord {
  void* caughtExceptions;
  unsigned int uncaughtExceptions;
};
ExceptionRecord exceptionRecord;
}  // namespace

namespace __cxxabiv1 {

extern "C" __cxa_eh_globals* __cxa_get_globals() noexcept {
  return reinterpret_cast<__cxa_eh_globals*>(&exceptionRecord);
}
extern "C" __cxa_eh_globals* __cxa_get_globals_fast() noexcept {
  return reinterpret_cast<__cxa_eh_globals*>(&exceptionRecord);
}

}  // namespace __cxxabiv1
