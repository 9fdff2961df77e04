#include "platform/outside_functions.h"

#include <dlfcn.h>

#include <map>
#include <utility>

#include "platform/run_time_error.h"
#include "platform/system_services.h"

namespace tibbo::platform {
namespace {

// Library handles by the name the program asked for; "" is the program itself.
std::map<std::string, void*>& loadedLibraries() {
  static std::map<std::string, void*> libraries;
  return libraries;
}

void* loadLibrary(const std::string& name) {
  auto& libraries = loadedLibraries();
  if (auto found = libraries.find(name); found != libraries.end()) return found->second;
  void* handle = nullptr;
  if (name.empty()) {
    handle = ::dlopen(nullptr, RTLD_NOW);
  } else {
    // A name with a slash is a path already; otherwise the program's own folder comes first.
    if (name.find('/') == std::string::npos)
      handle = ::dlopen((runDirectory() + "/" + name).c_str(), RTLD_NOW | RTLD_LOCAL);
    if (handle == nullptr) handle = ::dlopen(name.c_str(), RTLD_NOW | RTLD_LOCAL);
  }
  if (handle != nullptr) libraries.emplace(name, handle);
  return handle;
}

}  // namespace

BindResult tryBindOutsideFunction(const char* library, const char* function) {
  const std::string libraryName = library ? library : "";
  void* handle = loadLibrary(libraryName);
  void* bound = handle ? ::dlsym(handle, function) : nullptr;
  if (bound == nullptr) return {nullptr, missingFunctionMessage(libraryName, function)};
  return {bound, {}};
}

void* bindOutsideFunction(const char* library, const char* function) {
  BindResult result = tryBindOutsideFunction(library, function);
  if (result.function == nullptr) raiseRunTimeError(std::nullopt, result.error);
  return result.function;
}

void unloadOutsideLibraries() {
  for (auto& [name, handle] : std::exchange(loadedLibraries(), {})) ::dlclose(handle);
}

}  // namespace tibbo::platform
