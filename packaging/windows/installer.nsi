; The Windows installer: makensis /DVERSION=... /DPROGRAM=... /DLICENSE=... /DREADME=... /DAPP_ID=...
;   /DICON=... /DOUTFILE=...
; packaging/windows/make-packages supplies every define.
Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma

!include MUI2.nsh
!include FileFunc.nsh
!include LogicLib.nsh

!define NAME "Zorvan Calculator"
!define PUBLISHER "The Zorvan Calculator developers"
!define EXE "zorvan-calculator.exe"
!define UNINSTALLER "uninstall.exe"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\ZorvanCalculator"
!define SHORTCUT "$SMPROGRAMS\${NAME}.lnk"
; The program holds a mutex of this name for as long as it runs.
!define RUNNING_MUTEX "Global\${APP_ID}"
; While files change, the new ones wait in the first folder and the earlier ones
; in the second, both inside the install folder, so that a move is a rename.
!define STAGE "~setup-new"
!define ASIDE "~setup-old"

Name "${NAME}"
OutFile "${OUTFILE}"
; Per-machine: Program Files, the all-users Start menu and HKLM need an administrator.
RequestExecutionLevel admin
InstallDir "$PROGRAMFILES64\${NAME}"
; An upgrade goes where the earlier install is.
InstallDirRegKey HKLM "${UNINSTALL_KEY}" "InstallLocation"
ShowInstDetails show
ShowUninstDetails show
; A file that cannot be written stops the install; skipping it would leave half an install.
AllowSkipFiles off

VIProductVersion ${WINDOWS_VERSION}
VIFileVersion ${WINDOWS_VERSION}
VIAddVersionKey ProductName "${NAME}"
VIAddVersionKey ProductVersion "${VERSION}"
VIAddVersionKey FileVersion "${VERSION}"
VIAddVersionKey FileDescription "${NAME} ${VERSION} Setup"
VIAddVersionKey CompanyName "${PUBLISHER}"
VIAddVersionKey LegalCopyright "Copyright (c) 2026 ${PUBLISHER}"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_FINISHPAGE_RUN "$INSTDIR\${EXE}"
!define MUI_FINISHPAGE_RUN_NOTCHECKED

!insertmacro MUI_PAGE_LICENSE "${LICENSE}"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE English

; Every file any version has put in the install folder, and only these: a folder
; the user chose keeps anything else.
!macro FOR_EACH_FILE MACRO
    !insertmacro ${MACRO} "${EXE}"
    !insertmacro ${MACRO} "LICENSE.txt"
    !insertmacro ${MACRO} "README.txt"
    !insertmacro ${MACRO} "${UNINSTALLER}"
!macroend

; Asks until the program is closed; Cancel, or a silent run, stops with status 2.
!macro WAIT_FOR_CLOSE_FUNCTION UN STOPPING
Function ${UN}WaitForClose
    retry:
    ; A name that exists but may not be opened still means it runs.
    System::Call 'kernel32::OpenMutexW(i 0x00100000, i 0, w "${RUNNING_MUTEX}") p .r0 ?e'
    Pop $1
    ${If} $0 P<> 0
        System::Call 'kernel32::CloseHandle(p r0)'
    ${ElseIf} $1 = 2
        Return
    ${EndIf}
    MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION \
        "${NAME} is open. Close it, then choose Retry.$\r$\n$\r$\n${STOPPING}" /SD IDCANCEL IDRETRY retry
    SetErrorLevel 2
    Abort "${NAME} is open."
FunctionEnd
!macroend
!insertmacro WAIT_FOR_CLOSE_FUNCTION "" "Cancel stops the setup and changes nothing."
!insertmacro WAIT_FOR_CLOSE_FUNCTION "un." "Cancel stops the uninstall and removes nothing."

Var OldDir      ; the earlier install's folder, from its entry, or ""
Var OldVersion
Var OldSize
Var Created     ; the outermost folder this install made, or ""
Var Phase       ; 0 staging, 1 setting the earlier files aside, 2 moving the new ones in, 3 shortcut and entry
Var Failure     ; what stopped the install, as the user is told it
Var Lost        ; what could not be put back as it was

Function .onInit
    SetShellVarContext all
    SetRegView 64
    Call WaitForClose
FunctionEnd

; The entry Apps and features lists, for the install in $R0 of version $R1, $R2 KiB.
Function WriteEntry
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${NAME}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "$R1"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$R0\${EXE},0"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$R0"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$R0\${UNINSTALLER}"'
    WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$R0\${UNINSTALLER}" /S'
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" $R2
FunctionEnd

; $INSTDIR and any missing folder above it; the outermost one made goes in $Created.
Function MakeInstallFolder
    StrCpy $Created ""
    StrCpy $0 $INSTDIR
    ${Do}
        ${If} ${FileExists} "$0\*.*"
        ${OrIf} ${FileExists} "$0"
            ${ExitDo}
        ${EndIf}
        StrCpy $Created $0
        ${GetParent} $0 $0
    ${LoopUntil} $0 == ""
    CreateDirectory "$INSTDIR\${STAGE}"
    ${IfNot} ${FileExists} "$INSTDIR\${STAGE}\*.*"
        StrCpy $Failure "the folder $INSTDIR cannot be written"
    ${EndIf}
FunctionEnd

!macro UNSTAGE FILE
    Delete "$INSTDIR\${STAGE}\${FILE}"
!macroend

!macro SET_ASIDE_IN DIR FILE
    ${If} $Failure == ""
    ${AndIf} ${FileExists} "${DIR}\${FILE}"
        CreateDirectory "${DIR}\${ASIDE}"
        ; Left by an install that was cut short; the file it stood for is still in place.
        Delete "${DIR}\${ASIDE}\${FILE}"
        ClearErrors
        Rename "${DIR}\${FILE}" "${DIR}\${ASIDE}\${FILE}"
        ${If} ${Errors}
            StrCpy $Failure "${DIR}\${FILE} is in use or cannot be changed"
        ${EndIf}
    ${EndIf}
!macroend

!macro SET_ASIDE FILE
    !insertmacro SET_ASIDE_IN "$INSTDIR" "${FILE}"
    ${If} $OldDir != $INSTDIR
    ${AndIf} $OldDir != ""
        !insertmacro SET_ASIDE_IN "$OldDir" "${FILE}"
    ${EndIf}
!macroend

!macro MOVE_IN FILE
    ${If} $Failure == ""
        ClearErrors
        Rename "$INSTDIR\${STAGE}\${FILE}" "$INSTDIR\${FILE}"
        ${If} ${Errors}
            StrCpy $Failure "$INSTDIR\${FILE} cannot be written"
        ${EndIf}
    ${EndIf}
!macroend

; Reads the earlier install's entry and makes the folder the new files wait in.
Function Prepare
    StrCpy $Failure ""
    StrCpy $Lost ""
    StrCpy $Phase 0
    ReadRegStr $OldDir HKLM "${UNINSTALL_KEY}" "InstallLocation"
    ReadRegStr $OldVersion HKLM "${UNINSTALL_KEY}" "DisplayVersion"
    ReadRegDWORD $OldSize HKLM "${UNINSTALL_KEY}" "EstimatedSize"
    DetailPrint "Unpacking into $INSTDIR\${STAGE}"
    Call MakeInstallFolder
    !insertmacro FOR_EACH_FILE UNSTAGE
FunctionEnd

; Everything before the entry is written can be undone; it is the entry that makes the install.
Function Commit
    ; In KiB, as Apps and features shows it.
    ${GetSize} "$INSTDIR\${STAGE}" "/S=0K" $R2 $1 $2

    DetailPrint "Setting the earlier files aside"
    StrCpy $Phase 1
    !insertmacro FOR_EACH_FILE SET_ASIDE
    ${If} $Failure == ""
    ${AndIf} ${FileExists} "${SHORTCUT}"
        CreateDirectory "$INSTDIR\${ASIDE}"
        Delete "$INSTDIR\${ASIDE}\${NAME}.lnk"
        ClearErrors
        Rename "${SHORTCUT}" "$INSTDIR\${ASIDE}\${NAME}.lnk"
        ${If} ${Errors}
            StrCpy $Failure "the Start-menu shortcut cannot be changed"
        ${EndIf}
    ${EndIf}
    ${If} $Failure != ""
        Return
    ${EndIf}

    DetailPrint "Moving the new files in"
    StrCpy $Phase 2
    !insertmacro FOR_EACH_FILE MOVE_IN
    ${If} $Failure != ""
        Return
    ${EndIf}

    DetailPrint "Adding the shortcut and the entry in Apps"
    StrCpy $Phase 3
    ClearErrors
    CreateShortcut "${SHORTCUT}" "$INSTDIR\${EXE}" "" "$INSTDIR\${EXE}" 0
    ${If} ${Errors}
        StrCpy $Failure "the Start-menu shortcut cannot be made"
        Return
    ${EndIf}
    ClearErrors
    StrCpy $R0 $INSTDIR
    StrCpy $R1 "${VERSION}"
    IntFmt $R2 "0x%08X" $R2
    Call WriteEntry
    ${If} ${Errors}
        StrCpy $Failure "the entry in Apps cannot be written"
        Return
    ${EndIf}

    ; Done: what was set aside goes.
    StrCpy $Phase 0
    Call Tidy
FunctionEnd

!macro DISCARD_IN DIR FILE
    Delete /REBOOTOK "${DIR}\${ASIDE}\${FILE}"
!macroend

!macro DISCARD FILE
    !insertmacro DISCARD_IN "$INSTDIR" "${FILE}"
    ${If} $OldDir != $INSTDIR
    ${AndIf} $OldDir != ""
        !insertmacro DISCARD_IN "$OldDir" "${FILE}"
    ${EndIf}
!macroend

; After a whole install: the earlier files go, and the earlier folder once empty.
; A file still in use goes when Windows next starts.
Function Tidy
    !insertmacro FOR_EACH_FILE DISCARD
    Delete /REBOOTOK "$INSTDIR\${ASIDE}\${NAME}.lnk"
    RMDir "$INSTDIR\${STAGE}"
    RMDir /REBOOTOK "$INSTDIR\${ASIDE}"
    ${If} $OldDir != $INSTDIR
    ${AndIf} $OldDir != ""
        RMDir /REBOOTOK "$OldDir\${ASIDE}"
        RMDir /REBOOTOK "$OldDir"
    ${EndIf}
FunctionEnd

!macro TAKE_OUT FILE
    ; Moved in, so no longer staged: it is the new one.
    ${IfNot} ${FileExists} "$INSTDIR\${STAGE}\${FILE}"
    ${AndIf} ${FileExists} "$INSTDIR\${FILE}"
        ClearErrors
        Delete "$INSTDIR\${FILE}"
        ${If} ${Errors}
            StrCpy $Lost "$Lost $INSTDIR\${FILE}"
        ${EndIf}
    ${EndIf}
!macroend

!macro PUT_BACK_IN DIR FILE
    ${If} ${FileExists} "${DIR}\${ASIDE}\${FILE}"
        ClearErrors
        Rename "${DIR}\${ASIDE}\${FILE}" "${DIR}\${FILE}"
        ${If} ${Errors}
            StrCpy $Lost "$Lost ${DIR}\${FILE}"
        ${EndIf}
    ${EndIf}
!macroend

!macro PUT_BACK FILE
    !insertmacro PUT_BACK_IN "$INSTDIR" "${FILE}"
    ${If} $OldDir != $INSTDIR
    ${AndIf} $OldDir != ""
        !insertmacro PUT_BACK_IN "$OldDir" "${FILE}"
    ${EndIf}
!macroend

; Undoes what Install did, as far as it got, leaving the earlier install as it was.
Function Restore
    ${If} $Phase >= 3
        ${If} $OldVersion != ""
            ClearErrors
            StrCpy $R0 $OldDir
            StrCpy $R1 $OldVersion
            StrCpy $R2 $OldSize
            Call WriteEntry
            ${If} ${Errors}
                StrCpy $Lost "$Lost (the entry in Apps)"
            ${EndIf}
        ${Else}
            DeleteRegKey HKLM "${UNINSTALL_KEY}"
        ${EndIf}
        Delete "${SHORTCUT}"
    ${EndIf}
    ${If} $Phase >= 2
        !insertmacro FOR_EACH_FILE TAKE_OUT
    ${EndIf}
    ${If} $Phase >= 1
        !insertmacro FOR_EACH_FILE PUT_BACK
        ${If} ${FileExists} "$INSTDIR\${ASIDE}\${NAME}.lnk"
            ClearErrors
            Rename "$INSTDIR\${ASIDE}\${NAME}.lnk" "${SHORTCUT}"
            ${If} ${Errors}
                StrCpy $Lost "$Lost ${SHORTCUT}"
            ${EndIf}
        ${EndIf}
    ${EndIf}
    StrCpy $Phase 0
    !insertmacro FOR_EACH_FILE UNSTAGE
    RMDir "$INSTDIR\${STAGE}"
    ; Only when empty: what could not be put back stays there.
    RMDir "$INSTDIR\${ASIDE}"
    ${If} $OldDir != ""
        RMDir "$OldDir\${ASIDE}"
    ${EndIf}
    ${If} $Created != ""
        StrCpy $0 $INSTDIR
        ${Do}
            RMDir $0
            ${IfThen} $0 == $Created ${|} ${ExitDo} ${|}
            ${GetParent} $0 $0
        ${LoopUntil} $0 == ""
    ${EndIf}
FunctionEnd

Section "Install"
    retry:
    ; It may have been started while the pages were shown.
    Call WaitForClose
    Call Prepare
    ${If} $Failure == ""
        ; A file that cannot be written here brings NSIS's own Retry and Cancel box;
        ; Cancel fails the install, and .onInstFailed undoes it.
        File "/oname=$INSTDIR\${STAGE}\${EXE}" "${PROGRAM}"
        File "/oname=$INSTDIR\${STAGE}\LICENSE.txt" "${LICENSE}"
        File "/oname=$INSTDIR\${STAGE}\README.txt" "${README}"
        ClearErrors
        WriteUninstaller "$INSTDIR\${STAGE}\${UNINSTALLER}"
        ${If} ${Errors}
            StrCpy $Failure "the folder $INSTDIR cannot be written"
        ${Else}
            Call Commit
        ${EndIf}
    ${EndIf}
    ${If} $Failure != ""
        Call Restore
        DetailPrint "Not installed: $Failure"
        ${If} $Lost == ""
            MessageBox MB_RETRYCANCEL|MB_ICONSTOP \
                "${NAME} could not be installed: $Failure.$\r$\n$\r$\nNothing has been changed. Choose Retry to try again, or Cancel to stop the setup." \
                /SD IDCANCEL IDRETRY retry
        ${Else}
            MessageBox MB_OK|MB_ICONSTOP \
                "${NAME} could not be installed: $Failure.$\r$\n$\r$\nThese could not be put back as they were:$Lost. The earlier files are in the folder ${ASIDE}." \
                /SD IDOK
        ${EndIf}
        SetErrorLevel 2
        Abort "${NAME} could not be installed."
    ${EndIf}
SectionEnd

; Also after NSIS's own box for a file it could not write, answered Cancel.
Function .onInstFailed
    Call Restore
FunctionEnd

Function un.onInit
    SetShellVarContext all
    SetRegView 64
    Call un.WaitForClose
FunctionEnd

!macro UN_SET_ASIDE FILE
    ${If} $Failure == ""
    ${AndIf} ${FileExists} "$INSTDIR\${FILE}"
        CreateDirectory "$INSTDIR\${ASIDE}"
        Delete "$INSTDIR\${ASIDE}\${FILE}"
        ClearErrors
        Rename "$INSTDIR\${FILE}" "$INSTDIR\${ASIDE}\${FILE}"
        ${If} ${Errors}
            StrCpy $Failure "$INSTDIR\${FILE} is in use or cannot be removed"
        ${EndIf}
    ${EndIf}
!macroend

!macro UN_PUT_BACK FILE
    ${If} ${FileExists} "$INSTDIR\${ASIDE}\${FILE}"
        Rename "$INSTDIR\${ASIDE}\${FILE}" "$INSTDIR\${FILE}"
    ${EndIf}
!macroend

!macro UN_DISCARD FILE
    Delete /REBOOTOK "$INSTDIR\${ASIDE}\${FILE}"
!macroend

; Every file leaves its place first; only then do the shortcut and the entry go,
; so that an install that stays keeps the means to remove it.
Section "Uninstall"
    retry:
    Call un.WaitForClose
    StrCpy $Failure ""
    !insertmacro FOR_EACH_FILE UN_SET_ASIDE
    ${If} $Failure != ""
        !insertmacro FOR_EACH_FILE UN_PUT_BACK
        RMDir "$INSTDIR\${ASIDE}"
        DetailPrint "Not removed: $Failure"
        MessageBox MB_RETRYCANCEL|MB_ICONSTOP \
            "${NAME} could not be removed: $Failure.$\r$\n$\r$\nNothing has been removed. Choose Retry to try again, or Cancel to stop the uninstall." \
            /SD IDCANCEL IDRETRY retry
        SetErrorLevel 2
        Abort "${NAME} could not be removed."
    ${EndIf}
    Delete "${SHORTCUT}"
    DeleteRegKey HKLM "${UNINSTALL_KEY}"
    !insertmacro FOR_EACH_FILE UN_DISCARD
    RMDir "$INSTDIR\${ASIDE}"
    RMDir "$INSTDIR"
SectionEnd
