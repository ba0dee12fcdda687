#include <cstdio>

#include "app/alerts.h"
#include "core/error_text.h"
#include "core/exception_frames.h"
#include "core/host_error.h"
#include "host/boundary.h"

namespace viewer::host {

ASErrorCode CodeOfCurrentException() {
  try {
    throw;
  } catch (const core::HostError& e) {
    return e.code();
  } catch (const std::exception& e) {
    std::fprintf(stderr, "viewer: host operation failed: %s\n", e.what());
    return kHostErrGeneral;
  } catch (...) {
    return kHostErrGeneral;
  }
}

void RaiseToPlugin(ASErrorCode code) {
  if (core::RaiseToInnermostFrame(code)) return;
  ShowHostAlert(AlertIcon::Stop, core::HostErrorText(code));
}

}  // namespace viewer::host
