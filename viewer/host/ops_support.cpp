// AcroSupport: error texts, fixed-point matrices, the file system and path names.
#include <cstring>
#include <memory>
#include <set>

#include "app/wine_paths.h"
#include "core/atom_table.h"
#include "core/error_text.h"
#include "core/fixed_math.h"
#include "core/host_error.h"
#include "host/file_paths.h"
#include "host/host_impl.h"

namespace viewer::host {
namespace {

std::set<ASPathName>& LivePaths() {
  static std::set<ASPathName> paths;
  return paths;
}

}  // namespace

ASFileSys DefaultFileSys() {
  static _t_ASFileSysRec fileSys{"DefaultFileSys"};
  return &fileSys;
}

ASPathName CheckedPath(ASPathName path) {
  if (LivePaths().count(path) == 0) throw core::HostError(kHostErrBadParameter, "unknown path");
  return path;
}

}  // namespace viewer::host

namespace viewer::ops {

using core::HostError;

const char* ASGetErrorString_Impl(ASErrorCode error, char* buffer, ASInt32 bufferSize) {
  if (buffer == nullptr || bufferSize <= 0) {
    thread_local std::string text;
    text = core::HostErrorText(error);
    return text.c_str();
  }
  core::CopyErrorText(error, buffer, bufferSize);
  return buffer;
}

void ASFixedMatrixConcat_Impl(ASFixedMatrix* result, const ASFixedMatrix* first,
                              const ASFixedMatrix* second) {
  if (result == nullptr || first == nullptr || second == nullptr) {
    throw HostError(kHostErrBadParameter);
  }
  core::ConcatFixedMatrix(result, *first, *second);
}

ASFileSys ASGetDefaultFileSys_Impl() { return host::DefaultFileSys(); }

ASPathName ASFileSysCreatePathName_Impl(ASFileSys fileSys, ASAtom pathSpecType,
                                        const void* pathSpec, const void*) {
  if (fileSys != nullptr && fileSys != host::DefaultFileSys()) {
    throw HostError(kHostErrBadParameter, "unknown file system");
  }
  const char* type = core::HostAtoms().GetString(pathSpecType);
  if (type == nullptr || std::strcmp(type, "Cstring") != 0) {
    throw HostError(kHostErrNotImplemented, "path type other than Cstring");
  }
  if (pathSpec == nullptr) throw HostError(kHostErrBadParameter, "null path");
  auto path = std::make_unique<_t_ASPathNameRec>();
  path->given = static_cast<const char*>(pathSpec);
  path->unixPath = UnixPathOf(path->given);
  if (path->unixPath.empty()) throw HostError(kHostErrBadParameter, "unmappable path");
  host::LivePaths().insert(path.get());
  return path.release();
}

void ASFileSysReleasePath_Impl(ASFileSys, ASPathName path) {
  if (path == nullptr) return;
  host::CheckedPath(path);
  host::LivePaths().erase(path);
  delete path;
}

}  // namespace viewer::ops
