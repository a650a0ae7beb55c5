; Vistora's installer: per user and without elevation, into the user's own programs folder,
; because Vistora writes beside itself (its options, the probe's answer, the language file and
; the guide documents the user edits).
; makensis -DVERSION=x.y.z -DSTAGE=<program folder to pack> -DOUTFILE=<setup.exe> -DICON=<.ico>
Unicode true
; A 64-bit installer for the 64-bit program: it runs wherever the program runs.
Target amd64-unicode
ManifestDPIAware true
SetCompressor /SOLID lzma
RequestExecutionLevel user

!ifndef VERSION | STAGE | OUTFILE | ICON
  !error "Give VERSION, STAGE, OUTFILE and ICON with -D"
!endif

!define COMPANY "Vistora Software"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Vistora"
; Where Vistora keeps its window placements.
!define SETTINGS_KEY "Software\VB and VBA Program Settings\Vistora"

!include "MUI2.nsh"
!include "LogicLib.nsh"
!include "FileFunc.nsh"
!include "Sections.nsh"

Name "Vistora ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\Vistora"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
BrandingText "${COMPANY}"

VIProductVersion "${VERSION}.0"
VIFileVersion "${VERSION}.0"
VIAddVersionKey /LANG=1033 "ProductName" "Vistora"
VIAddVersionKey /LANG=1033 "CompanyName" "${COMPANY}"
VIAddVersionKey /LANG=1033 "FileDescription" "Vistora ${VERSION} Setup"
VIAddVersionKey /LANG=1033 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "LegalCopyright" "Copyright (C) ${COMPANY}. All rights reserved."

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!define MUI_COMPONENTSPAGE_NODESC
!define MUI_FINISHPAGE_RUN "$INSTDIR\Vistora.exe"
!define MUI_FINISHPAGE_SHOWREADME "$INSTDIR\ReadMe.txt"
!define MUI_FINISHPAGE_SHOWREADME_NOTCHECKED
!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_LICENSE "${STAGE}/License.txt"
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

; Files cannot be replaced or removed while the program runs from them.
!macro RefuseWhileRunning
  FindWindow $0 "VistoraForm" "Vistora"
  ${If} $0 <> 0
    MessageBox MB_OK|MB_ICONEXCLAMATION "Vistora is running. Close it with its Exit button, then try again." /SD IDOK
    SetErrorLevel 2
    Quit
  ${EndIf}
!macroend

Function .onInit
  !insertmacro RefuseWhileRunning
FunctionEnd

Function un.onInit
  !insertmacro RefuseWhileRunning
FunctionEnd

Section "Vistora (required)" SecProgram
  SectionIn RO
  SetOutPath "$INSTDIR"
  SetOverwrite on
  File "${STAGE}/Vistora.exe"
  File "${STAGE}/brannox.exe"
  File "${STAGE}/ReadMe.txt"
  File "${STAGE}/License.txt"
  ; The language file, the guide documents and the checklist are the user's to edit once
  ; installed: an update keeps them as they are.
  SetOverwrite off
  File "${STAGE}/Vistora.Txt"
  File "${STAGE}/VistoraENG.Rtf"
  File "${STAGE}/VistoraOWN.Rtf"
  File "${STAGE}/Checklist.Txt"
  SetOverwrite on

  WriteUninstaller "$INSTDIR\Uninstall.exe"
  CreateShortcut "$SMPROGRAMS\Vistora.lnk" "$INSTDIR\Vistora.exe" "" "$INSTDIR\Vistora.exe" 0 \
    SW_SHOWNORMAL "" "Presenter's console for slide shows"

  ; The entry of the system's list of installed apps, for this user.
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "Vistora"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "${COMPANY}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\Vistora.exe,0"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "URLInfoAbout" "http://www.vistora.it/"
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

Section "Desktop shortcut" SecDesktop
  CreateShortcut "$DESKTOP\Vistora.lnk" "$INSTDIR\Vistora.exe" "" "$INSTDIR\Vistora.exe" 0 \
    SW_SHOWNORMAL "" "Presenter's console for slide shows"
SectionEnd

; An update without the desktop shortcut takes away the one an earlier installation made.
Section "-DesktopShortcutLeftOut"
  ${IfNot} ${SectionIsSelected} ${SecDesktop}
    Delete "$DESKTOP\Vistora.lnk"
  ${EndIf}
SectionEnd

Section "Uninstall"
  Delete "$INSTDIR\Vistora.exe"
  Delete "$INSTDIR\brannox.exe"
  Delete "$INSTDIR\ReadMe.txt"
  Delete "$INSTDIR\License.txt"
  Delete "$INSTDIR\Vistora.Txt"
  Delete "$INSTDIR\VistoraENG.Rtf"
  Delete "$INSTDIR\VistoraOWN.Rtf"
  Delete "$INSTDIR\Checklist.Txt"
  ; What Vistora writes beside itself while it runs.
  Delete "$INSTDIR\Vistora.opt"
  Delete "$INSTDIR\ZelSuite.tmp"
  Delete "$INSTDIR\Uninstall.exe"
  ; Special programs the user put into the folder stay, and with them the folder.
  RMDir "$INSTDIR"

  Delete "$SMPROGRAMS\Vistora.lnk"
  Delete "$DESKTOP\Vistora.lnk"
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
  DeleteRegKey HKCU "${SETTINGS_KEY}"
SectionEnd
