// Core table: raising, error frames, atoms, callbacks and table look-up.
#include "core/atom_table.h"
#include "core/exception_frames.h"
#include "core/host_error.h"
#include "host/host_impl.h"
#include "host/host_tables.h"

namespace viewer::ops {

using core::HostError;

void ASRaise_Impl(ASErrorCode error) { throw HostError(error); }

void ASPushExceptionFrame_Impl(void* savedContext, ASRestoreProc restore) {
  if (savedContext == nullptr || restore == nullptr) throw HostError(kHostErrBadParameter);
  core::PushExceptionFrame(savedContext, restore);
}

void ASPopExceptionFrame_Impl() { core::PopExceptionFrame(); }

ASErrorCode ASGetExceptionErrorCode_Impl() { return core::LastRaisedErrorCode(); }

ASAtom ASAtomFromString_Impl(const char* text) {
  if (text == nullptr) throw HostError(kHostErrBadParameter, "null atom text");
  const ASAtom atom = core::HostAtoms().FromString(text);
  if (atom == ASAtomNull) throw HostError(kHostErrGeneral, "atom table full");
  return atom;
}

// Answers the atom too when it exists, without making one.
ASBool ASAtomExistsForString_Impl(const char* text, ASAtom* atom) {
  if (text == nullptr) throw HostError(kHostErrBadParameter, "null atom text");
  if (!core::HostAtoms().Exists(text)) return 0;
  if (atom != nullptr) *atom = core::HostAtoms().FromString(text);
  return 1;
}

const char* ASAtomGetString_Impl(ASAtom atom) {
  const char* text = core::HostAtoms().GetString(atom);
  if (text == nullptr) throw HostError(kHostErrBadParameter, "unknown atom");
  return text;
}

// Procedures need no wrapping here: both sides call them with the one calling
// convention, so the callback is the procedure itself.
ASCallback ASCallbackCreate_Impl(ASExtension, void* proc) { return proc; }

void ASCallbackDestroy_Impl(ASCallback) {}

HFT ASExtensionMgrGetHFT_Impl(ASAtom name, ASVersion version) {
  return host::FindOfferedTable(core::HostAtoms().GetString(name), version);
}

}  // namespace viewer::ops
