#pragma once
// The host's run-time error: a box with the message, then the process ends with -1
// without the exit routine. The only message the pet ever shows.
#include <optional>
#include <string>
#include <string_view>

namespace tibbo::platform {

inline constexpr int runTimeErrorExitCode = -1;

// Error code 6: an outside call left the stack unbalanced.
inline constexpr int stackErrorCode = 6;
inline constexpr std::string_view stackErrorMessage = "调用DLL命令后发现堆栈错误";

inline constexpr std::string_view templateLoadFailedMessage = "载入窗口模板数据段出错!";
inline constexpr std::string_view startWindowLoadFailedMessage = "载入启动窗口失败";
inline constexpr std::string_view runTimeErrorTitle = "错误";

// The box's whole text, with or without an error code.
std::string runTimeErrorText(std::optional<int> code, std::string_view message);

// "could not find function F in library L", or without a library when none was named.
std::string missingFunctionMessage(std::string_view library, std::string_view function);
std::string outOfMemoryMessage(long long bytes);

// Shows the box (on standard error too, and only there without a display) and ends the
// process with -1. Does not return.
[[noreturn]] void raiseRunTimeError(std::optional<int> code, std::string_view message);

}  // namespace tibbo::platform
