// The fatal error: an error box captioned "错误", then exit code -1.
#pragma once

#include <string>

inline constexpr int kFatalIndexAboveCount = 1;
inline constexpr int kFatalIndexBelowOne = 4;
inline constexpr const char* kFatalIndexAboveCountMessage = "数组成员引用下标超出定义范围";
inline constexpr const char* kFatalIndexBelowOneMessage = "数组成员引用下标必须大于等于1";

// The full text of the error box. number 0 means an error without a number,
// whose text has no error-code line.
std::string fatalErrorText(int number, const std::string& message);

// Shows the error box (no owner, error icon) and ends the process with -1.
[[noreturn]] void fatalError(int number, const std::string& message);
