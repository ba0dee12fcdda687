// The bookkeeping of the page renderings a document has asked for: which wait, which
// one the render thread is drawing and since when, and when that one has run past its
// time limit. It has no thread and no clock of its own: the caller passes the time.
#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <optional>

namespace viewer::render {

using RenderTicket = uint64_t;  // 0 is no ticket

class RenderBook {
 public:
  using Clock = std::chrono::steady_clock;

  explicit RenderBook(Clock::duration limit) : limit_(limit) {}

  // Queues a rendering. Urgent ones (the page in view) go before the others, in the
  // order they came.
  RenderTicket Add(bool urgent);
  // Puts a rendering that was being drawn back at the front of the queue, to be drawn
  // again from another source.
  void Requeue(RenderTicket ticket);
  // Drops a queued rendering. One being drawn goes on (poppler cannot be stopped) but
  // is no longer waited for.
  void Cancel(RenderTicket ticket);

  // When nothing is being drawn: the next queued rendering, drawn from now on.
  std::optional<RenderTicket> StartNext(Clock::time_point now);
  // The rendering being drawn has ended: true when its result is still wanted. Any
  // other ticket (a rendering given up before) answers false.
  bool Finish(RenderTicket ticket);
  // The rendering being drawn has run past the limit at now: it is given up and
  // returned, whether wanted or not, and the next one can start.
  std::optional<RenderTicket> GiveUpOverdue(Clock::time_point now);

  // When the rendering being drawn runs out of time.
  std::optional<Clock::time_point> Deadline() const;
  bool Drawing() const { return drawing_ != 0; }
  bool Queued(RenderTicket ticket) const;
  // Renderings waited for: queued, or being drawn and not cancelled.
  size_t Outstanding() const { return queue_.size() + (drawing_ != 0 && drawingWanted_ ? 1 : 0); }

 private:
  struct Entry {
    RenderTicket ticket;
    bool urgent;
  };
  Clock::duration limit_;
  std::deque<Entry> queue_;
  RenderTicket lastTicket_ = 0;
  RenderTicket drawing_ = 0;
  bool drawingWanted_ = false;
  bool drawingUrgent_ = false;
  Clock::time_point drawingSince_{};
};

}  // namespace viewer::render
