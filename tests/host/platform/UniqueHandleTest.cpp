#include <gmock/gmock.h>

#include <type_traits>
#include <utility>
#include <vector>

#include "platform/UniqueHandle.h"

namespace brimdock {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

constexpr int kFailsToClose = 13;

// Handles are numbers, -1 is none and 0 a valid handle, as with INVALID_HANDLE_VALUE; every
// close is logged.
struct LoggedTraits {
  using Handle = int;
  static Handle Invalid() noexcept { return -1; }
  static bool Close(Handle handle) noexcept {
    closed.push_back(handle);
    return handle != kFailsToClose;
  }
  static inline std::vector<int> closed;
};
using Logged = UniqueHandle<LoggedTraits>;

static_assert(!std::is_copy_constructible_v<Logged> && !std::is_copy_assignable_v<Logged>);
static_assert(std::is_nothrow_move_constructible_v<Logged> &&
              std::is_nothrow_move_assignable_v<Logged>);
static_assert(!std::is_convertible_v<Logged, bool> && std::is_constructible_v<bool, Logged>);
static_assert(!std::is_convertible_v<int, Logged>);

class UniqueHandleTest : public ::testing::Test {
 protected:
  UniqueHandleTest() { LoggedTraits::closed.clear(); }
  static const std::vector<int>& Closed() { return LoggedTraits::closed; }
};

TEST_F(UniqueHandleTest, ClosesWhatItHoldsOnceWhenItGoes) {
  {
    const Logged none;
    EXPECT_FALSE(none);
    EXPECT_EQ(none.Get(), -1);
    const Logged zero(0);
    EXPECT_TRUE(zero);
    const Logged five(5);
    EXPECT_EQ(five.Get(), 5);
  }
  EXPECT_THAT(Closed(), ElementsAre(5, 0));
}

TEST_F(UniqueHandleTest, MovingPassesOwnershipWithoutClosing) {
  {
    Logged source(5);
    Logged moved(std::move(source));
    EXPECT_FALSE(source);  // NOLINT(bugprone-use-after-move): a moved-from handle holds none
    EXPECT_EQ(moved.Get(), 5);

    Logged target(6);
    target = std::move(moved);
    EXPECT_THAT(Closed(), ElementsAre(6));
    EXPECT_FALSE(moved);  // NOLINT(bugprone-use-after-move)
    EXPECT_EQ(target.Get(), 5);

    auto& self = target;
    target = std::move(self);
    EXPECT_EQ(target.Get(), 5);
    EXPECT_THAT(Closed(), ElementsAre(6));
  }
  EXPECT_THAT(Closed(), ElementsAre(6, 5));
}

TEST_F(UniqueHandleTest, ReleaseGivesTheHandleUpUnclosed) {
  int released = -1;
  {
    Logged handle(7);
    released = handle.Release();
    EXPECT_FALSE(handle);
  }
  EXPECT_EQ(released, 7);
  EXPECT_THAT(Closed(), IsEmpty());
}

TEST_F(UniqueHandleTest, ResetClosesTheOldHandleAndSaysWhetherThatWorked) {
  struct Case {
    int held;
    int next;
    bool answer;
    std::vector<int> closed;
  };
  const Case cases[] = {
      {-1, 7, true, {}},                            // nothing held
      {5, -1, true, {5}},                           // emptied
      {5, 7, true, {5}},                            // replaced
      {5, 5, true, {}},                             // the same handle stays open
      {kFailsToClose, -1, false, {kFailsToClose}},  // closing failed
      {kFailsToClose, 7, false, {kFailsToClose}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << "holding " << c.held << ", taking " << c.next);
    LoggedTraits::closed.clear();
    Logged handle(c.held);
    EXPECT_EQ(handle.Reset(c.next), c.answer);
    EXPECT_EQ(Closed(), c.closed);
    EXPECT_EQ(handle.Get(), c.next);
  }
}

}  // namespace
}  // namespace brimdock
