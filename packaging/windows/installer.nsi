; The Windows installer of the exam programs and examtool, in Russian, for 64-bit Windows.
; Built by tools/package-windows:
;   makensis -DVERSION=1.0.0 -DSTAGE=folder -DOUTFILE=setup.exe -DPROGRAMS=programs.nsh installer.nsi
; STAGE holds each program's NAME.exe, examtool.exe, README.md and LICENSE.txt; PROGRAMS is the
; build's packaging/programs.nsh, the installer's lines for each program (file, shortcut).

Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel admin

!include "MUI2.nsh"
!include "x64.nsh"
!include "${PROGRAMS}"

!define PRODUCT "Экзамены сварщиков"
!define PUBLISHER "Varnel and Dostrik authors"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\WeldingExams"

Name "${PRODUCT} ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\WeldingExams"
InstallDirRegKey HKLM "Software\WeldingExams" "InstallDir"
BrandingText "${PRODUCT} ${VERSION}"

VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=1049 "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=1049 "FileDescription" "Установка программ Варнель, Дострик и examtool"
VIAddVersionKey /LANG=1049 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1049 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1049 "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=1049 "LegalCopyright" "MIT License, ${PUBLISHER}"

!define MUI_ABORTWARNING
!insertmacro MUI_PAGE_LICENSE "${STAGE}\LICENSE.txt"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "Russian"

Function .onInit
    SetRegView 64
    SetShellVarContext all
FunctionEnd

Function un.onInit
    SetRegView 64
    SetShellVarContext all
FunctionEnd

Section "Программы" SecPrograms
    SectionIn RO
    SetOutPath "$INSTDIR"
    !insertmacro InstallExamPrograms
    File "${STAGE}\examtool.exe"
    File "${STAGE}\README.md"
    File "${STAGE}\LICENSE.txt"

    CreateDirectory "$SMPROGRAMS\${PRODUCT}"
    !insertmacro ShortcutExamPrograms
    CreateShortcut "$SMPROGRAMS\${PRODUCT}\Удалить.lnk" "$INSTDIR\uninstall.exe"

    WriteUninstaller "$INSTDIR\uninstall.exe"
    WriteRegStr HKLM "Software\WeldingExams" "InstallDir" "$INSTDIR"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
    ; Varnel's icon stands for the whole suite in the list of installed programs.
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\varnel.exe"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
    WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section "Uninstall"
    !insertmacro UninstallExamPrograms
    Delete "$SMPROGRAMS\${PRODUCT}\Удалить.lnk"
    RMDir "$SMPROGRAMS\${PRODUCT}"

    Delete "$INSTDIR\examtool.exe"
    Delete "$INSTDIR\README.md"
    Delete "$INSTDIR\LICENSE.txt"
    Delete "$INSTDIR\uninstall.exe"
    RMDir "$INSTDIR"

    DeleteRegKey HKLM "${UNINSTALL_KEY}"
    DeleteRegKey HKLM "Software\WeldingExams"
SectionEnd
