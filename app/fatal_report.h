// The fatal error report: a message box, then the process ends with exit status -1.
#pragma once

#include <string>

namespace wufu {

// The two texts of this program's fatal errors.
inline constexpr const char* description_unreadable_text = "载入窗口模板数据段出错!";
inline constexpr const char* start_window_failed_text = "载入启动窗口失败";

// The report's text: a heading, then the error code and the error text where they are given.
std::string compose_fatal_text(const std::string& error_text, int error_code);

// Thrown by the report once the box is dismissed; the start-up catches it, releases what the
// process holds, and ends with status -1.
struct FatalExit {};

// Shows the report in a message box without owner and waits until it is dismissed, then throws
// FatalExit. Never returns.
[[noreturn]] void fatal_error_report(const std::string& error_text, int error_code = 0);

}  // namespace wufu
