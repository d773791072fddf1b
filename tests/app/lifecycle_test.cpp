// The clean-up list, the loop-entered rule and the fatal report's text.
#include <gtest/gtest.h>

#include "app/fatal_report.h"
#include "app/lifecycle.h"

namespace wufu {
namespace {

int runs_a = 0;
int runs_b = 0;
void routine_a() {
  ++runs_a;
}
void routine_b() {
  ++runs_b;
}

TEST(CleanupList, RegisteringTwiceKeepsOneEntryThatRunsOnce) {
  runs_a = runs_b = 0;
  CleanupList list;
  list.add(&routine_a);
  list.add(&routine_b);
  list.add(&routine_a);
  EXPECT_EQ(list.size(), 2u);
  list.run();
  list.run();
  EXPECT_EQ(runs_a, 1);
  EXPECT_EQ(runs_b, 1);
  EXPECT_EQ(list.size(), 0u);
}

TEST(CleanupList, AFatalErrorEmptiesItWithoutRunning) {
  runs_a = 0;
  CleanupList list;
  list.add(&routine_a);
  list.clear();
  list.run();
  EXPECT_EQ(runs_a, 0);
}

TEST(Lifecycle, AWindowDestroyedBeforeTheLoopDoesNotEndTheProgram) {
  Lifecycle life;
  EXPECT_FALSE(life.quit_wanted(false));
  life.enter_loop();
  EXPECT_FALSE(life.quit_wanted(true));
  EXPECT_TRUE(life.quit_wanted(false));
}

TEST(FatalReport, ComposesTheTextAsStated) {
  EXPECT_EQ(compose_fatal_text("载入启动窗口失败", 0),
            "运行时出错!\r\n\r\n错误信息：载入启动窗口失败\r\n");
  EXPECT_EQ(compose_fatal_text(description_unreadable_text, 0),
            "运行时出错!\r\n\r\n错误信息：载入窗口模板数据段出错!\r\n");
  EXPECT_EQ(compose_fatal_text("x", -5), "运行时出错!\r\n\r\n错误代码：-5\r\n\r\n错误信息：x\r\n");
  EXPECT_EQ(compose_fatal_text("", 0), "运行时出错!\r\n\r\n");
}

}  // namespace
}  // namespace wufu
