// A bound handler: a callable held in place whose copy is a copy of its bytes,
// such as a lambda that captures pointers, references and small values. Unlike
// std::function it needs no manager per bound type, which keeps the program
// small; a callable that owns resources does not compile here.
#pragma once

#include <cstddef>
#include <new>
#include <type_traits>
#include <utility>

namespace tolvane {

template <class Signature>
class Callback;

template <class R, class... Args>
class Callback<R(Args...)> {
 public:
  Callback() = default;
  Callback(std::nullptr_t) {}

  template <class F, class = std::enable_if_t<!std::is_same_v<std::decay_t<F>, Callback> &&
                                              std::is_invocable_r_v<R, const F&, Args...>>>
  Callback(F callable) {
    static_assert(std::is_trivially_copyable_v<F>, "the callable must be copyable as bytes");
    static_assert(sizeof(F) <= sizeof(Storage) && alignof(F) <= alignof(Storage),
                  "the callable must fit in place");
    ::new (static_cast<void*>(storage_.bytes)) F(callable);
    invoke_ = &Invoke<F>;
  }

  // A member function called on `object`: one thunk serves every handler of
  // a class with this signature.
  template <class T>
  Callback(T* object, R (T::*method)(Args...)) : Callback(Method<T>{object, method}) {}

  explicit operator bool() const { return invoke_ != &Nothing; }

  // An empty callback does nothing and returns R's default value.
  R operator()(Args... args) const { return invoke_(storage_, std::forward<Args>(args)...); }

 private:
  template <class T>
  struct Method {
    T* object;
    R (T::*method)(Args...);
    R operator()(Args... args) const { return (object->*method)(std::forward<Args>(args)...); }
  };

  struct Storage {
    alignas(void*) unsigned char bytes[4 * sizeof(void*)];
  };

  template <class F>
  static R Invoke(const Storage& storage, Args... args) {
    const F& callable = *std::launder(reinterpret_cast<const F*>(storage.bytes));
    return static_cast<R>(callable(std::forward<Args>(args)...));
  }
  static R Nothing(const Storage&, Args...) { return R(); }

  // Bytes the callable does not use stay unset: they are only ever copied.
  Storage storage_;
  R (*invoke_)(const Storage&, Args...) = &Nothing;
};

}  // namespace tolvane
