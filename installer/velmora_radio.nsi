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

; A running player holds its files open. Its main window closes on WM_CLOSE
; like any other; setup then waits for the process itself to end, since the
; files stay open until it has, but not for ever: a player that hangs is
; handled by the retries of InstallFile below.
!define PLAYER_EXIT_WAIT_MS 10000
!define SYNCHRONIZE 0x00100000
!macro ClosePlayer
    FindWindow $0 "#32770" "${PLAYER_TITLE}"
    ${If} $0 != 0
        System::Call 'user32::GetWindowThreadProcessId(p r0, *i 0 r1)'
        System::Call 'kernel32::OpenProcess(i ${SYNCHRONIZE}, i 0, i r1) p .r2'
        System::Call "user32::PostMessage(p r0, i ${WM_CLOSE}, p 0, p 0)"
        ${If} $2 P<> 0
            System::Call 'kernel32::WaitForSingleObject(p r2, i ${PLAYER_EXIT_WAIT_MS})'
            System::Call 'kernel32::CloseHandle(p r2)'
        ${EndIf}
    ${EndIf}
!macroend

; Puts one of the product's files in place. A file still in use (a player
; that has not ended yet, a library another program has loaded) is tried
; again for a few seconds; one held longer, such as the toolbar library a
; browser keeps loaded until it ends, is written beside its place and takes
; that place at the next restart. Either way no old file stays behind under
; the new version number.
!define FILE_IN_USE_ATTEMPTS 10
!define FILE_IN_USE_WAIT_MS 500
!macro InstallFile SOURCE TARGET
    SetOverwrite try
    StrCpy $R0 0
    ${Do}
        ClearErrors
        File "/oname=${TARGET}" "${SOURCE}"
        ${IfNot} ${Errors}
            ${Break}
        ${EndIf}
        IntOp $R0 $R0 + 1
        ${If} $R0 >= ${FILE_IN_USE_ATTEMPTS}
            GetTempFileName $R1 "$INSTDIR"
            File "/oname=$R1" "${SOURCE}"
            Rename /REBOOTOK "$R1" "${TARGET}"
            DetailPrint "${TARGET} is in use: it is replaced when Windows restarts"
            ${Break}
        ${EndIf}
        Sleep ${FILE_IN_USE_WAIT_MS}
    ${Loop}
    SetOverwrite on
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

; The Users group, under every language's name for it.
!define USERS "*S-1-5-32-545"

; Lets the Users group change the file or folder; for a folder, also what
; comes to be in it.
!macro LetUsersModify PATH RIGHTS
    nsExec::ExecToLog '"$SYSDIR\icacls.exe" "${PATH}" /grant:r ${USERS}:${RIGHTS} /Q'
    Pop $0
    ${If} $0 != 0
        DetailPrint "Could not let every user change ${PATH} ($0)"
    ${EndIf}
!macroend

; Made empty when missing, since only an administrator can make a file here.
!macro UsersDataFile NAME
    ${IfNot} ${FileExists} "$INSTDIR\${NAME}"
        FileOpen $0 "$INSTDIR\${NAME}" w
        FileClose $0
    ${EndIf}
    !insertmacro LetUsersModify "$INSTDIR\${NAME}" "M"
!macroend

; The player keeps its data beside itself, so everyone who runs it may change
; its data files and write in "Flags" and "Saving" (where new versions of the
; files are written before they take their places), and nothing else: a user
; who could add a file to the program folder could add a library that the
; player, the browser or the uninstaller would load for whoever runs it
; next. Wine keeps no access lists (its icacls does nothing), so none of
; these grants can be seen in the tests, which run there.
Function LetUsersWriteData
    ; Older setups let the Users group change the whole folder.
    nsExec::ExecToLog '"$SYSDIR\icacls.exe" "$INSTDIR" /remove:g ${USERS} /Q'
    Pop $0
    !insertmacro UsersDataFile "radio_pal_stations.xml"
    !insertmacro UsersDataFile "links.xml"
    !insertmacro UsersDataFile "favorites.xml"
    !insertmacro UsersDataFile "queued.xml"
    !insertmacro UsersDataFile "Marquel.xml"
    CreateDirectory "$INSTDIR\Flags"
    !insertmacro LetUsersModify "$INSTDIR\Flags" "(OI)(CI)M"
    CreateDirectory "$INSTDIR\Saving"
    !insertmacro LetUsersModify "$INSTDIR\Saving" "(OI)(CI)M"
FunctionEnd

; A file left for the restart is new only then: the user is asked to
; restart, and a silent caller learns it from the exit code Windows installers
; give for it (ERROR_SUCCESS_REBOOT_REQUIRED).
Function .onInstSuccess
    ${If} ${RebootFlag}
        SetErrorLevel 3010
        MessageBox MB_YESNO|MB_ICONQUESTION "Some files were in use and are replaced when Windows restarts. Restart now?" /SD IDNO IDNO +2
        Reboot
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
    CreateDirectory "$INSTDIR\HTML"
    !insertmacro InstallFile "${PLAYER_EXE}" "$INSTDIR\VelmoraRadio.exe"
    !insertmacro InstallFile "${MARQUEL_DLL}" "$INSTDIR\Marquel.dll"
    !insertmacro InstallFile "${PLINDEN_DLL}" "$INSTDIR\Plinden.dll"
    !insertmacro InstallFile "${BANNER_HTML}" "$INSTDIR\HTML\banner.html"
    WriteUninstaller "$INSTDIR\${UNINSTALLER}"

    Call LetUsersWriteData

    ; A library left for the restart is registered from the old file, at the
    ; same place and with the same classes, which is all the registration holds.
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

; Setup made queued.xml empty: while it still is, it holds nothing of the
; user's.
Function un.DeleteUnusedQueue
    ClearErrors
    FileOpen $0 "$INSTDIR\queued.xml" r
    ${IfNot} ${Errors}
        FileSeek $0 0 END $1
        FileClose $0
        ${If} $1 == 0
            Delete "$INSTDIR\queued.xml"
        ${EndIf}
    ${EndIf}
FunctionEnd

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
    Call un.DeleteUnusedQueue
    ; Only when empty: what the user keeps (queued.xml) keeps the folder.
    RMDir "$INSTDIR"

    Delete "${SHORTCUT}"
    DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
