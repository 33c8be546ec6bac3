// Replacements for parts of GCC 12's static C++ runtime that would more than
// double the size of tolvane.exe without changing what the program does:
// - its default terminate handler names the uncaught exception's type on
//   stderr, which a windowed program does not have, and for that links a
//   demangler and a printf. Here a terminate ends the process the same way.
// - its helpers that raise the errors of the library's own code. The library
//   keeps them in one object, so all are replaced: those of std::bad_alloc,
//   std::bad_cast and their kind raise those types as before; those of
//   std::length_error, std::out_of_range and their kind raise a
//   std::exception with the library's message instead: those types keep it
//   in a second, reference-counted string type, some 80 KB with its unwind
//   tables.
// So in this program a library error is a plain std::exception, not the
// std::out_of_range of the unit tests. Nothing in src/ catches those types by
// name (tools/check-catches.cmake, a test of the Windows build), and the
// standard error display, which catches std::exception, shows the library's
// message (tests/win32/library_errors.cpp).
// The record of the exceptions being handled stays the library's: keeping our
// own saved 1.5 KB but assumed one thread and the library's private layout.
// tolvane.exe is compiled as the whole program (-fwhole-program), which keeps
// every other function to itself: each replacement is marked visible outside
// it, since the library calls them, or the library would link its own.
#include <exception>

// Some of what is replaced is private to the library (__snprintf_lite) and
// may change in any major release; its point releases keep it.
#if !defined(_GLIBCXX_RELEASE) || _GLIBCXX_RELEASE != 12
#error "cxx_runtime.cpp is written for GCC 12's libstdc++: check each replacement against this one"
#endif

#include <bits/functexcept.h>

#include <cstdarg>
#include <cstdlib>
#include <cstring>
#include <new>
#include <typeinfo>

namespace __gnu_cxx {

[[gnu::externally_visible]] void __verbose_terminate_handler() {
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

[[gnu::externally_visible]] void __throw_bad_exception() {
  throw bad_exception();
}
[[gnu::externally_visible]] void __throw_bad_alloc() {
  throw bad_alloc();
}
[[gnu::externally_visible]] void __throw_bad_array_new_length() {
  throw bad_array_new_length();
}
[[gnu::externally_visible]] void __throw_bad_cast() {
  throw bad_cast();
}
[[gnu::externally_visible]] void __throw_bad_typeid() {
  throw bad_typeid();
}
[[gnu::externally_visible]] void __throw_logic_error(const char* message) {
  Raise(message);
}
[[gnu::externally_visible]] void __throw_domain_error(const char* message) {
  Raise(message);
}
[[gnu::externally_visible]] void __throw_invalid_argument(const char* message) {
  Raise(message);
}
[[gnu::externally_visible]] void __throw_length_error(const char* message) {
  Raise(message);
}
[[gnu::externally_visible]] void __throw_out_of_range(const char* message) {
  Raise(message);
}
[[gnu::externally_visible]] void __throw_runtime_error(const char* message) {
  Raise(message);
}
[[gnu::externally_visible]] void __throw_range_error(const char* message) {
  Raise(message);
}
[[gnu::externally_visible]] void __throw_overflow_error(const char* message) {
  Raise(message);
}
[[gnu::externally_visible]] void __throw_underflow_error(const char* message) {
  Raise(message);
}

[[gnu::externally_visible]] void __throw_out_of_range_fmt(const char* format, ...) {
  char message[256];
  va_list arguments;
  va_start(arguments, format);
  __gnu_cxx::__snprintf_lite(message, sizeof message, format, arguments);
  va_end(arguments);
  Raise(message);
}

}  // namespace std
