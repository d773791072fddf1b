// The life of the process: the program's routines, the clean-up list, the loop-entered flag and
// the quit request.
#pragma once

#include <thread>
#include <vector>

namespace wufu {

using Routine = void (*)();

// The three routines a program supplies besides its start routine.
struct ProgramRoutines {
  Routine initialise_globals;  // runs before the start window is loaded
  Routine clean_up;            // runs at a normal exit
};

// Routines to run at a normal exit, in order of registration; each at most once in the list.
class CleanupList {
 public:
  void add(Routine routine);
  // Runs every routine once, in order, then empties the list.
  void run();
  // Empties the list without running it (after a fatal error).
  void clear() { routines_.clear(); }
  std::size_t size() const { return routines_.size(); }

 private:
  std::vector<Routine> routines_;
};

// The state of the process that the message loop and the window builder share.
class Lifecycle {
 public:
  void record_ui_thread() { ui_thread_ = std::this_thread::get_id(); }
  std::thread::id ui_thread() const { return ui_thread_; }

  void enter_loop() { loop_entered_ = true; }
  bool loop_entered() const { return loop_entered_; }

  // A window was destroyed and `any_window_open` says what is left: the quit request is made
  // when nothing is open any more and the loop has been entered.
  bool quit_wanted(bool any_window_open) const { return loop_entered_ && !any_window_open; }

  CleanupList& cleanup() { return cleanup_; }

 private:
  std::thread::id ui_thread_;
  bool loop_entered_ = false;
  CleanupList cleanup_;
};

}  // namespace wufu
