#include "app/start.h"

#include <QApplication>
#include <QIcon>
#include <QObject>
#include <QWidget>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>

#include "app/fatal_report.h"
#include "app/kinds.h"
#include "window/builder.h"
#include "window/description.h"

namespace wufu {

namespace {

// Whether there is a display to show the window on. Without one the toolkit would abort with a
// dump of its own; one clear line serves the user better.
std::optional<std::string> missing_display(const char* program) {
  const char* platform = std::getenv("QT_QPA_PLATFORM");
  if (platform != nullptr && *platform != '\0' && std::string_view(platform).rfind("xcb", 0) != 0) {
    return std::nullopt;  // another platform was asked for
  }
  const std::string hint = std::string("; start it on a desktop, or under a virtual display: ") +
                           "xvfb-run -a " + program;
  const char* display = std::getenv("DISPLAY");
  if (display == nullptr || *display == '\0') {
    return std::string("wufu: there is no display to show the window on (DISPLAY is not set)") +
           hint;
  }
  // A local display ":N" listens on its socket; a missing socket means no server is there.
  std::string_view d(display);
  if (d.front() == ':') {
    const std::string number(d.substr(1, d.find('.') - 1));
    std::error_code ec;
    if (!std::filesystem::exists("/tmp/.X11-unix/X" + number, ec)) {
      return "wufu: there is no display server at DISPLAY=" + std::string(d) + hint;
    }
  }
  return std::nullopt;
}

// The process's current directory becomes the executable's own directory, wherever it was
// started from.
void enter_executable_directory() {
  std::error_code ec;
  const auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
  if (!ec) std::filesystem::current_path(exe.parent_path(), ec);
}

}  // namespace

int run_program(int argc, char** argv, const ProgramHeader& header,
                const ProgramRoutines& routines) {
  if (auto why = missing_display(argc > 0 ? argv[0] : "wufu")) {
    std::fprintf(stderr, "%s\n", why->c_str());
    return 1;
  }

  Lifecycle life;
  std::optional<QApplication> platform;
  std::unique_ptr<WindowDescription> description;
  std::unique_ptr<WindowBuilder> builder;
  auto release = [&] {
    builder.reset();
    description.reset();
  };

  try {
    // 1. Initialise. The component services and the hidden owner window have no counterpart
    // here; the rest keeps its order.
    enter_executable_directory();
    platform.emplace(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);  // the loop-entered rule decides instead
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/DEFAULT_ICON")));
    life.record_ui_thread();
    auto read = read_description(header.description_bytes());
    if (!read) fatal_error_report(description_unreadable_text);
    description = std::make_unique<WindowDescription>(std::move(read).value());
    // No record binds an event handler, so no handler offset needs turning into a routine.

    // 2. The global-variable initialiser.
    routines.initialise_globals();
    // 3. The clean-up routine.
    life.cleanup().add(routines.clean_up);

    // 4. The start window.
    builder = std::make_unique<WindowBuilder>(*description, program_kinds());
    auto loaded = builder->load(start_window_id);
    if (!loaded) fatal_error_report(start_window_failed_text);
    WindowControl* window = *loaded;
    QObject::connect(dynamic_cast<QWidget*>(window), &QObject::destroyed, [&, window] {
      builder->window_destroyed(window);
      if (life.quit_wanted(builder->any_window_open())) QCoreApplication::exit(0);
    });

    // 5. The message loop; it returns at once when no window is open.
    life.enter_loop();
    int status = 0;
    if (builder->any_window_open()) status = QApplication::exec();

    // 6. Normal exit: release the description, run the clean-up list, release the platform.
    release();
    life.cleanup().run();
    platform.reset();
    return status;
  } catch (const FatalExit&) {
    // The clean-up list is emptied without being run.
    life.cleanup().clear();
    release();
    platform.reset();
    return -1;
  }
}

}  // namespace wufu
