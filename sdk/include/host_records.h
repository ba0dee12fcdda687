// Fixed records exchanged with the host, laid out as the host publishes them. The
// offsets of both targets are pinned at the end of this file: the 32-bit Windows
// deliverable's, and the x86_64 build's, where pointer-sized fields are wider.
#pragma once

#include "host_types.h"

// The version of the handshake and setup records, and of the core table.
constexpr ASUns32 handshakeVersion20 = 0x00020000;

// Last argument of PlugInMain on Windows.
struct PIWindowsData {
  void* hostWindow;         // the host's main window
  void* pluginInstance;     // the plug-in's module instance
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

// The printer a print call names (Windows form). The print job hands over an empty
// one, its size alone set, and the host prints where its own settings say.
struct ASPlatformPrinterSpecRec {
  ASSize_t size;
  char driverName[64];
  char printerName[64];
  char portName[64];
  ASUns8 reserved[284];
};

// A range of pages of AVDocPrintParamsRec::ranges.
struct PDPageRange {
  ASInt32 startPage;
  ASInt32 endPage;
  ASInt32 pageSpec;
};

// Document print parameters for AVDocPrintPagesWithParams (AcroView 228).
struct AVDocPrintParamsRec {
  ASSize_t size;
  ASBool interactive;       // 1: the host shows its print dialog
  ASBool cancelDialog;
  ASInt32 firstPage;        // 0-based
  ASInt32 lastPage;         // 0-based, inclusive
  ASInt32 psLevel;
  ASBool binaryOK;
  ASBool shrinkToFit;
  ASAtom fileSysName;       // with filePathName: print to that file
  ASPathName filePathName;
  ASPlatformPrinterSpecRec* printerSpec;
  ASBool embedded;
  AVRect embeddedRect;
  ASBool emitToPrinter;     // 1: print to a printer, not to a file
  ASBool emitToFile;
  ASBool doColorSeparations;
  ASUns16 emitFileOption;
  ASUns16 emitFontOption;
  ASUns32 emitFlags;
  PDPageRange* ranges;
  ASInt16 numRanges;
  ASBool TTasT42;
  ASBool printAsImage;
  ASBool printerHasFarEastFonts;
  ASBool reverse;
  ASInt32 pageSpec;
  ASInt32 transparencyLevel;
  char destProfile[256];
};
using AVDocPrintParams = AVDocPrintParamsRec*;

// One colour: up to seven components, and the objects of pattern and DeviceN colours.
struct PDEColorValue {
  ASFixed color[7];
  PDEObject colorObj2;
  PDEObject colorObj;
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

// Bits of PDEGraphicState::wasSetFlags: which fields the host is to apply.
constexpr ASUns32 kPDEFillCSpaceWasSet = 0x0001;
constexpr ASUns32 kPDEFillCValueWasSet = 0x0002;
constexpr ASUns32 kPDEStrokeCSpaceWasSet = 0x0004;
constexpr ASUns32 kPDEStrokeCValueWasSet = 0x0008;
constexpr ASUns32 kPDEExtGStateWasSet = 0x0800;

struct PDEGraphicState {
  ASUns32 wasSetFlags;
  PDEColorSpec fillColorSpec;
  PDEColorSpec strokeColorSpec;
  PDEDash dash;
  ASFixed lineWidth;
  ASFixed miterLimit;
  ASFixed flatness;
  ASInt32 lineCap;
  ASInt32 lineJoin;
  ASAtom renderIntent;
  PDEExtGState extGState;
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
struct AVDocSelectionServerRec;
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
  ASInt32 cursorID;
  AVComputeEnabledProc ComputeEnabled;
  void* computeEnabledData;
  ASBool(HOSTCALL* DoRightClick)(AVTool tool, AVPageView pageView, AVDevCoord x, AVDevCoord y,
                                 AVFlagBits16 flags, ASInt16 clickNo);
  void(HOSTCALL* DoLeave)(AVTool tool, AVPageView pageView);
  AVDocSelectionServerRec*(HOSTCALL* GetSelectionServer)(AVTool tool, AVDoc doc);
};

// A selection server of the host, found by selection type. For "Thumbnail" the data
// of one item is a 0-based page index.
struct AVDocSelectionServerRec {
  ASSize_t size;
  ASAtom(HOSTCALL* GetType)();
  // The selection becomes, or stops being, of this server's type.
  void(HOSTCALL* GettingSelection)(AVDoc doc, void* selectionData, ASBool highlight);
  // Adds one item to the selection; answers the selection's new data.
  void*(HOSTCALL* AddedToSelection)(AVDoc doc, void* currentData, void* addData,
                                    ASBool highlight);
  void(HOSTCALL* LosingSelection)(AVDoc doc, void* selectionData, ASBool highlight);
  void*(HOSTCALL* RemovedFromSelection)(AVDoc doc, void* currentData, void* removeData,
                                        ASBool highlight);
  // Procedures the plug-in never calls, named for their places.
  void* CanSelectAll;
  void* SelectAll;
  void* CanProperties;
  void* Properties;
  void* CanDelete;
  void* Delete;
  void* CanCopy;
  void* Copy;
  void* EnumSelection;
  void(HOSTCALL* ShowSelection)(AVDoc doc, void* selectionData);
};
using AVDocSelectionServer = AVDocSelectionServerRec*;

#define HOST_RECORD_AT(record, field, offset) \
  static_assert(offsetof(record, field) == (offset), #record "::" #field " is not at " #offset)

#if defined(__i386__) || defined(_M_IX86)
static_assert(sizeof(PIWindowsData) == 8);
HOST_RECORD_AT(PIWindowsData, pluginInstance, 4);

HOST_RECORD_AT(PIHandshakeData, handshakeVersion, 0);
HOST_RECORD_AT(PIHandshakeData, hostReserved, 4);
HOST_RECORD_AT(PIHandshakeData, extensionName, 6);
HOST_RECORD_AT(PIHandshakeData, exportHFTsCallback, 8);
HOST_RECORD_AT(PIHandshakeData, importReplaceAndRegisterCallback, 12);
HOST_RECORD_AT(PIHandshakeData, initCallback, 16);
HOST_RECORD_AT(PIHandshakeData, unloadCallback, 20);

HOST_RECORD_AT(PISetupData, handshakeVersion, 0);
HOST_RECORD_AT(PISetupData, extensionID, 4);
HOST_RECORD_AT(PISetupData, coreHFT, 8);
HOST_RECORD_AT(PISetupData, handshakeCallback, 12);

static_assert(sizeof(ASPlatformPrinterSpecRec) == 480);
static_assert(sizeof(AVDocPrintParamsRec) == 352);
HOST_RECORD_AT(AVDocPrintParamsRec, interactive, 4);
HOST_RECORD_AT(AVDocPrintParamsRec, firstPage, 8);
HOST_RECORD_AT(AVDocPrintParamsRec, lastPage, 12);
HOST_RECORD_AT(AVDocPrintParamsRec, fileSysName, 24);
HOST_RECORD_AT(AVDocPrintParamsRec, filePathName, 28);
HOST_RECORD_AT(AVDocPrintParamsRec, printerSpec, 32);
HOST_RECORD_AT(AVDocPrintParamsRec, embedded, 36);
HOST_RECORD_AT(AVDocPrintParamsRec, embeddedRect, 40);
HOST_RECORD_AT(AVDocPrintParamsRec, emitToPrinter, 56);
HOST_RECORD_AT(AVDocPrintParamsRec, emitToFile, 58);
HOST_RECORD_AT(AVDocPrintParamsRec, emitFlags, 68);
HOST_RECORD_AT(AVDocPrintParamsRec, ranges, 72);
HOST_RECORD_AT(AVDocPrintParamsRec, numRanges, 76);
HOST_RECORD_AT(AVDocPrintParamsRec, destProfile, 96);

static_assert(sizeof(PDEColorValue) == 36);
HOST_RECORD_AT(PDEColorValue, colorObj2, 28);
HOST_RECORD_AT(PDEColorValue, colorObj, 32);
static_assert(sizeof(PDEColorSpec) == 40);
HOST_RECORD_AT(PDEColorSpec, value, 4);
static_assert(sizeof(PDEDash) == 52);
static_assert(sizeof(PDEGraphicState) == 164);
HOST_RECORD_AT(PDEGraphicState, wasSetFlags, 0);
HOST_RECORD_AT(PDEGraphicState, fillColorSpec, 4);
HOST_RECORD_AT(PDEGraphicState, strokeColorSpec, 44);
HOST_RECORD_AT(PDEGraphicState, dash, 84);
HOST_RECORD_AT(PDEGraphicState, lineWidth, 136);
HOST_RECORD_AT(PDEGraphicState, miterLimit, 140);
HOST_RECORD_AT(PDEGraphicState, flatness, 144);
HOST_RECORD_AT(PDEGraphicState, lineCap, 148);
HOST_RECORD_AT(PDEGraphicState, lineJoin, 152);
HOST_RECORD_AT(PDEGraphicState, renderIntent, 156);
HOST_RECORD_AT(PDEGraphicState, extGState, 160);

static_assert(sizeof(PDEFontAttrs) == 80);
HOST_RECORD_AT(PDEFontAttrs, name, 0);

static_assert(sizeof(AVToolRec) == 56);
HOST_RECORD_AT(AVToolRec, GetType, 24);
HOST_RECORD_AT(AVToolRec, cursorID, 32);
HOST_RECORD_AT(AVToolRec, ComputeEnabled, 36);
HOST_RECORD_AT(AVToolRec, computeEnabledData, 40);
HOST_RECORD_AT(AVToolRec, DoRightClick, 44);
HOST_RECORD_AT(AVToolRec, DoLeave, 48);
HOST_RECORD_AT(AVToolRec, GetSelectionServer, 52);

HOST_RECORD_AT(AVDocSelectionServerRec, GetType, 4);
HOST_RECORD_AT(AVDocSelectionServerRec, GettingSelection, 8);
HOST_RECORD_AT(AVDocSelectionServerRec, AddedToSelection, 12);
HOST_RECORD_AT(AVDocSelectionServerRec, LosingSelection, 16);
HOST_RECORD_AT(AVDocSelectionServerRec, RemovedFromSelection, 20);
HOST_RECORD_AT(AVDocSelectionServerRec, ShowSelection, 60);
#elif defined(__x86_64__)
static_assert(sizeof(PIWindowsData) == 16);
HOST_RECORD_AT(PIWindowsData, pluginInstance, 8);

HOST_RECORD_AT(PIHandshakeData, extensionName, 6);
HOST_RECORD_AT(PIHandshakeData, exportHFTsCallback, 8);
HOST_RECORD_AT(PIHandshakeData, importReplaceAndRegisterCallback, 16);
HOST_RECORD_AT(PIHandshakeData, initCallback, 24);
HOST_RECORD_AT(PIHandshakeData, unloadCallback, 32);

HOST_RECORD_AT(PISetupData, extensionID, 4);
HOST_RECORD_AT(PISetupData, coreHFT, 8);
HOST_RECORD_AT(PISetupData, handshakeCallback, 16);

static_assert(sizeof(AVDocPrintParamsRec) == 376);
HOST_RECORD_AT(AVDocPrintParamsRec, interactive, 4);
HOST_RECORD_AT(AVDocPrintParamsRec, firstPage, 8);
HOST_RECORD_AT(AVDocPrintParamsRec, lastPage, 12);
HOST_RECORD_AT(AVDocPrintParamsRec, fileSysName, 24);
HOST_RECORD_AT(AVDocPrintParamsRec, filePathName, 32);
HOST_RECORD_AT(AVDocPrintParamsRec, printerSpec, 40);
HOST_RECORD_AT(AVDocPrintParamsRec, embedded, 48);
HOST_RECORD_AT(AVDocPrintParamsRec, embeddedRect, 52);
HOST_RECORD_AT(AVDocPrintParamsRec, emitToPrinter, 68);
HOST_RECORD_AT(AVDocPrintParamsRec, emitToFile, 70);
HOST_RECORD_AT(AVDocPrintParamsRec, emitFlags, 80);
HOST_RECORD_AT(AVDocPrintParamsRec, ranges, 88);
HOST_RECORD_AT(AVDocPrintParamsRec, numRanges, 96);
HOST_RECORD_AT(AVDocPrintParamsRec, destProfile, 116);

static_assert(sizeof(PDEColorValue) == 48);
HOST_RECORD_AT(PDEColorValue, colorObj2, 32);
HOST_RECORD_AT(PDEColorValue, colorObj, 40);
static_assert(sizeof(PDEColorSpec) == 56);
HOST_RECORD_AT(PDEColorSpec, value, 8);
static_assert(sizeof(PDEDash) == 52);
static_assert(sizeof(PDEGraphicState) == 208);
HOST_RECORD_AT(PDEGraphicState, wasSetFlags, 0);
HOST_RECORD_AT(PDEGraphicState, fillColorSpec, 8);
HOST_RECORD_AT(PDEGraphicState, strokeColorSpec, 64);
HOST_RECORD_AT(PDEGraphicState, dash, 120);
HOST_RECORD_AT(PDEGraphicState, lineWidth, 172);
HOST_RECORD_AT(PDEGraphicState, miterLimit, 176);
HOST_RECORD_AT(PDEGraphicState, flatness, 180);
HOST_RECORD_AT(PDEGraphicState, lineCap, 184);
HOST_RECORD_AT(PDEGraphicState, lineJoin, 188);
HOST_RECORD_AT(PDEGraphicState, renderIntent, 192);
HOST_RECORD_AT(PDEGraphicState, extGState, 200);

static_assert(sizeof(AVToolRec) == 112);
HOST_RECORD_AT(AVToolRec, GetType, 48);
HOST_RECORD_AT(AVToolRec, cursorID, 64);
HOST_RECORD_AT(AVToolRec, ComputeEnabled, 72);
HOST_RECORD_AT(AVToolRec, GetSelectionServer, 104);

HOST_RECORD_AT(AVDocSelectionServerRec, GetType, 8);
HOST_RECORD_AT(AVDocSelectionServerRec, GettingSelection, 16);
HOST_RECORD_AT(AVDocSelectionServerRec, AddedToSelection, 24);
HOST_RECORD_AT(AVDocSelectionServerRec, LosingSelection, 32);
HOST_RECORD_AT(AVDocSelectionServerRec, RemovedFromSelection, 40);
HOST_RECORD_AT(AVDocSelectionServerRec, ShowSelection, 120);
#endif

#undef HOST_RECORD_AT
