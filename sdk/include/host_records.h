// Fixed records exchanged with the host. Offsets and sizes are those of the 32-bit
// Windows build (checked there); pointer-sized fields are wider on x86_64.
#pragma once

#include "host_types.h"

// The version of the handshake and setup records, and of the core table.
constexpr ASUns32 handshakeVersion20 = 0x00020000;

// Second argument of PlugInMain on Windows.
struct PIWindowsData {
  void* hostWindow;         // the host's main window
  void* pluginInstance;     // the plug-in's module instance
  void* hostInstance;       // the host's module instance
};

// Filled by the plug-in's handshake procedure.
struct PIHandshakeData {
  ASUns32 handshakeVersion;
  ASUns16 hostReserved;     // the host's; left alone by the plug-in
  ASAtom extensionName;
  void* exportHFTsCallback;
  void* importReplaceAndRegisterCallback;
  void* initCallback;
  void* unloadCallback;
};

// Given by the host to the setup procedure.
struct PISetupData {
  ASUns32 handshakeVersion;
  ASExtension extensionID;
  HFT coreHFT;
  void* handshakeCallback;  // the plug-in puts its handshake callback here
};

// Nested output record of the print parameters; only its size is set by the plug-in.
struct AVDocPrintEmitParams {
  ASSize_t size;
  ASUns32 outputType;
  ASUns32 emitFlags;
  ASUns8 reserved[468];
};

// Document print parameters for AVDocPrintPagesWithParams.
struct AVDocPrintParamsRec {
  ASSize_t size;
  ASBool interactive;       // 1: the host shows its print dialog
  ASBool cancelDialog;
  ASInt32 firstPage;        // 0-based
  ASInt32 lastPage;         // 0-based, inclusive
  ASInt32 psLevel;
  ASBool binaryOK;
  ASBool shrinkToFit;
  char* fileName;
  char* printerName;
  AVDocPrintEmitParams* emitParams;
  void* ranges;
  ASInt32 numRanges;
  ASBool reverse;
  ASBool collate;
  ASInt32 copies;
  ASBool useDefaultPrinter;
  ASBool reserved54;
  ASBool emitToPrinter;     // 1: print to a printer, not to a file
  ASUns16 reserved58;
  ASUns8 reserved[292];
};
using AVDocPrintParams = AVDocPrintParamsRec*;

// One colour with the space it belongs to.
struct PDEColorValue {
  ASFixed color[4];
  PDEObject colorObj;
  PDEObject colorObj2;
};
struct PDEColorSpec {
  PDEColorSpace space;
  PDEColorValue value;
};
struct PDEDash {
  ASFixed dashPhase;
  ASInt32 dashLen;
  ASFixed dashes[11];
};

// Bit of PDEGraphicState::wasSetFlags: the extended graphics state applies.
constexpr ASUns32 kPDEExtGStateWasSet = 0x800;

struct PDEGraphicState {
  PDEColorSpec strokeColorSpec;
  PDEColorSpec fillColorSpec;
  ASFixed lineWidth;
  ASFixed miterLimit;
  ASFixed flatness;
  ASInt32 lineCap;
  ASInt32 lineJoin;
  PDEDash dash;
  ASAtom renderIntent;
  ASUns16 reserved16;
  PDEExtGState extGState;
  PDEObject softMask;
  ASInt32 blendMode;
  ASUns32 wasSetFlags;
  ASUns8 reserved[16];
};

// Attributes for finding a system font.
struct PDEFontAttrs {
  ASAtom name;
  ASAtom type;
  ASAtom charSet;
  ASAtom encoding;
  ASUns32 flags;
  ASFixedRect fontBBox;
  ASInt16 missingWidth;
  ASInt16 stemV;
  ASInt16 stemH;
  ASInt16 capHeight;
  ASInt16 xHeight;
  ASInt16 ascent;
  ASInt16 descent;
  ASInt16 leading;
  ASInt16 maxWidth;
  ASInt16 avgWidth;
  ASInt16 italicAngle;
  ASInt16 reserved16;
  ASAtom cidFontType;
  ASAtom registry;
  ASAtom ordering;
  ASInt16 supplement;
  ASUns8 reserved[20];
};

// A tool of the host's tool bar; the host calls these procedures.
struct AVToolRec;
using AVTool = AVToolRec*;
struct AVToolRec {
  ASSize_t size;
  void(HOSTCALL* Activate)(AVTool tool, ASBool persistent);
  void(HOSTCALL* Deactivate)(AVTool tool);
  ASBool(HOSTCALL* DoClick)(AVTool tool, AVPageView pageView, AVDevCoord x, AVDevCoord y,
                            AVFlagBits16 flags, ASInt16 clickNo);
  ASBool(HOSTCALL* AdjustCursor)(AVTool tool, AVPageView pageView, AVDevCoord x, AVDevCoord y);
  ASBool(HOSTCALL* DoKeyDown)(AVTool tool, ASUns16 key, ASInt16 flags);
  ASAtom(HOSTCALL* GetType)(AVTool tool);
  ASBool(HOSTCALL* IsPersistent)(AVTool tool);
  AVComputeEnabledProc ComputeEnabled;
  void* computeEnabledData;
  ASBool(HOSTCALL* DoRightClick)(AVTool tool, AVPageView pageView, AVDevCoord x, AVDevCoord y,
                                 AVFlagBits16 flags, ASInt16 clickNo);
  void(HOSTCALL* DoLeave)(AVTool tool, AVPageView pageView);
  void* toolData;
  void* reserved;
};

// A selection server of the host, found by selection type.
struct AVDocSelectionServerRec {
  ASSize_t size;
  ASAtom(HOSTCALL* GetType)();
  // Adds one item (for "Thumbnail": a 0-based page index) to the selection and
  // answers the selection's new data.
  void*(HOSTCALL* AddToSelection)(AVDoc doc, void* currentData, void* addData, ASBool highlight);
  void*(HOSTCALL* RemoveFromSelection)(AVDoc doc, void* currentData, void* removeData,
                                       ASBool highlight);
  void(HOSTCALL* ShowSelection)(AVDoc doc, void* data);
};
using AVDocSelectionServer = AVDocSelectionServerRec*;

#if defined(__i386__) || defined(_M_IX86)
static_assert(sizeof(PIWindowsData) == 12);
static_assert(offsetof(PIWindowsData, pluginInstance) == 4);

static_assert(offsetof(PIHandshakeData, handshakeVersion) == 0);
static_assert(offsetof(PIHandshakeData, hostReserved) == 4);
static_assert(offsetof(PIHandshakeData, extensionName) == 6);
static_assert(offsetof(PIHandshakeData, exportHFTsCallback) == 8);
static_assert(offsetof(PIHandshakeData, importReplaceAndRegisterCallback) == 12);
static_assert(offsetof(PIHandshakeData, initCallback) == 16);
static_assert(offsetof(PIHandshakeData, unloadCallback) == 20);

static_assert(offsetof(PISetupData, handshakeVersion) == 0);
static_assert(offsetof(PISetupData, extensionID) == 4);
static_assert(offsetof(PISetupData, coreHFT) == 8);
static_assert(offsetof(PISetupData, handshakeCallback) == 12);

static_assert(sizeof(AVDocPrintEmitParams) == 480);
static_assert(sizeof(AVDocPrintParamsRec) == 352);
static_assert(offsetof(AVDocPrintParamsRec, size) == 0);
static_assert(offsetof(AVDocPrintParamsRec, interactive) == 4);
static_assert(offsetof(AVDocPrintParamsRec, firstPage) == 8);
static_assert(offsetof(AVDocPrintParamsRec, lastPage) == 12);
static_assert(offsetof(AVDocPrintParamsRec, emitParams) == 32);
static_assert(offsetof(AVDocPrintParamsRec, emitToPrinter) == 56);

static_assert(sizeof(PDEGraphicState) == 164);
static_assert(sizeof(PDEFontAttrs) == 80);
static_assert(offsetof(PDEFontAttrs, name) == 0);
static_assert(sizeof(AVToolRec) == 56);
#endif
