// One QApplication for the whole test program, made when the tests start (not
// when they are only listed). The platform is the one named by
// VELMORA_TEST_QPA, compiled in per test program.
#include <gtest/gtest.h>

#include <QApplication>
#include <memory>

namespace {

// The offscreen platform warns at every fixed-size window that it cannot pass
// size hints on; nothing depends on them there.
QtMessageHandler gDefaultHandler = nullptr;

void DropSizeHintWarnings(QtMsgType type, const QMessageLogContext& context,
                          const QString& message) {
  if (message.contains(QStringLiteral("propagateSizeHints"))) return;
  if (gDefaultHandler) gDefaultHandler(type, context, message);
}

class QtApplicationEnvironment : public testing::Environment {
 public:
  void SetUp() override {
    qputenv("QT_QPA_PLATFORM", VELMORA_TEST_QPA);
    gDefaultHandler = qInstallMessageHandler(DropSizeHintWarnings);
    application_ = std::make_unique<QApplication>(argc_, argv_);
  }
  void TearDown() override { application_.reset(); }

 private:
  int argc_ = 1;
  char name_[12] = "velmora";
  char* argv_[2] = {name_, nullptr};
  std::unique_ptr<QApplication> application_;
};

const testing::Environment* const kEnvironment =
    testing::AddGlobalTestEnvironment(new QtApplicationEnvironment);

}  // namespace
