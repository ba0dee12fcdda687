#include "render/render_book.h"

#include <algorithm>

namespace viewer::render {

RenderTicket RenderBook::Add(bool urgent) {
  const RenderTicket ticket = ++lastTicket_;
  if (urgent) {
    const auto firstOther =
        std::find_if(queue_.begin(), queue_.end(), [](const Entry& e) { return !e.urgent; });
    queue_.insert(firstOther, Entry{ticket, true});
  } else {
    queue_.push_back(Entry{ticket, false});
  }
  return ticket;
}

void RenderBook::Requeue(RenderTicket ticket) {
  if (ticket == 0 || ticket != drawing_) return;
  const bool wanted = drawingWanted_;
  const bool urgent = drawingUrgent_;
  drawing_ = 0;
  if (wanted) queue_.push_front(Entry{ticket, urgent});
}

void RenderBook::Cancel(RenderTicket ticket) {
  if (ticket == 0) return;
  if (ticket == drawing_) {
    drawingWanted_ = false;
    return;
  }
  std::erase_if(queue_, [ticket](const Entry& e) { return e.ticket == ticket; });
}

std::optional<RenderTicket> RenderBook::StartNext(Clock::time_point now) {
  if (drawing_ != 0 || queue_.empty()) return std::nullopt;
  drawing_ = queue_.front().ticket;
  drawingUrgent_ = queue_.front().urgent;
  drawingWanted_ = true;
  drawingSince_ = now;
  queue_.pop_front();
  return drawing_;
}

bool RenderBook::Finish(RenderTicket ticket) {
  if (ticket == 0 || ticket != drawing_) return false;
  drawing_ = 0;
  return drawingWanted_;
}

std::optional<RenderTicket> RenderBook::GiveUpOverdue(Clock::time_point now) {
  if (drawing_ == 0 || now - drawingSince_ < limit_) return std::nullopt;
  const RenderTicket given = drawing_;
  drawing_ = 0;
  return given;
}

std::optional<RenderBook::Clock::time_point> RenderBook::Deadline() const {
  if (drawing_ == 0) return std::nullopt;
  return drawingSince_ + limit_;
}

bool RenderBook::Queued(RenderTicket ticket) const {
  return std::any_of(queue_.begin(), queue_.end(),
                     [ticket](const Entry& e) { return e.ticket == ticket; });
}

}  // namespace viewer::render
