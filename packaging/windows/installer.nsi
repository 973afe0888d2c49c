; The Windows installer of the calculator, built by build_installer.sh with
; makensis (NSIS 3) from the folder stage_program.sh fills. It installs
; without administrator rights for the current user (into
; %LOCALAPPDATA%\Programs), or for all users into Program Files when it runs
; elevated; /CurrentUser and /AllUsers choose on the command line, /S installs
; silently. It adds a Start-menu entry, the .velmor file type with its icon
; and "Open with", and the entry in "Apps & features", and its uninstaller
; removes exactly what it installed.
;
; build_installer.sh defines FILE_LISTS (the folder with install_files.nsh
; and uninstall_files.nsh, which name every staged file), ICON, LICENCE (the
; program's licence and the list of the libraries' ones, as the licence page
; shows them), WELCOME_BITMAP and OUTFILE, and puts the configured
; installer_defines.nsh on the include path.

Unicode true
; 64-bit stubs: the program is 64-bit only, and 64-bit Wine runs no 32-bit stub.
Target amd64-unicode
SetCompressor /SOLID lzma
ManifestDPIAware true

!include /CHARSET=UTF8 "installer_defines.nsh"

!define PROG_ID "VelmorCalculator.Figures"
!define FILE_EXTENSION ".velmor"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${APP_ID}"
!define UNINSTALLER "uninstall.exe"
!define SHORTCUT "$SMPROGRAMS\${PRODUCT_NAME}.lnk"

; The welcome page and the window titles name the version too.
Name "${PRODUCT_NAME} ${PRODUCT_VERSION}"
OutFile "${OUTFILE}"
BrandingText "${PRODUCT_NAME} ${PRODUCT_VERSION}"

; Where a previous installation went, and in which mode, is read back from
; its "Apps & features" entry.
!define MULTIUSER_EXECUTIONLEVEL Highest
!define MULTIUSER_MUI
!define MULTIUSER_INSTALLMODE_COMMANDLINE
!define MULTIUSER_USE_PROGRAMFILES64
!define MULTIUSER_INSTALLMODE_INSTDIR "${PRODUCT_KEY}"
!define MULTIUSER_INSTALLMODE_INSTDIR_REGISTRY_KEY "${UNINSTALL_KEY}"
!define MULTIUSER_INSTALLMODE_INSTDIR_REGISTRY_VALUENAME "InstallLocation"
!define MULTIUSER_INSTALLMODE_DEFAULT_REGISTRY_KEY "${UNINSTALL_KEY}"
!define MULTIUSER_INSTALLMODE_DEFAULT_REGISTRY_VALUENAME "InstallLocation"
!include MultiUser.nsh
!include MUI2.nsh
!include FileFunc.nsh
!include LogicLib.nsh

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_WELCOMEFINISHPAGE_BITMAP "${WELCOME_BITMAP}"
!define MUI_UNWELCOMEFINISHPAGE_BITMAP "${WELCOME_BITMAP}"
!define MUI_ABORTWARNING
!define MUI_FINISHPAGE_RUN "$INSTDIR\${PROGRAM_EXE}"

!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_LICENSE "${LICENCE}"
!insertmacro MULTIUSER_PAGE_INSTALLMODE
!insertmacro MUI_PAGE_DIRECTORY
; The Modern UI gives these pages the caption " ", which NSIS adds to the
; window's title: each sets its title whole, without the stray space.
!define MUI_PAGE_CUSTOMFUNCTION_SHOW SetupTitle
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!define MUI_PAGE_CUSTOMFUNCTION_SHOW un.UninstallTitle
!insertmacro MUI_UNPAGE_CONFIRM
!define MUI_PAGE_CUSTOMFUNCTION_SHOW un.UninstallTitle
!insertmacro MUI_UNPAGE_INSTFILES

Function SetupTitle
    SendMessage $HWNDPARENT ${WM_SETTEXT} 0 "STR:$(^SetupCaption)"
FunctionEnd
Function un.UninstallTitle
    SendMessage $HWNDPARENT ${WM_SETTEXT} 0 "STR:$(^UninstallCaption)"
FunctionEnd

; The program's languages; Windows' own chooses.
!insertmacro MUI_LANGUAGE "English"
!insertmacro MUI_LANGUAGE "German"
!insertmacro MUI_LANGUAGE "Spanish"
!insertmacro MUI_LANGUAGE "French"
!insertmacro MUI_LANGUAGE "PortugueseBR"
!insertmacro MUI_LANGUAGE "SimpChinese"

; Asked by the uninstaller; a silent one removes them unasked.
LangString REMOVE_SETTINGS ${LANG_ENGLISH} "Also remove your settings of ${PRODUCT_NAME} (the language chosen, the recent files) and any figures kept for recovery?"
LangString REMOVE_SETTINGS ${LANG_GERMAN} "Auch Ihre Einstellungen von ${PRODUCT_NAME} (die gewählte Sprache, die zuletzt geöffneten Dateien) und zur Wiederherstellung aufbewahrte Zahlen entfernen?"
LangString REMOVE_SETTINGS ${LANG_SPANISH} "¿Eliminar también su configuración de ${PRODUCT_NAME} (el idioma elegido, los archivos recientes) y los datos guardados para su recuperación?"
LangString REMOVE_SETTINGS ${LANG_FRENCH} "Supprimer aussi vos réglages de ${PRODUCT_NAME} (la langue choisie, les fichiers récents) et les données conservées pour la récupération ?"
LangString REMOVE_SETTINGS ${LANG_PORTUGUESEBR} "Remover também suas configurações do ${PRODUCT_NAME} (o idioma escolhido, os arquivos recentes) e os dados guardados para recuperação?"
LangString REMOVE_SETTINGS ${LANG_SIMPCHINESE} "同时删除您的 ${PRODUCT_NAME} 设置（所选语言、最近使用的文件）以及为恢复而保留的数据吗？"

VIProductVersion "${PRODUCT_FILE_VERSION}"
VIFileVersion "${PRODUCT_FILE_VERSION}"
VIAddVersionKey /LANG=0 "ProductName" "${PRODUCT_NAME}"
VIAddVersionKey /LANG=0 "CompanyName" "${COMPANY_NAME}"
VIAddVersionKey /LANG=0 "LegalCopyright" "${COPYRIGHT}"
VIAddVersionKey /LANG=0 "FileDescription" "${PRODUCT_NAME} Setup"
VIAddVersionKey /LANG=0 "FileVersion" "${PRODUCT_VERSION}"
VIAddVersionKey /LANG=0 "ProductVersion" "${PRODUCT_VERSION}"

; A folder given with /D= wins over the mode's default one, which MultiUser
; would put in its place. Without /D= $INSTDIR is empty here: there is no
; InstallDir.
Function .onInit
    StrCpy $R0 $INSTDIR
    !insertmacro MULTIUSER_INIT
    ${If} $R0 != ""
        StrCpy $INSTDIR $R0
    ${EndIf}
FunctionEnd

; The uninstaller works in the mode of the installation it belongs to: the
; one whose entry names its folder. MultiUser alone would take the all-users
; one whenever it may, even when run from a per-user installation.
; An uninstaller that no entry names removes its folder's files only.
Var OwnFolder
Var RegisteredHere
Function un.onInit
    StrCpy $OwnFolder $INSTDIR
    !insertmacro MULTIUSER_UNINIT
    ReadRegStr $0 HKCU "${UNINSTALL_KEY}" "InstallLocation"
    ReadRegStr $1 HKLM "${UNINSTALL_KEY}" "InstallLocation"
    StrCpy $RegisteredHere "yes"
    ${If} $0 == $OwnFolder
        Call un.MultiUser.InstallMode.CurrentUser
    ${ElseIf} $1 == $OwnFolder
        Call un.MultiUser.InstallMode.AllUsers
    ${Else}
        StrCpy $RegisteredHere "no"
    ${EndIf}
    StrCpy $INSTDIR $OwnFolder
FunctionEnd

Section "Install"
    SetOutPath "$INSTDIR"
    !include "${FILE_LISTS}\install_files.nsh"
    WriteUninstaller "$INSTDIR\${UNINSTALLER}"

    SetOutPath "$INSTDIR"
    CreateShortCut "${SHORTCUT}" "$INSTDIR\${PROGRAM_EXE}" "" "$INSTDIR\${PROGRAM_EXE}" 0

    ; The facility files' type: its name and icon in Explorer, opening with
    ; the program, and the program in the type's "Open with" list. An
    ; extension another program already owns is left to it.
    WriteRegStr SHCTX "Software\Classes\${PROG_ID}" "" "Velmor facility figures"
    WriteRegStr SHCTX "Software\Classes\${PROG_ID}\DefaultIcon" "" '"$INSTDIR\${PROGRAM_EXE}",0'
    WriteRegStr SHCTX "Software\Classes\${PROG_ID}\shell\open\command" "" '"$INSTDIR\${PROGRAM_EXE}" "%1"'
    ReadRegStr $0 SHCTX "Software\Classes\${FILE_EXTENSION}" ""
    ${If} $0 == ""
        WriteRegStr SHCTX "Software\Classes\${FILE_EXTENSION}" "" "${PROG_ID}"
        WriteRegStr SHCTX "Software\Classes\${FILE_EXTENSION}" "Content Type" "application/x-velmor-figures"
    ${EndIf}
    WriteRegStr SHCTX "Software\Classes\${FILE_EXTENSION}\OpenWithProgids" "${PROG_ID}" ""
    WriteRegStr SHCTX "Software\Classes\Applications\${PROGRAM_EXE}" "FriendlyAppName" "${PRODUCT_NAME}"
    WriteRegStr SHCTX "Software\Classes\Applications\${PROGRAM_EXE}\DefaultIcon" "" '"$INSTDIR\${PROGRAM_EXE}",0'
    WriteRegStr SHCTX "Software\Classes\Applications\${PROGRAM_EXE}\SupportedTypes" "${FILE_EXTENSION}" ""
    WriteRegStr SHCTX "Software\Classes\Applications\${PROGRAM_EXE}\shell\open\command" "" '"$INSTDIR\${PROGRAM_EXE}" "%1"'

    ; "Apps & features"; the uninstall commands name the mode so that it
    ; removes this installation's keys.
    ${If} $MultiUser.InstallMode == "AllUsers"
        StrCpy $1 "/AllUsers"
    ${Else}
        StrCpy $1 "/CurrentUser"
    ${EndIf}
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT_NAME}"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayVersion" "${PRODUCT_VERSION}"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "Publisher" "${COMPANY_NAME}"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayIcon" '"$INSTDIR\${PROGRAM_EXE}",0'
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\${UNINSTALLER}" $1'
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\${UNINSTALLER}" $1 /S'
    WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoRepair" 1
    ${GetSize} "$INSTDIR" "/S=0K" $0 $2 $3
    IntFmt $0 "0x%08X" $0
    WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "EstimatedSize" "$0"

    ; SHCNE_ASSOCCHANGED: Explorer shows the new type's icon at once.
    System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'
SectionEnd

; What the program keeps for the user who uninstalls: its lettered pictures'
; cache always goes; its settings (HKCU\Software\<maker>\<product>) and its
; figures kept for recovery (in %LOCALAPPDATA%\<maker>\<product>) go when the
; user agrees, and always in a silent uninstall. Other users' stay: they are
; out of reach.
Function un.RemoveUserState
    SetShellVarContext current
    !define USER_STATE "$LOCALAPPDATA\${MAKER_KEY}\${PRODUCT_KEY}"
    RMDir /r "${USER_STATE}\cache"
    MessageBox MB_YESNO|MB_ICONQUESTION "$(REMOVE_SETTINGS)" /SD IDYES IDNO kept
        DeleteRegKey HKCU "Software\${MAKER_KEY}\${PRODUCT_KEY}"
        DeleteRegKey /ifempty HKCU "Software\${MAKER_KEY}"
        RMDir /r "${USER_STATE}"
    kept:
    RMDir "${USER_STATE}"
    RMDir "$LOCALAPPDATA\${MAKER_KEY}"
    ${If} $MultiUser.InstallMode == "AllUsers"
        SetShellVarContext all
    ${EndIf}
FunctionEnd

Section "Uninstall"
    !include "${FILE_LISTS}\uninstall_files.nsh"
    Delete "$INSTDIR\${UNINSTALLER}"
    ; Only the folders the installer made, and only if empty: what the user
    ; put there stays.
    RMDir "$INSTDIR"
    ${If} $RegisteredHere != "yes"
        Return
    ${EndIf}
    Call un.RemoveUserState
    Delete "${SHORTCUT}"

    DeleteRegKey SHCTX "Software\Classes\${PROG_ID}"
    DeleteRegKey SHCTX "Software\Classes\Applications\${PROGRAM_EXE}"
    DeleteRegValue SHCTX "Software\Classes\${FILE_EXTENSION}\OpenWithProgids" "${PROG_ID}"
    DeleteRegKey /ifempty SHCTX "Software\Classes\${FILE_EXTENSION}\OpenWithProgids"
    ReadRegStr $0 SHCTX "Software\Classes\${FILE_EXTENSION}" ""
    ${If} $0 == "${PROG_ID}"
        DeleteRegValue SHCTX "Software\Classes\${FILE_EXTENSION}" ""
        DeleteRegValue SHCTX "Software\Classes\${FILE_EXTENSION}" "Content Type"
    ${EndIf}
    DeleteRegKey /ifempty SHCTX "Software\Classes\${FILE_EXTENSION}"
    DeleteRegKey SHCTX "${UNINSTALL_KEY}"

    System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'
SectionEnd
