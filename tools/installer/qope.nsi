; The Windows installer of Qope, built with Debian's makensis (Unicode) by the Windows
; build (target qope_setup). The program reads its data from the literal folder
; C:\Program Files\zel\qope\ whatever the system, so that is where everything goes and
; the folder is not offered for change.
;
;   makensis -DEXE=... -DCHM=... -DDATA=... -DOUTFILE=... qope.nsi
; Silent: qope-setup.exe /S; uninstall: "C:\Program Files\zel\qope\uninstall.exe" /S
; A 64-bit installer for a 64-bit program (it also runs where no 32-bit layer is present).
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel admin

!define PRODUCT "Qope"
!define VERSION "4.0"
!define PUBLISHER "Qope 开发组"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Qope"
!define MENU_FOLDER "$SMPROGRAMS\Qope"

Name "Qope 五笔字型打字练习 ${VERSION}"
Caption "Qope 五笔字型打字练习 ${VERSION} 安装"
OutFile "${OUTFILE}"
InstallDir "C:\Program Files\zel\qope"
Icon "${ICON}"
UninstallIcon "${ICON}"
BrandingText "Qope ${VERSION}"
ShowInstDetails show
ShowUninstDetails show

!include "FileFunc.nsh"

LoadLanguageFile "${NSISDIR}\Contrib\Language files\SimpChinese.nlf"

Page instfiles
UninstPage uninstConfirm
UninstPage instfiles

Section "Qope"
  SetShellVarContext all
  SetRegView 64
  SetOutPath "$INSTDIR"
  File "${EXE}"
  File "${CHM}"
  SetOutPath "$INSTDIR\selectfiles"
  File /r "${DATA}\selectfiles\*"
  SetOutPath "$INSTDIR\wavefiles"
  File /r "${DATA}\wavefiles\*"
  SetOutPath "$INSTDIR\Englishtype"
  File /r "${DATA}\Englishtype\*"
  SetOutPath "$INSTDIR\freeinput"
  File /r "${DATA}\freeinput\*"
  SetOutPath "$INSTDIR"
  WriteUninstaller "$INSTDIR\uninstall.exe"

  CreateDirectory "${MENU_FOLDER}"
  CreateShortcut "${MENU_FOLDER}\Qope.lnk" "$INSTDIR\qope.exe" "" "$INSTDIR\qope.exe" 0
  CreateShortcut "${MENU_FOLDER}\Qope 帮助.lnk" "$INSTDIR\qope.chm"
  CreateShortcut "${MENU_FOLDER}\卸载 Qope.lnk" "$INSTDIR\uninstall.exe"

  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "Qope 五笔字型打字练习"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\qope.exe,0"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" $0
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

; Removes what the installer put there, and the folders only when nothing else is left;
; the program's own folder last, so that its going means the uninstall is done.
Section "Uninstall"
  SetShellVarContext all
  SetRegView 64
  Delete "${MENU_FOLDER}\Qope.lnk"
  Delete "${MENU_FOLDER}\Qope 帮助.lnk"
  Delete "${MENU_FOLDER}\卸载 Qope.lnk"
  RMDir "${MENU_FOLDER}"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
  Delete "$INSTDIR\qope.exe"
  Delete "$INSTDIR\qope.chm"
  RMDir /r "$INSTDIR\selectfiles"
  RMDir /r "$INSTDIR\wavefiles"
  RMDir /r "$INSTDIR\Englishtype"
  RMDir /r "$INSTDIR\freeinput"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
  RMDir "C:\Program Files\zel"
SectionEnd
