#include <gmock/gmock.h>

#include "platform/Application.h"

int main(int argc, char** argv) {
  testing::InitGoogleMock(&argc, argv);
  brimdock::OleSession ole;
  brimdock::Application::Initialize();
  return RUN_ALL_TESTS();
}
