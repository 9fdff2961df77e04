#include "platform/outside_functions.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

namespace tibbo::platform {
namespace {

TEST(OutsideFunctions, BindsFromTheProgramAndFromANamedLibrary) {
  const BindResult own = tryBindOutsideFunction(nullptr, "strlen");
  ASSERT_NE(own.function, nullptr) << own.error;
  OutsideFunction<double(double)> cosine{"libm.so.6", "cos"};
  EXPECT_DOUBLE_EQ(cosine(0.0), 1.0);
  EXPECT_DOUBLE_EQ(cosine(M_PI), -1.0) << "kept once bound";
}

TEST(OutsideFunctions, FailuresNameTheLibraryAndTheFunction) {
  EXPECT_EQ(tryBindOutsideFunction("libnothing-here.so", "anything").error,
            "无法找到指定DLL库文件“libnothing-here.so”中的输出命令“anything”");
  EXPECT_EQ(tryBindOutsideFunction("libm.so.6", "no_such_function").error,
            "无法找到指定DLL库文件“libm.so.6”中的输出命令“no_such_function”");
  EXPECT_EQ(tryBindOutsideFunction(nullptr, "no_such_function").error,
            "无法找到指定DLL库文件中的输出命令“no_such_function”");
}

}  // namespace
}  // namespace tibbo::platform
