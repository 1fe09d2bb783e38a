; The Windows installer of Vexa Tarnwick. Built by the CMake target
; "installer", which passes:
;   VERSION      the product version, for example 1.14
;   EXE_DIR      the folder holding the built Tarnwick.exe and sound.mp3
;   ICON         the application icon
;   OUTFILE      the installer to write
;   WELCOME_BITMAP  (optional) the 164 x 314 picture of the first and last page
;
; It installs for the current user (no administrator rights, into the user's
; programs folder) unless it runs elevated, when it installs for all users.
; /CurrentUser and /AllUsers choose explicitly; /S runs it without pages.
; The uninstaller takes /RemoveSettings to remove the user's settings too;
; without it (and unless the user says so when asked) they are kept.

; A 64-bit installer for a 64-bit program (and Wine without its 32-bit part
; runs it too).
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel user
ManifestDPIAware true

!include MUI2.nsh
!include LogicLib.nsh
!include FileFunc.nsh
!include x64.nsh
!include WinMessages.nsh

!define PRODUCT "Vexa Tarnwick"
!define PUBLISHER "Vexa"
!define EXE "Tarnwick.exe"
; The product key the program reads its settings and the "Silent" marker
; from, always below HKEY_CURRENT_USER.
!define PRODUCT_KEY "Software\Vexa\${PRODUCT}"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${PRODUCT}"
!define UNINSTALLER "Uninstall.exe"
!define NEEDS_ADMIN_TO_REMOVE "${PRODUCT} was installed for all users. Removing it needs administrator rights: start the uninstaller with Run as administrator."

Name "${PRODUCT}"
OutFile "${OUTFILE}"
BrandingText "${PRODUCT} ${VERSION}"

VIProductVersion "${VERSION}.0.0"
VIAddVersionKey /LANG=1033 "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=1033 "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=1033 "FileDescription" "${PRODUCT} Setup"
VIAddVersionKey /LANG=1033 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "LegalCopyright" "${PUBLISHER}"

; 1 when installing for all users.
Var AllUsers

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!ifdef WELCOME_BITMAP
    !define MUI_WELCOMEFINISHPAGE_BITMAP "${WELCOME_BITMAP}"
!endif
!define MUI_FINISHPAGE_RUN "$INSTDIR\${EXE}"
!define MUI_FINISHPAGE_RUN_TEXT "Start ${PRODUCT} now"
!define MUI_FINISHPAGE_RUN_NOTCHECKED

!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH

!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES

!insertmacro MUI_LANGUAGE "English"

; Chooses the shell folders and the registry root for the install mode.
!macro UseInstallMode
    ${If} $AllUsers == 1
        SetShellVarContext all
    ${Else}
        SetShellVarContext current
    ${EndIf}
!macroend

; A copy of the program started from $INSTDIR holds its executable open, so
; the file cannot be opened for writing while it runs. The copy is asked to
; close its window first; when it is still running, the user is asked to
; close it (Retry, Cancel), and in silent mode it is ended. Sets the error
; flag when a copy is still running at the end.
!macro DefineCloseRunning un
Function ${un}CloseRunning
    Push $0
    Push $1
    StrCpy $1 0
    ${Do}
        ${IfNot} ${FileExists} "$INSTDIR\${EXE}"
            ${Break}
        ${EndIf}
        ClearErrors
        FileOpen $0 "$INSTDIR\${EXE}" a
        ${IfNot} ${Errors}
            FileClose $0
            ${Break}
        ${EndIf}
        IntOp $1 $1 + 1
        ${If} $1 == 1
            FindWindow $0 "" "${PRODUCT}"
            ${If} $0 <> 0
                SendMessage $0 ${WM_CLOSE} 0 0 /TIMEOUT=3000
            ${EndIf}
            Sleep 1500
        ${ElseIf} ${Silent}
        ${AndIf} $1 < 5
            DetailPrint "Ending the running ${PRODUCT}"
            nsExec::Exec 'taskkill /F /IM "${EXE}"'
            Pop $0
            Sleep 1000
        ${ElseIf} ${Silent}
            SetErrors
            ${Break}
        ${Else}
            ${If} ${Cmd} `MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "${PRODUCT} is running. Close it, then choose Retry." IDCANCEL`
                SetErrors
                ${Break}
            ${EndIf}
        ${EndIf}
    ${Loop}
    Pop $1
    Pop $0
FunctionEnd
!macroend
!insertmacro DefineCloseRunning ""
!insertmacro DefineCloseRunning "un."

Function .onInit
    ${IfNot} ${RunningX64}
        MessageBox MB_ICONSTOP "${PRODUCT} needs a 64-bit Windows." /SD IDOK
        Abort
    ${EndIf}
    SetRegView 64
    ; Elevated (a member of the administrators in an elevated token): all
    ; users; otherwise the current user. The command line can choose.
    UserInfo::GetAccountType
    Pop $0
    ${If} $0 == "Admin"
        StrCpy $AllUsers 1
    ${Else}
        StrCpy $AllUsers 0
    ${EndIf}
    ${GetParameters} $1
    ClearErrors
    ${GetOptions} $1 "/CurrentUser" $2
    ${IfNot} ${Errors}
        StrCpy $AllUsers 0
    ${EndIf}
    ClearErrors
    ${GetOptions} $1 "/AllUsers" $2
    ${IfNot} ${Errors}
        ${If} $0 != "Admin"
            MessageBox MB_ICONSTOP "Installing for all users needs administrator rights." /SD IDOK
            Abort
        ${EndIf}
        StrCpy $AllUsers 1
    ${EndIf}
    !insertmacro UseInstallMode
    ; /D=folder sets $INSTDIR before this runs.
    ${If} $INSTDIR == ""
        ${If} $AllUsers == 1
            StrCpy $INSTDIR "$PROGRAMFILES64\${PRODUCT}"
        ${Else}
            StrCpy $INSTDIR "$LOCALAPPDATA\Programs\${PRODUCT}"
        ${EndIf}
    ${EndIf}
FunctionEnd

Section "Install"
    SetOutPath "$INSTDIR"
    Call CloseRunning
    ${If} ${Errors}
        DetailPrint "${PRODUCT} is still running."
        Abort "${PRODUCT} is still running; nothing was changed."
    ${EndIf}
    SetOverwrite on
    File "${EXE_DIR}\${EXE}"
    File "${EXE_DIR}\sound.mp3"
    WriteUninstaller "$INSTDIR\${UNINSTALLER}"

    CreateShortCut "$SMPROGRAMS\${PRODUCT}.lnk" "$INSTDIR\${EXE}" "" "$INSTDIR\${EXE}" 0 \
        SW_SHOWNORMAL "" "Count-down and alarm timer"

    ${If} $AllUsers == 1
        StrCpy $0 "/AllUsers"
    ${Else}
        StrCpy $0 "/CurrentUser"
    ${EndIf}
    ; SHCTX is HKLM for all users and HKCU for the current user.
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\${EXE},0"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\${UNINSTALLER}" $0'
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\${UNINSTALLER}" $0 /S'
    WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoRepair" 1
    ${GetSize} "$INSTDIR" "/S=0K" $1 $2 $3
    WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "EstimatedSize" $1

    ; The program opens its web page at the first start after an install and
    ; then resets this marker.
    WriteRegDWORD HKCU "${PRODUCT_KEY}" "Silent" 1
SectionEnd

Function un.onInit
    SetRegView 64
    ${GetParameters} $1
    ClearErrors
    ${GetOptions} $1 "/AllUsers" $2
    ${If} ${Errors}
        StrCpy $AllUsers 0
    ${Else}
        StrCpy $AllUsers 1
        ; Without the rights it would leave half of the install behind.
        UserInfo::GetAccountType
        Pop $0
        ${If} $0 != "Admin"
            MessageBox MB_ICONSTOP "${NEEDS_ADMIN_TO_REMOVE}" /SD IDOK
            Abort
        ${EndIf}
    ${EndIf}
    !insertmacro UseInstallMode
FunctionEnd

Section "Uninstall"
    Call un.CloseRunning
    ${If} ${Errors}
        Abort "${PRODUCT} is still running; close it and uninstall again."
    ${EndIf}
    Delete "$INSTDIR\${EXE}"
    Delete "$INSTDIR\sound.mp3"
    Delete "$INSTDIR\${UNINSTALLER}"
    RMDir "$INSTDIR"
    Delete "$SMPROGRAMS\${PRODUCT}.lnk"
    DeleteRegKey SHCTX "${UNINSTALL_KEY}"
    DeleteRegValue HKCU "${PRODUCT_KEY}" "Silent"

    ; The settings stay for a later install unless the user wants them gone.
    ${GetParameters} $1
    ClearErrors
    ${GetOptions} $1 "/RemoveSettings" $2
    ${IfNot} ${Errors}
        StrCpy $0 1
    ${Else}
        StrCpy $0 0
        ${If} ${Cmd} `MessageBox MB_YESNO|MB_DEFBUTTON2|MB_ICONQUESTION "Also remove your ${PRODUCT} settings (timers, alarm, window places)?" /SD IDNO IDYES`
            StrCpy $0 1
        ${EndIf}
    ${EndIf}
    ${If} $0 == 1
        DeleteRegKey HKCU "${PRODUCT_KEY}"
        DeleteRegKey /ifempty HKCU "Software\Vexa"
    ${Else}
        DeleteRegKey /ifempty HKCU "${PRODUCT_KEY}"
    ${EndIf}
SectionEnd
