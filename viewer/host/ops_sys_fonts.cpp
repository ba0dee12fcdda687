// PDSysFont: the fonts installed on the machine, named by their PostScript names.
#include <cstddef>

#include "core/atom_table.h"
#include "core/exception_frames.h"
#include "core/host_error.h"
#include "fonts/system_fonts.h"
#include "host/host_impl.h"
#include "host/sys_font_handles.h"
#include "host_records.h"

namespace viewer::ops {

using core::HostError;

void PDEnumSysFonts_Impl(PDSysFontEnumProc proc, void* clientData) {
  if (proc == nullptr) throw HostError(kHostErrBadParameter, "null font procedure");
  for (const fonts::SystemFont& font : fonts::SystemFonts()) {
    const PDSysFont handle = host::SysFontHandle(font);
    ASBool more;
    {
      core::ExceptionFrameBarrier barrier("font enumeration procedure");
      more = proc(handle, clientData);
    }
    if (!more) break;
  }
}

// Only the name and the type of the attributes are looked at; the flags choose nothing.
PDSysFont PDFindSysFont_Impl(PDEFontAttrs* attrs, ASUns32 attrsSize, ASUns32) {
  if (attrs == nullptr || attrsSize < offsetof(PDEFontAttrs, type) + sizeof attrs->type) {
    throw HostError(kHostErrBadParameter, "font attributes too short");
  }
  const char* name = core::HostAtoms().GetString(attrs->name);
  if (name == nullptr) return nullptr;
  const char* type = attrs->type == ASAtomNull ? "" : core::HostAtoms().GetString(attrs->type);
  if (type == nullptr) return nullptr;
  const auto font = fonts::FindSystemFont(name, type);
  return font ? host::SysFontHandle(*font) : nullptr;
}

ASAtom PDSysFontGetName_Impl(PDSysFont font) {
  return core::HostAtoms().FromString(host::CheckedSysFont(font).postScriptName.c_str());
}

}  // namespace viewer::ops
