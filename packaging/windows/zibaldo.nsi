; SPDX-License-Identifier: GPL-3.0-or-later
; Zibaldo's installer for Windows, made by tools/windows/make-installer.sh, which defines VERSION
; (1.0), FILE_VERSION (1.0.0.0), FOLDER (the deployed program), REMOVE (the uninstaller's list of
; what FOLDER holds), ROOT (the sources) and OUTFILE. One install per machine, for every pupil's
; account; /S installs and uninstalls without a question, for a whole lab.
Unicode true
; A 64-bit installer: it writes the 64-bit registry and finds the 64-bit Program Files.
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel admin

!include MUI2.nsh
!include FileFunc.nsh

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Zibaldo"

Name "Zibaldo"
Caption "Zibaldo ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\Zibaldo"
BrandingText "Zibaldo ${VERSION}"

VIProductVersion "${FILE_VERSION}"
VIFileVersion "${FILE_VERSION}"
VIAddVersionKey /LANG=1040 "ProductName" "Zibaldo"
VIAddVersionKey /LANG=1040 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1040 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1040 "FileDescription" "Installazione di Zibaldo"
VIAddVersionKey /LANG=1040 "CompanyName" "Gli sviluppatori di Zibaldo"
VIAddVersionKey /LANG=1040 "LegalCopyright" "Licenza GPL-3.0-or-later"

!define MUI_ICON "${ROOT}/resources/zibaldo.ico"
!define MUI_UNICON "${ROOT}/resources/zibaldo.ico"
!define MUI_ABORTWARNING
!define MUI_WELCOMEPAGE_TITLE "Installazione di Zibaldo ${VERSION}"
!define MUI_LICENSEPAGE_RADIOBUTTONS
!define MUI_FINISHPAGE_RUN "$INSTDIR\zibaldo.exe"
!define MUI_FINISHPAGE_RUN_TEXT "Avvia Zibaldo"

!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_LICENSE "${ROOT}/LICENSE"
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "Italian"

Function .onInit
  SetShellVarContext all
FunctionEnd

Function un.onInit
  SetShellVarContext all
FunctionEnd

Section "Zibaldo" program
  SectionIn RO
  SetOutPath "$INSTDIR"
  File /r "${FOLDER}/*"
  WriteUninstaller "$INSTDIR\Disinstalla Zibaldo.exe"
  CreateShortcut "$SMPROGRAMS\Zibaldo.lnk" "$INSTDIR\zibaldo.exe"

  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "Zibaldo"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "Gli sviluppatori di Zibaldo"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\zibaldo.exe,0"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Disinstalla Zibaldo.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Disinstalla Zibaldo.exe" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

Section "Collegamento sul desktop" desktop
  CreateShortcut "$DESKTOP\Zibaldo.lnk" "$INSTDIR\zibaldo.exe"
SectionEnd

!insertmacro MUI_FUNCTION_DESCRIPTION_BEGIN
  !insertmacro MUI_DESCRIPTION_TEXT ${program} "Il programma, le sue parole e le sue immagini."
  !insertmacro MUI_DESCRIPTION_TEXT ${desktop} "Un'icona di Zibaldo sul desktop di ogni utente."
!insertmacro MUI_FUNCTION_DESCRIPTION_END

; Only what the installer put there: a teacher's own pictures added to the folder stay, and so
; does the folder that holds them.
Section "Uninstall"
  Delete "$SMPROGRAMS\Zibaldo.lnk"
  Delete "$DESKTOP\Zibaldo.lnk"
  !include /CHARSET=UTF8 "${REMOVE}"
  Delete "$INSTDIR\Disinstalla Zibaldo.exe"
  RMDir "$INSTDIR"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
