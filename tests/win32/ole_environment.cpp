// COM and OLE for the test thread, as the program's start-up sets them up.
#include <gtest/gtest.h>
#include <windows.h>

namespace {

class OleEnvironment : public testing::Environment {
 public:
  void SetUp() override { ASSERT_TRUE(SUCCEEDED(OleInitialize(nullptr))); }
  void TearDown() override { OleUninitialize(); }
};

testing::Environment* const kOle = testing::AddGlobalTestEnvironment(new OleEnvironment);

}  // namespace
