#pragma once
// Functions of outside libraries, bound by name at their first call and kept.
#include <string>

namespace tibbo::platform {

struct BindResult {
  void* function = nullptr;  // null when binding failed
  std::string error;         // the run-time error's message when it failed
};

// Finds `function` in `library`: the program's folder first, then the system's search.
// A null or empty library means the program itself and what it has loaded. Libraries stay
// loaded once found; a failed search is tried again at the next call.
BindResult tryBindOutsideFunction(const char* library, const char* function);

// As above; a failure is the host's run-time error, which ends the program.
void* bindOutsideFunction(const char* library, const char* function);

// Unloads every library that binding loaded. Called once, as the program ends.
void unloadOutsideLibraries();

template <typename Signature>
class OutsideFunction;

// A callable that binds itself on first use, e.g.
//   OutsideFunction<int(int)> twice{"libexample.so", "twice"};
template <typename Result, typename... Args>
class OutsideFunction<Result(Args...)> {
 public:
  constexpr OutsideFunction(const char* library, const char* name)
      : library_(library), name_(name) {}

  Result operator()(Args... args) {
    if (function_ == nullptr)
      function_ = reinterpret_cast<Result (*)(Args...)>(bindOutsideFunction(library_, name_));
    return function_(args...);
  }

 private:
  const char* library_;
  const char* name_;
  Result (*function_)(Args...) = nullptr;
};

}  // namespace tibbo::platform
