#include "handshake.h"

#include "callbacks.h"
#include "host_records.h"
#include "registration.h"
#include "table_acquisition.h"

namespace {

// The plug-in exports no tables, imports none and frees nothing at unload.
ASBool HOSTCALL ExportTables() { return true; }
ASBool HOSTCALL ImportAndRegister() { return true; }
ASBool HOSTCALL Unload() { return true; }

// A named table at one version, as the core table offers it.
HFT LookUpTable(const char* name, ASVersion version) {
  return host::ASExtensionMgrGetHFT(host::ASAtomFromString(name), version);
}

}  // namespace

ASBool HOSTCALL SetUpPlugIn(ASUns32 handshakeVersion, void* setupData) {
  auto* setup = static_cast<PISetupData*>(setupData);
  if (handshakeVersion != handshakeVersion20 || !setup ||
      setup->handshakeVersion != handshakeVersion20)
    return false;
  host::hostTables.extensionID = setup->extensionID;
  host::hostTables.core = setup->coreHFT;
  host::hostTables.coreVersion = kCoreTableVersion;
  if (!host::AcquireNamedTables(host::hostTables, &LookUpTable)) return false;
  setup->handshakeCallback = host::CallbackHandle(&ShakeHands);
  return true;
}

ASBool HOSTCALL ShakeHands(ASUns32 handshakeVersion, void* handshakeData) {
  if (handshakeVersion != handshakeVersion20) return false;
  auto* handshake = static_cast<PIHandshakeData*>(handshakeData);
  handshake->extensionName = host::ASAtomFromString("ADBE:Tessaly");
  handshake->exportHFTsCallback = host::CallbackHandle(&ExportTables);
  handshake->importReplaceAndRegisterCallback = host::CallbackHandle(&ImportAndRegister);
  handshake->initCallback = host::CallbackHandle(&InitialisePlugIn);
  handshake->unloadCallback = host::CallbackHandle(&Unload);
  return true;
}
