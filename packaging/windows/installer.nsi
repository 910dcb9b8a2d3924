; The Windows installer of the exam programs and examtool, in Russian, for 64-bit and 32-bit
; Windows. Built by tools/package-windows:
;   makensis -DVERSION=1.0.0 -DSTAGE_X64=folder -DSTAGE_X86=folder -DOUTFILE=setup.exe
;            -DPROGRAMS=programs.nsh installer.nsi
; STAGE_X64 holds the x86-64 build's NAME.exe of each program and examtool.exe, STAGE_X86 the
; 32-bit build's; both hold README.md and LICENSE.txt. PROGRAMS is the build's
; packaging/programs.nsh, the installer's lines for each program (file, shortcut).
; The installer itself is a 32-bit program, so that it starts on both kinds of Windows; on 64-bit
; Windows it installs the x86-64 programs into the 64-bit Program Files and registers them in the
; 64-bit registry view, on 32-bit Windows the 32-bit programs.

Unicode true
; tools/package-windows builds a copy with -DTARGET=amd64-unicode only to check the script under
; 64-bit Wine where no 32-bit program can run.
!ifndef TARGET
    !define TARGET x86-unicode
!endif
Target ${TARGET}
SetCompressor /SOLID lzma
RequestExecutionLevel admin

!include "MUI2.nsh"
!include "x64.nsh"
; ${If} ${RunningX64} without an ${Else} leaves one of LogicLib's labels unused, which makensis
; reports; nothing else here uses labels.
!pragma warning disable 6012
!include "${PROGRAMS}"

!define PRODUCT "Экзамены сварщиков"
!define PUBLISHER "Varnel and Dostrik authors"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\WeldingExams"
!define DEFAULT_DIR "$PROGRAMFILES64\WeldingExams"

; NSIS's Russian texts put the name after a noun in the genitive ("Установка $(^Name)",
; "Перед установкой $(^Name) ознакомьтесь…", "Подождите, идет копирование файлов $(^Name)…"), so
; the name is "программ «…»". The two texts that need another case are given below.
Name "программ «${PRODUCT}»"
OutFile "${OUTFILE}"
; $PROGRAMFILES64 is the 64-bit Program Files on 64-bit Windows and Program Files on 32-bit.
InstallDir "${DEFAULT_DIR}"
BrandingText "«${PRODUCT}» ${VERSION}"

VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=1049 "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=1049 "FileDescription" "Установка программ Варнель, Дострик и examtool"
VIAddVersionKey /LANG=1049 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1049 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1049 "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=1049 "LegalCopyright" "MIT License, ${PUBLISHER}"

!define MUI_ABORTWARNING
!insertmacro MUI_PAGE_LICENSE "${STAGE_X64}\LICENSE.txt"
!define MUI_DIRECTORYPAGE_TEXT_TOP "Программы «${PRODUCT}» будут установлены в указанную папку. Чтобы установить их в другую папку, нажмите кнопку «Обзор» и укажите ее. $_CLICK"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!define MUI_UNCONFIRMPAGE_TEXT_TOP "Программы «${PRODUCT}» будут удалены из вашего ПК. $_CLICK"
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "Russian"

; The registry view of the programs: the 64-bit one on 64-bit Windows.
!macro UseProgramsRegView
    ${If} ${RunningX64}
        SetRegView 64
    ${EndIf}
!macroend

Function .onInit
    !insertmacro UseProgramsRegView
    SetShellVarContext all
    ; An update goes where the last installation went, unless /D= named another folder.
    ReadRegStr $0 HKLM "Software\WeldingExams" "InstallDir"
    ${If} $0 != ""
    ${AndIf} $INSTDIR == "${DEFAULT_DIR}"
        StrCpy $INSTDIR $0
    ${EndIf}
FunctionEnd

Function un.onInit
    !insertmacro UseProgramsRegView
    SetShellVarContext all
FunctionEnd

Section "Программы" SecPrograms
    SectionIn RO
    SetOutPath "$INSTDIR"
    ${If} ${RunningX64}
        !insertmacro InstallExamPrograms "${STAGE_X64}"
        File "${STAGE_X64}\examtool.exe"
    ${Else}
        !insertmacro InstallExamPrograms "${STAGE_X86}"
        File "${STAGE_X86}\examtool.exe"
    ${EndIf}
    File "${STAGE_X64}\README.md"
    File "${STAGE_X64}\LICENSE.txt"

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
