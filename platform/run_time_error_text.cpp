#include <string>

#include "platform/run_time_error.h"

namespace tibbo::platform {

std::string runTimeErrorText(std::optional<int> code, std::string_view message) {
  std::string text = "运行时出错!\r\n\r\n";
  if (code) text += "错误代码：" + std::to_string(*code) + "\r\n\r\n";
  text += "错误信息：";
  text += message;
  text += "\r\n";
  return text;
}

std::string missingFunctionMessage(std::string_view library, std::string_view function) {
  if (library.empty()) return "无法找到指定DLL库文件中的输出命令“" + std::string(function) + "”";
  return "无法找到指定DLL库文件“" + std::string(library) + "”中的输出命令“" +
         std::string(function) + "”";
}

std::string outOfMemoryMessage(long long bytes) {
  return "分配 " + std::to_string(bytes) + " 字节内存失败!";
}

}  // namespace tibbo::platform
