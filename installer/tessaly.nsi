; The setup program of Tessaly: puts the plug-in and its files into the host's plug-ins
; folder, writes the "App Paths" key by which the plug-in finds that folder, and
; registers an uninstaller that takes exactly these away again.
;
; makensis -DARCH=x86|amd64 -DPLUGIN=<tessaly.api> -DDATA=<folder of Default.ppf,
;   Default.ban, PDFPageSizes.ini> -DHELP=<Tessaly.chm> -DOUTFILE=<setup program>
;   -DVERSION=<version> tessaly.nsi
Unicode true
!if "${ARCH}" == "amd64"
  Target amd64-unicode
!else
  Target x86-unicode
!endif

!define APP_PATHS_KEY "SOFTWARE\Microsoft\Windows\CurrentVersion\App Paths\Tessaly.api"
!define UNINSTALL_KEY "SOFTWARE\Microsoft\Windows\CurrentVersion\Uninstall\Tessaly"
!define UNINSTALLER "Tessaly-Uninstall.exe"

!include LogicLib.nsh

Name "Tessaly ${VERSION}"
OutFile "${OUTFILE}"
RequestExecutionLevel admin
SetCompressor /SOLID lzma
ShowInstDetails show
ShowUninstDetails show
InstallDirRegKey HKLM "${UNINSTALL_KEY}" "InstallLocation"
DirText "Tessaly is a plug-in: choose the plug-ins folder of your PDF viewer. \
Settings files of an earlier installation in that folder are kept."

Var PreviousFolder
Var KeptFiles

Page directory
Page instfiles
UninstPage uninstConfirm
UninstPage instfiles

Function .onInit
!if "${ARCH}" == "amd64"
  SetRegView 64
  StrCmp $INSTDIR "" 0 +2
    StrCpy $INSTDIR "$PROGRAMFILES64\PDF Viewer\plug_ins"
!else
  StrCmp $INSTDIR "" 0 +2
    StrCpy $INSTDIR "$PROGRAMFILES32\PDF Viewer\plug_ins"
!endif
FunctionEnd

Function un.onInit
!if "${ARCH}" == "amd64"
  SetRegView 64
!endif
FunctionEnd

; A settings file already in the folder stays as it is: the user may have changed it.
; This version's defaults go beside it as <name>.new, and the user is told. A file that
; was there before any installation of Tessaly is the user's own, and the uninstaller
; leaves it ("Kept <name>").
!macro InstallSettingsFile NAME
  ${If} ${FileExists} "$INSTDIR\${NAME}"
    File "/oname=${NAME}.new" "${DATA}\${NAME}"
    DetailPrint "Kept your ${NAME}; the defaults of this version are in ${NAME}.new"
    StrCpy $KeptFiles "$KeptFiles$\r$\n    ${NAME} (the new defaults: ${NAME}.new)"
    ${If} $PreviousFolder != $INSTDIR
      WriteRegDWORD HKLM "${UNINSTALL_KEY}" "Kept ${NAME}" 1
    ${EndIf}
  ${Else}
    File "${DATA}\${NAME}"
    DeleteRegValue HKLM "${UNINSTALL_KEY}" "Kept ${NAME}"
  ${EndIf}
!macroend

Section "Tessaly"
  ReadRegStr $PreviousFolder HKLM "${UNINSTALL_KEY}" "InstallLocation"
  StrCpy $KeptFiles ""
  SetOutPath "$INSTDIR"
  SetOverwrite on
  File "/oname=tessaly.api" "${PLUGIN}"
  File "${HELP}"
  !insertmacro InstallSettingsFile "Default.ppf"
  !insertmacro InstallSettingsFile "Default.ban"
  !insertmacro InstallSettingsFile "PDFPageSizes.ini"
  WriteUninstaller "$INSTDIR\${UNINSTALLER}"

  WriteRegStr HKLM "${APP_PATHS_KEY}" "" "$INSTDIR\Tessaly.api"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "Tessaly ${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\${UNINSTALLER}"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\${UNINSTALLER}" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
  ${If} $KeptFiles != ""
    MessageBox MB_OK|MB_ICONINFORMATION "These settings files were already in $INSTDIR and \
were kept as they are:$KeptFiles" /SD IDOK
  ${EndIf}
SectionEnd

; What the installations put there is removed; a settings file the user had before
; the first of them is theirs and stays.
!macro RemoveSettingsFile NAME
  Delete "$INSTDIR\${NAME}.new"
  ReadRegDWORD $0 HKLM "${UNINSTALL_KEY}" "Kept ${NAME}"
  ${If} $0 != 1
    Delete "$INSTDIR\${NAME}"
  ${EndIf}
!macroend

Section "Uninstall"
  Delete "$INSTDIR\tessaly.api"
  Delete "$INSTDIR\Tessaly.chm"
  !insertmacro RemoveSettingsFile "Default.ppf"
  !insertmacro RemoveSettingsFile "Default.ban"
  !insertmacro RemoveSettingsFile "PDFPageSizes.ini"
  Delete "$INSTDIR\${UNINSTALLER}"
  ; Only when empty: the folder is the host's and holds its other plug-ins.
  RMDir "$INSTDIR"
  DeleteRegKey HKLM "${APP_PATHS_KEY}"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
