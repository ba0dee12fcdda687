// Value and handle types of the host interface, shared by plug-in and viewer.
#pragma once

#include <cstddef>
#include <cstdint>

#include "host_callconv.h"

using ASInt8 = int8_t;
using ASUns8 = uint8_t;
using ASInt16 = int16_t;
using ASUns16 = uint16_t;
using ASInt32 = int32_t;
using ASUns32 = uint32_t;
using ASBool = ASUns16;            // 16-bit boolean, as records lay it out
using ASAtom = ASUns16;            // index into the host's atom table
using ASFixed = ASInt32;           // 16.16 fixed point
using ASVersion = ASUns32;         // 0xMMMMmmmm: major in the high word
using ASErrorCode = ASInt32;
using ASExtension = ASUns32;       // extension identifier handed over at setup
using ASSize_t = ASUns32;
using PDPageNumber = ASInt32;      // 0-based page index
using PDPerms = ASInt32;
using PDPageMode = ASInt32;
using AVDevCoord = ASInt32;
using AVFlagBits16 = ASUns16;

constexpr ASAtom ASAtomNull = 0xFFFF;
constexpr ASFixed fixedOne = 0x00010000;

// Permission bit: the document may be modified.
constexpr PDPerms pdPermEdit = 0x08;
// View modes for AVDocSetViewMode.
constexpr PDPageMode PDDontCare = 0, PDUseNone = 1, PDUseThumbs = 2, PDUseBookmarks = 3;

struct ASFixedRect {
  ASFixed left, top, right, bottom;
};
struct ASFixedPoint {
  ASFixed h, v;
};
struct ASFixedMatrix {
  ASFixed a, b, c, d, h, v;
};
struct AVRect {
  ASInt32 left, top, right, bottom;
};
// The 16-bit rectangle of the drawing entries that predate 32-bit device coordinates.
struct oldAVRect {
  ASInt16 left, top, right, bottom;
};

// Opaque handles: pointers the host hands out and takes back.
#define HOST_OPAQUE(Name) \
  struct _t_##Name;       \
  using Name = struct _t_##Name*
HOST_OPAQUE(AVDoc);
HOST_OPAQUE(AVPageView);
HOST_OPAQUE(AVMenubar);
HOST_OPAQUE(AVMenu);
HOST_OPAQUE(AVMenuItem);
HOST_OPAQUE(AVToolBar);
HOST_OPAQUE(AVToolButton);
HOST_OPAQUE(AVIconHandle);
HOST_OPAQUE(AVCursorHandle);
HOST_OPAQUE(ASFileSysRec);
HOST_OPAQUE(ASPathNameRec);
HOST_OPAQUE(CosDoc);
HOST_OPAQUE(PDDoc);
HOST_OPAQUE(PDPage);
HOST_OPAQUE(PDWordFinder);
HOST_OPAQUE(PDWord);
HOST_OPAQUE(PDSysFont);
HOST_OPAQUE(PDEObject);
HOST_OPAQUE(HFTEntries);
#undef HOST_OPAQUE

using AVIcon = void*;              // a bitmap handle on Windows
using AVCursor = void*;            // a cursor handle on Windows
using ASFileSys = ASFileSysRec;
using ASPathName = ASPathNameRec;
using ASCallback = void*;          // a procedure wrapped by ASCallbackCreate

// Content elements share one handle type; the names say what each call expects.
using PDEElement = PDEObject;
using PDEContent = PDEObject;
using PDEText = PDEObject;
using PDEFont = PDEObject;
using PDEColorSpace = PDEObject;
using PDEExtGState = PDEObject;
using PDETextState = void*;
// A colour of the page view's drawing calls (AcroView 114): a device space and its
// components (gray: one, RGB: three, CMYK: four).
constexpr ASInt16 PDDeviceGray = 0, PDDeviceRGB = 1, PDDeviceCMYK = 2;
struct PDColorValueRec {
  ASInt16 space;
  ASFixed value[4];
};
using PDColorValue = PDColorValueRec*;

// Objects inside a document are named by two 32-bit words, as the host hands them over.
struct PDObjectRef {
  ASUns32 id;
  ASUns32 gen;
};
struct PDBookmark : PDObjectRef {};
struct PDAction : PDObjectRef {};
struct PDViewDestination : PDObjectRef {};

// A host function table: entry i is the operation with selector i (0 is unused);
// entries past the table's size or not implemented are null.
using HFT = void* const*;

// Handshake and setup procedures.
using PISetupSDKProc = ASBool(HOSTCALL*)(ASUns32 handshakeVersion, void* sdkData);
using PIHandshakeProc = ASBool(HOSTCALL*)(ASUns32 handshakeVersion, void* handshakeData);
using PIExportHFTsProc = ASBool(HOSTCALL*)();
using PIImportReplaceAndRegisterProc = ASBool(HOSTCALL*)();
using PIInitProc = ASBool(HOSTCALL*)();
using PIUnloadProc = ASBool(HOSTCALL*)();
// The one entry point the host finds by name; the only __stdcall function of the interface.
using PlugInMainProc = ASBool(PLUGINMAINCALL*)(ASInt32 appHandshakeVersion,
                                               ASInt32* handshakeVersion,
                                               PISetupSDKProc* setupProc, void* windowsData);

// Procedures the plug-in hands to the host.
using AVExecuteProc = void(HOSTCALL*)(void* clientData);
using AVComputeEnabledProc = ASBool(HOSTCALL*)(void* clientData);
// Notification 28, raised before each page is printed: the document, the 0-based page,
// the stream the page goes to (null when the printer takes no PostScript) and the
// registrant's data.
using PDDocWillPrintPageProc = void(HOSTCALL*)(PDDoc doc, PDPageNumber page, void* stream,
                                               void* clientData);
using AVPageViewDrawProc = void(HOSTCALL*)(AVPageView pageView, oldAVRect* updateRect,
                                           void* clientData);
using PDSysFontEnumProc = ASBool(HOSTCALL*)(PDSysFont font, void* clientData);
using PDWordProc = ASBool(HOSTCALL*)(PDWordFinder finder, PDWord word, PDPageNumber page,
                                     void* clientData);
using PDProgressMonitor = void*;
// Asked now and then by a long operation: true stops it.
using PDCancelProc = ASBool(HOSTCALL*)(void* clientData);
// How PDDocSave writes: 0x01 the whole file anew, 0x20 without the objects nothing uses.
using PDSaveFlags = ASUns16;
constexpr PDSaveFlags PDSaveFull = 0x01, PDSaveCollectGarbage = 0x20;
// PDDocInsertPages: the source's bookmarks come along.
constexpr ASUns16 PDInsertBookmarks = 0x0001;
