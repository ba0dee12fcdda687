// The render queue's bookkeeping: order, cancelling, and the time limit of the
// rendering being drawn.
#include "render/render_book.h"

#include <gtest/gtest.h>

#include <chrono>

namespace viewer::render {
namespace {

using namespace std::chrono_literals;
using Clock = RenderBook::Clock;

const Clock::time_point kStart = Clock::time_point() + 1h;

TEST(RenderBookTest, DrawsUrgentRequestsFirstThenTheRestInTheOrderAsked) {
  RenderBook book(10s);
  const RenderTicket thumb1 = book.Add(false);
  const RenderTicket thumb2 = book.Add(false);
  const RenderTicket view1 = book.Add(true);
  const RenderTicket view2 = book.Add(true);
  EXPECT_EQ(book.Outstanding(), 4u);
  for (RenderTicket expected : {view1, view2, thumb1, thumb2}) {
    EXPECT_EQ(book.StartNext(kStart), expected);
    // One at a time: nothing else starts while one is drawn.
    EXPECT_EQ(book.StartNext(kStart), std::nullopt);
    EXPECT_TRUE(book.Finish(expected));
  }
  EXPECT_EQ(book.StartNext(kStart), std::nullopt);
  EXPECT_EQ(book.Outstanding(), 0u);
  EXPECT_NE(thumb1, 0u);
  EXPECT_NE(thumb1, thumb2);
}

TEST(RenderBookTest, CancelledRequestsAreNotDrawnAndAResultDrawnMeanwhileIsNotWanted) {
  RenderBook book(10s);
  const RenderTicket drawn = book.Add(false);
  const RenderTicket queued = book.Add(false);
  const RenderTicket kept = book.Add(false);
  ASSERT_EQ(book.StartNext(kStart), drawn);
  book.Cancel(queued);
  book.Cancel(drawn);
  EXPECT_FALSE(book.Queued(queued));
  EXPECT_TRUE(book.Queued(kept));
  // The one being drawn still occupies the thread, but nobody waits for it.
  EXPECT_TRUE(book.Drawing());
  EXPECT_EQ(book.Outstanding(), 1u);
  EXPECT_EQ(book.StartNext(kStart), std::nullopt);
  EXPECT_FALSE(book.Finish(drawn));
  EXPECT_EQ(book.StartNext(kStart), kept);
  EXPECT_TRUE(book.Finish(kept));
}

TEST(RenderBookTest, GivesUpTheRenderingDrawnPastTheLimitAndGoesOn) {
  RenderBook book(2s);
  const RenderTicket stuck = book.Add(true);
  const RenderTicket next = book.Add(false);
  EXPECT_EQ(book.Deadline(), std::nullopt);
  ASSERT_EQ(book.StartNext(kStart), stuck);
  EXPECT_EQ(book.Deadline(), kStart + 2s);
  EXPECT_EQ(book.GiveUpOverdue(kStart + 1999ms), std::nullopt);
  EXPECT_TRUE(book.Drawing());
  EXPECT_EQ(book.GiveUpOverdue(kStart + 2s), stuck);
  EXPECT_FALSE(book.Drawing());
  EXPECT_EQ(book.Deadline(), std::nullopt);
  // Should the stuck thread ever answer, its result is no longer taken.
  EXPECT_FALSE(book.Finish(stuck));
  // The next one has its own time, from when it starts.
  ASSERT_EQ(book.StartNext(kStart + 5s), next);
  EXPECT_EQ(book.GiveUpOverdue(kStart + 6s), std::nullopt);
  EXPECT_EQ(book.Deadline(), kStart + 7s);
  EXPECT_TRUE(book.Finish(next));
  EXPECT_EQ(book.GiveUpOverdue(kStart + 60s), std::nullopt);
}

TEST(RenderBookTest, ARequeuedRenderingIsDrawnNextUnlessCancelled) {
  RenderBook book(10s);
  const RenderTicket first = book.Add(false);
  const RenderTicket second = book.Add(true);
  ASSERT_EQ(book.StartNext(kStart), second);
  book.Requeue(second);
  EXPECT_FALSE(book.Drawing());
  EXPECT_EQ(book.Outstanding(), 2u);
  ASSERT_EQ(book.StartNext(kStart), second);
  book.Cancel(second);
  book.Requeue(second);
  EXPECT_FALSE(book.Queued(second));
  EXPECT_EQ(book.StartNext(kStart), first);
  // Only the rendering being drawn can go back.
  book.Requeue(second);
  EXPECT_FALSE(book.Queued(second));
}

}  // namespace
}  // namespace viewer::render
