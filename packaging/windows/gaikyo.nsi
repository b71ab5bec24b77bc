; The setup program for Windows, in Japanese: the program, Qt, the MinGW runtime and the
; IPA fonts the prints use, into C:\Program Files\gaikyo, with a Start-menu entry and an
; uninstaller. tools/windows-support/make-setup.sh stages the files and passes
;   /DSTAGE=<staged files> /DVERSION=<project version> /DVERSION4=<as a.b.c.d>
;   /DOUTFILE=<setup program>
; Files added to the stage folder (licences, …) are installed as they are.
Unicode true
Target amd64-unicode ; 64-bit: runs where only 64-bit Windows programs run
!include "MUI2.nsh"
!include "x64.nsh"

!define APPNAME "gaikyo"
!define DISPLAYNAME "法人事業概況説明書"
!define UNINSTALLKEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${APPNAME}"
; Where the program keeps the pledge (a fixed path of the program) and the user's data.
!define PLEDGEFILE "C:\Program Files\法人税事業概況書の誓約書.txt"

Name "${DISPLAYNAME} ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\${APPNAME}"
RequestExecutionLevel admin
SetCompressor /SOLID lzma
VIProductVersion "${VERSION4}"
VIAddVersionKey /LANG=1041 "ProductName" "${DISPLAYNAME}"
VIAddVersionKey /LANG=1041 "FileDescription" "${DISPLAYNAME} セットアップ"
VIAddVersionKey /LANG=1041 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1041 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1041 "LegalCopyright" "Copyright (c) 2026 gaikyo maintainers"

!define MUI_ICON "${STAGE}\..\gaikyo.ico"
!define MUI_UNICON "${STAGE}\..\gaikyo.ico"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "Japanese"

Section "Install"
  SetRegView 64
  SetOutPath "$INSTDIR"
  File /r "${STAGE}\*.*"
  WriteUninstaller "$INSTDIR\uninstall.exe"

  ; The pledge file lies directly in C:\Program Files\, where a standard user cannot make
  ; a file. It is made here, empty (the program reads that as a first start and writes
  ; the accepted pledge into it), and the users of the computer may change it.
  IfFileExists "${PLEDGEFILE}" pledge_made
    FileOpen $0 "${PLEDGEFILE}" w
    FileClose $0
  pledge_made:
  nsExec::ExecToLog 'icacls "${PLEDGEFILE}" /grant *S-1-5-32-545:M'
  Pop $0

  CreateDirectory "$SMPROGRAMS\${DISPLAYNAME}"
  CreateShortcut "$SMPROGRAMS\${DISPLAYNAME}\${DISPLAYNAME}.lnk" "$INSTDIR\gaikyo.exe"
  CreateShortcut "$SMPROGRAMS\${DISPLAYNAME}\アンインストール.lnk" "$INSTDIR\uninstall.exe"
  WriteRegStr HKLM "${UNINSTALLKEY}" "DisplayName" "${DISPLAYNAME}"
  WriteRegStr HKLM "${UNINSTALLKEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALLKEY}" "DisplayIcon" "$INSTDIR\gaikyo.exe"
  WriteRegStr HKLM "${UNINSTALLKEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALLKEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKLM "${UNINSTALLKEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKLM "${UNINSTALLKEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALLKEY}" "NoRepair" 1
SectionEnd

; Removes what the setup program installed and nothing else: the user's data under
; C:\法人税事業概況書 and the pledge file stay.
Section "Uninstall"
  SetRegView 64
  !include "${STAGE}\..\uninstall-files.nsh"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
  RMDir /r "$SMPROGRAMS\${DISPLAYNAME}"
  DeleteRegKey HKLM "${UNINSTALLKEY}"
SectionEnd
