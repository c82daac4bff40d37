// Binding of windows, forms and dialogs to their objects, and what happens
// when a handler throws: the exception stops at the procedure, is reported to
// the object, and the window's bookkeeping (unbinding, ending a paint) still
// happens.
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "common/Application.h"
#include "common/Form.h"
#include "common/Window.h"
#include "tests/common/CommonTestIds.h"

namespace {

constexpr UINT kThrow = WM_APP + 1;
constexpr UINT kAnswer = WM_APP + 2;

class ProbeWindow final : public zeb::Window {
 public:
  bool Make() {
    WNDCLASSA wc{};
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "ZebProbeWindow";
    RegisterClassOnce(wc);
    return CreateBound(0, wc.lpszClassName, "probe", WS_POPUP, 0, 0, 10, 10, nullptr, wc.hInstance);
  }
  HWND boundAtCreate = nullptr;
  std::string error;
  int finalMessages = 0;

 protected:
  LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override {
    if (msg == WM_CREATE) boundAtCreate = hwnd_;
    if (msg == kThrow) throw std::runtime_error("window handler failed");
    if (msg == kAnswer) return 42;
    if (msg == WM_NCDESTROY) throw std::runtime_error("last handler failed");
    return Window::HandleMessage(msg, wParam, lParam);
  }
  void OnHandlerError(const char* what) override { error = what; }
  void OnFinalMessage() override { ++finalMessages; }
};

TEST(WindowTest, BindsAtCreationForwardsAndUnbindsAtTheEnd) {
  ProbeWindow probe;
  ASSERT_TRUE(probe.Make());
  const HWND hwnd = probe.Handle();
  ASSERT_NE(hwnd, nullptr);
  EXPECT_EQ(probe.boundAtCreate, hwnd);
  EXPECT_EQ(SendMessageA(hwnd, kAnswer, 0, 0), 42);

  EXPECT_EQ(SendMessageA(hwnd, kThrow, 0, 0), 0);
  EXPECT_EQ(probe.error, "window handler failed");

  // The last message's handler throws too; the object is unbound regardless.
  DestroyWindow(hwnd);
  EXPECT_EQ(probe.Handle(), nullptr);
  EXPECT_EQ(probe.finalMessages, 1);
  EXPECT_EQ(probe.error, "last handler failed");
}

class ProbeDialog final : public zeb::Dialog {
 public:
  ProbeDialog() : Dialog(GetModuleHandleA(nullptr), IDD_BINDING) {}
  bool endAtInit = false;
  bool throwAtInit = false;
  HWND boundAtInit = nullptr;
  std::string error;

 protected:
  BOOL OnInitDialog() override {
    boundAtInit = hwnd_;
    if (throwAtInit) throw std::runtime_error("init failed");
    if (endAtInit) EndDialog(hwnd_, 42);
    return TRUE;
  }
  bool HandleMessage(UINT msg, WPARAM, LPARAM) override {
    if (msg == kThrow) throw std::runtime_error("dialog handler failed");
    return msg == kAnswer;
  }
  void OnHandlerError(const char* what) override { error = what; }
};

TEST(WindowTest, ModalDialogIsBoundBeforeItsInitialisation) {
  ProbeDialog dialog;
  dialog.endAtInit = true;
  EXPECT_EQ(dialog.DoModal(nullptr), 42);
  EXPECT_NE(dialog.boundAtInit, nullptr);
  EXPECT_EQ(dialog.Handle(), nullptr);
  EXPECT_EQ(dialog.error, "");
}

TEST(WindowTest, ModelessDialogReportsHandlerErrorsAndForgetsItsWindow) {
  ProbeDialog dialog;
  ASSERT_TRUE(dialog.CreateModeless(nullptr));
  const HWND hwnd = dialog.Handle();
  ASSERT_NE(hwnd, nullptr);
  EXPECT_EQ(dialog.boundAtInit, hwnd);

  SendMessageA(hwnd, kThrow, 0, 0);
  EXPECT_EQ(dialog.error, "dialog handler failed");
  EXPECT_TRUE(IsWindow(hwnd));

  DestroyWindow(hwnd);
  EXPECT_EQ(dialog.Handle(), nullptr);
}

TEST(WindowTest, DialogWhoseInitialisationThrowsIsStillMadeAndReported) {
  ProbeDialog dialog;
  dialog.throwAtInit = true;
  ASSERT_TRUE(dialog.CreateModeless(nullptr));
  EXPECT_EQ(dialog.error, "init failed");
  DestroyWindow(dialog.Handle());
  EXPECT_EQ(dialog.Handle(), nullptr);
}

class FailingPaintForm final : public zeb::Form {
 public:
  int paints = 0;
  std::string error;

 protected:
  void OnPaint(HDC dc) override {
    ++paints;
    ASSERT_NE(dc, nullptr);
    throw std::runtime_error("paint failed");
  }
  void OnHandlerError(const char* what) override { error = what; }
};

TEST(WindowTest, FormPaintEndsWhenTheHandlerThrows) {
  zeb::Application::Instance().Initialize(GetModuleHandleA(nullptr));
  FailingPaintForm form;
  zeb::FormStyle style;
  style.caption = "paint probe";
  style.x = style.y = 0;
  ASSERT_TRUE(form.Create(style));
  form.Show();  // paints at once through UpdateWindow
  EXPECT_EQ(form.paints, 1);
  EXPECT_EQ(form.error, "paint failed");
  // Ended: nothing is left to paint, and the next invalidation paints again.
  EXPECT_FALSE(GetUpdateRect(form.Handle(), nullptr, FALSE));
  InvalidateRect(form.Handle(), nullptr, FALSE);
  UpdateWindow(form.Handle());
  EXPECT_EQ(form.paints, 2);
  form.Hide();
}

}  // namespace
