; The Velmora Radio installer: the player, both COM servers and the local
; banner page in one folder, registered and announced to Windows.
;
; makensis is given, with -D:
;   VERSION        the product version, "3.1.0"
;   VERSION_QUAD   the same as four numbers, "3.1.0.0"
;   PLAYER_EXE     VelmoraRadio.exe
;   MARQUEL_DLL    Marquel.dll
;   PLINDEN_DLL    Plinden.dll
;   BANNER_HTML    HTML\banner.html
;   OUTFILE        the setup program to write
;
; Both /S (silent) and /D=folder work as usual, for the installer and for
; the uninstaller.

Unicode true
; The deliverables are 64-bit: a 64-bit installer registers them in-process
; and sees the same registry and Program Files as they do.
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel admin

!include "LogicLib.nsh"
!include "WinMessages.nsh"

!define PRODUCT_NAME "Velmora Radio"
!define PLAYER_TITLE "VelmoraRadio"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\VelmoraRadio"
!define UNINSTALLER "Uninstall.exe"
!define SHORTCUT "$SMPROGRAMS\${PRODUCT_NAME}.lnk"

Name "${PRODUCT_NAME} ${VERSION}"
OutFile "${OUTFILE}"
; The folder the toolbar button falls back on when the player's own record
; of its folder is missing.
InstallDir "$PROGRAMFILES64\VelmoraRadio 3.01 UK"
InstallDirRegKey HKLM "${UNINSTALL_KEY}" "InstallLocation"
ShowInstDetails show
ShowUninstDetails show

VIProductVersion "${VERSION_QUAD}"
VIAddVersionKey "ProductName" "${PRODUCT_NAME}"
VIAddVersionKey "CompanyName" "Tarnel Net"
VIAddVersionKey "FileDescription" "${PRODUCT_NAME} Setup"
VIAddVersionKey "FileVersion" "${VERSION}"
VIAddVersionKey "ProductVersion" "${VERSION}"
VIAddVersionKey "LegalCopyright" "Copyright (C) Tarnel Net"

Page directory
Page instfiles
UninstPage uninstConfirm
UninstPage instfiles

; A running player holds its files open; its main window closes on WM_CLOSE
; like any other, and SendMessage returns once it has handled it.
!macro ClosePlayer
    FindWindow $0 "#32770" "${PLAYER_TITLE}"
    ${If} $0 != 0
        SendMessage $0 ${WM_CLOSE} 0 0
        Sleep 1000
    ${EndIf}
!macroend

Function .onInit
    SetRegView 64
    SetShellVarContext all
FunctionEnd

; The player takes "-pc" or "-cleanup" anywhere in its command line, which
; begins with its own path, as an order: from a folder whose name holds one
; it would never open its window. Sets the error flag for such a folder.
Function CheckInstallFolder
    ClearErrors
    Push "-pc"
    Call FindInInstallFolder
    Push "-cleanup"
    Call FindInInstallFolder
FunctionEnd

; Sets the error flag when $INSTDIR holds the text on the stack, compared
; exactly as the player compares it.
Function FindInInstallFolder
    Exch $0
    Push $1
    Push $2
    Push $3
    StrLen $1 $0
    StrCpy $2 0
    ${Do}
        StrCpy $3 $INSTDIR $1 $2
        ${If} $3 == ""
            ${Break}
        ${EndIf}
        ${If} $3 S== $0
            SetErrors
            ${Break}
        ${EndIf}
        IntOp $2 $2 + 1
    ${Loop}
    Pop $3
    Pop $2
    Pop $1
    Pop $0
FunctionEnd

Function .onVerifyInstDir
    Call CheckInstallFolder
    ${If} ${Errors}
        Abort
    ${EndIf}
FunctionEnd

Function un.onInit
    SetRegView 64
    SetShellVarContext all
FunctionEnd

Section "Velmora Radio" SectionPlayer
    SectionIn RO
    ; A silent install never shows the folder page, so check again here.
    Call CheckInstallFolder
    ${If} ${Errors}
        MessageBox MB_ICONSTOP 'Velmora Radio cannot run from a folder whose name contains "-pc" or "-cleanup".' /SD IDOK
        Abort "Unsuitable folder: $INSTDIR"
    ${EndIf}
    !insertmacro ClosePlayer

    SetOutPath "$INSTDIR"
    File "${PLAYER_EXE}"
    File "${MARQUEL_DLL}"
    File "${PLINDEN_DLL}"
    SetOutPath "$INSTDIR\HTML"
    File "${BANNER_HTML}"
    SetOutPath "$INSTDIR"
    WriteUninstaller "$INSTDIR\${UNINSTALLER}"

    ; The player keeps its station directory, favourites and queue beside
    ; itself, so everyone who runs it must be able to write here. S-1-5-32-545
    ; is the Users group under every language's name for it.
    nsExec::ExecToLog '"$SYSDIR\icacls.exe" "$INSTDIR" /grant *S-1-5-32-545:(OI)(CI)M /Q'
    Pop $0
    ${If} $0 != 0
        DetailPrint "Could not let every user write to $INSTDIR ($0)"
    ${EndIf}

    ClearErrors
    RegDLL "$INSTDIR\Marquel.dll"
    RegDLL "$INSTDIR\Plinden.dll"
    ${If} ${Errors}
        MessageBox MB_ICONSTOP "The ticker and toolbar button libraries could not be registered." /SD IDOK
        Abort "Registration failed"
    ${EndIf}

    ; "-pc" records the player's folder and adds the browser's toolbar button.
    ExecWait '"$INSTDIR\VelmoraRadio.exe" -pc'

    CreateShortcut "${SHORTCUT}" "$INSTDIR\VelmoraRadio.exe"

    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT_NAME}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "Tarnel Net"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\VelmoraRadio.exe"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\${UNINSTALLER}"'
    WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\${UNINSTALLER}" /S'
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
    SectionGetSize ${SectionPlayer} $0
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

Section "Uninstall"
    !insertmacro ClosePlayer

    ; "-cleanup" removes the downloaded data, the flags and the settings, and
    ; leaves the queue of scheduled recordings and the recordings themselves.
    ExecWait '"$INSTDIR\VelmoraRadio.exe" -cleanup'

    ; Plinden's unregistration also removes the toolbar button "-pc" added.
    UnRegDLL "$INSTDIR\Plinden.dll"
    UnRegDLL "$INSTDIR\Marquel.dll"

    Delete "$INSTDIR\VelmoraRadio.exe"
    ; A browser may still hold the toolbar library: it goes at the next start.
    Delete /REBOOTOK "$INSTDIR\Plinden.dll"
    Delete /REBOOTOK "$INSTDIR\Marquel.dll"
    Delete "$INSTDIR\HTML\banner.html"
    RMDir "$INSTDIR\HTML"
    Delete "$INSTDIR\${UNINSTALLER}"
    ; Only when empty: what the user keeps (queued.xml) keeps the folder.
    RMDir "$INSTDIR"

    Delete "${SHORTCUT}"
    DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
