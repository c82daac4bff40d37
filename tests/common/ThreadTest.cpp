// The hand-off: a worker's step runs on the main thread and the worker waits
// for it; the main thread, waiting for the worker, keeps serving its steps;
// a step that throws is reported to the worker instead of being taken for done.
#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>
#include <vector>

#include "common/Thread.h"

namespace {

class ScriptedThread final : public zeb::Thread {
 public:
  explicit ScriptedThread(std::function<void(ScriptedThread&)> body) : body_(std::move(body)) {}
  ~ScriptedThread() override { Stop(); }
  bool Hand(const std::function<void()>& step) { return Synchronize(step); }
  bool Asked() const { return Terminated(); }

 protected:
  void Execute() override { body_(*this); }

 private:
  std::function<void(ScriptedThread&)> body_;
};

TEST(ThreadTest, StepsRunOnTheMainThreadWhileItWaits) {
  const DWORD mainId = GetCurrentThreadId();
  std::vector<DWORD> ranOn;
  DWORD workerId = 0;
  ScriptedThread thread([&](ScriptedThread& self) {
    workerId = GetCurrentThreadId();
    for (int i = 0; i < 3; ++i) self.Hand([&] { ranOn.push_back(GetCurrentThreadId()); });
  });
  ASSERT_TRUE(thread.Create());
  EXPECT_TRUE(thread.Suspended());
  thread.Resume();
  thread.WaitFor();  // would deadlock if it did not serve the hand-off
  EXPECT_TRUE(thread.Finished());
  EXPECT_NE(workerId, mainId);
  EXPECT_EQ(ranOn, (std::vector<DWORD>{mainId, mainId, mainId}));
}

TEST(ThreadTest, FailedStepIsReportedAndLaterStepsStillRun) {
  std::vector<bool> answers;
  ScriptedThread thread([&](ScriptedThread& self) {
    answers.push_back(self.Hand([] { throw std::runtime_error("step failed"); }));
    answers.push_back(self.Hand([] { throw 7; }));
    answers.push_back(self.Hand([] {}));
  });
  ASSERT_TRUE(thread.Create());
  thread.Resume();
  thread.WaitFor();
  EXPECT_EQ(answers, (std::vector<bool>{false, false, true}));
}

TEST(ThreadTest, StopEndsALoopThatKeepsHandingOver) {
  int steps = 0;
  ScriptedThread thread([&](ScriptedThread& self) {
    while (!self.Asked()) self.Hand([&] { ++steps; });
  });
  ASSERT_TRUE(thread.Create());
  thread.Resume();
  // Let a few steps through, then stop from the main thread.
  MSG msg;
  while (steps < 5) {
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_SENDMESSAGE);
    PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
  }
  thread.Stop();
  EXPECT_TRUE(thread.Finished());
  EXPECT_GE(steps, 5);
}

TEST(ThreadTest, ThreadNeverResumedIsStoppedWithoutRunningItsWork) {
  bool ranBeforeTerminate = false;
  {
    ScriptedThread thread([&](ScriptedThread& self) { ranBeforeTerminate = !self.Asked(); });
    ASSERT_TRUE(thread.Create());
  }  // the destructor terminates, resumes and waits
  EXPECT_FALSE(ranBeforeTerminate);
}

TEST(ThreadTest, ExceptionInTheWorkEndsTheThreadQuietly) {
  ScriptedThread thread([](ScriptedThread&) { throw std::runtime_error("work failed"); });
  ASSERT_TRUE(thread.Create());
  thread.Resume();
  thread.WaitFor();
  EXPECT_TRUE(thread.Finished());
}

}  // namespace
