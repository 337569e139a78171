// The test executables' entry: one QApplication for the whole run, made only
// when tests run (listing them needs no display).
#include <gtest/gtest.h>

#include <QApplication>

#include <memory>

namespace {

struct QtEnvironment : ::testing::Environment {
  void SetUp() override {
    static int argc = 1;
    static char name[] = "korvane-tests";
    static char* argv[] = {name, nullptr};
    if (!QApplication::instance()) app = std::make_unique<QApplication>(argc, argv);
  }
  void TearDown() override { app.reset(); }
  std::unique_ptr<QApplication> app;
};

}  // namespace

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  ::testing::AddGlobalTestEnvironment(new QtEnvironment);
  return RUN_ALL_TESTS();
}
