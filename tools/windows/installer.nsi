; SPDX-License-Identifier: GPL-3.0-or-later
; The setup program, Cardisto-<version>-setup.exe, made by tools/windows/installer.sh.
;
; Installs for the current user, without administrator rights, under %LOCALAPPDATA%\Programs\Cardisto;
; with /ALLUSERS, as administrator, for every user under Program Files. /S installs without a window;
; /D=FOLDER, last on the command line, chooses another folder. It adds a Start-menu shortcut, offers
; Cardisto in "Open with" for .vcf files (the default program stays as it is) and registers the
; uninstaller under Apps & features in the hive it installed to.
;
; The uninstaller removes every file and key the setup program added. The user's settings stay
; unless the box on its second page is ticked or /REMOVESETTINGS is given (with /S for a silent one).
;
; makensis -DCARDISTO_FACTS=installer-facts.nsh -DCARDISTO_FILES=installer-files.nsh
;          -DCARDISTO_OUTFILE=Cardisto-<version>-setup.exe installer.nsi
Target amd64-unicode
!include "${CARDISTO_FACTS}"
!include "${CARDISTO_FILES}"
!include MUI2.nsh
!include LogicLib.nsh
!include FileFunc.nsh
!include Sections.nsh

!define UNINSTALL_PARENT "Software\Microsoft\Windows\CurrentVersion\Uninstall"
!define UNINSTALL_KEY "${UNINSTALL_PARENT}\Cardisto"
!define CLASSES "Software\Classes"
!define PROG_ID "Cardisto.vcf"
!define SETTINGS_PARENT "Software\${CARDISTO_PUBLISHER}"
!define SETTINGS_KEY "${SETTINGS_PARENT}\Cardisto"
!define COMMAND '"$INSTDIR\cardisto.exe" "%1"'

Name "Cardisto"
OutFile "${CARDISTO_OUTFILE}"
RequestExecutionLevel user
ManifestDPIAware true
SetCompressor /SOLID lzma
BrandingText "Cardisto ${CARDISTO_VERSION}"

!define MUI_ICON "${CARDISTO_ICON}"
!define MUI_UNICON "${CARDISTO_ICON}"
!define MUI_FINISHPAGE_RUN "$INSTDIR\cardisto.exe"
!define MUI_FINISHPAGE_RUN_TEXT "Start Cardisto"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!define MUI_COMPONENTSPAGE_TEXT_TOP "Cardisto will be removed. Tick the box to remove your settings as well: the options and texts its windows remember."
!define MUI_COMPONENTSPAGE_NODESC
!insertmacro MUI_UNPAGE_COMPONENTS
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

VIProductVersion "${CARDISTO_VERSION_QUAD}"
VIFileVersion "${CARDISTO_VERSION_QUAD}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "ProductName" "Cardisto"
VIAddVersionKey /LANG=${LANG_ENGLISH} "ProductVersion" "${CARDISTO_VERSION}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "FileVersion" "${CARDISTO_VERSION}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "FileDescription" "Cardisto setup"
VIAddVersionKey /LANG=${LANG_ENGLISH} "CompanyName" "${CARDISTO_PUBLISHER}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "LegalCopyright" "${CARDISTO_COPYRIGHT}. Licence: ${CARDISTO_LICENCE}"

; Without administrator rights, starts this program again with them (Windows asks the user) and
; ends this copy; declined, it says why and ends. The uninstaller of a copy for all users needs them
; too, and Apps & features starts it without.
!macro RunAsAdministrator UN WHY
    UserInfo::GetAccountType
    Pop $R9
    ${If} $R9 != "Admin"
        ${${UN}GetParameters} $R8
        ClearErrors
        ExecShell "runas" "$EXEPATH" "$R8"
        ${If} ${Errors}
            MessageBox MB_ICONSTOP "${WHY}" /SD IDOK
            SetErrorLevel 5 ; ERROR_ACCESS_DENIED
        ${EndIf}
        Quit
    ${EndIf}
!macroend

; Tells Explorer that the programs offered for a file type changed.
!macro NotifyAssociationsChanged
    System::Call "shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)" ; SHCNE_ASSOCCHANGED
!macroend

Function .onInit
    ${GetParameters} $0
    ClearErrors
    ${GetOptions} $0 "/ALLUSERS" $1
    ${If} ${Errors}
        SetShellVarContext current
        ${If} $INSTDIR == ""
            StrCpy $INSTDIR "$LOCALAPPDATA\Programs\Cardisto"
        ${EndIf}
    ${Else}
        !insertmacro RunAsAdministrator "" "Installing Cardisto for all users needs administrator rights."
        SetShellVarContext all
        ${If} $INSTDIR == ""
            StrCpy $INSTDIR "$PROGRAMFILES64\Cardisto"
        ${EndIf}
    ${EndIf}
FunctionEnd

Section "-Cardisto"
    ; A copy installed before in this hive leaves first, so that no file of another version stays
    ; behind for the uninstaller to miss. Settings stay.
    ReadRegStr $0 SHCTX "${UNINSTALL_KEY}" "InstallLocation"
    ${If} $0 != ""
    ${AndIf} ${FileExists} "$0\uninstall.exe"
        ExecWait '"$0\uninstall.exe" /S _?=$0'
        Delete "$0\uninstall.exe"
        RMDir "$0"
    ${EndIf}

    SetOutPath "$INSTDIR"
    !insertmacro CardistoInstallFiles
    SetOutPath "$INSTDIR"
    WriteUninstaller "$INSTDIR\uninstall.exe"
    CreateShortcut "$SMPROGRAMS\Cardisto.lnk" "$INSTDIR\cardisto.exe"

    ; "Open with" for .vcf files; the type's default program is not touched.
    WriteRegStr SHCTX "${CLASSES}\${PROG_ID}" "" "vCard file"
    WriteRegStr SHCTX "${CLASSES}\${PROG_ID}\DefaultIcon" "" "$INSTDIR\cardisto.exe,0"
    WriteRegStr SHCTX "${CLASSES}\${PROG_ID}\shell\open\command" "" '${COMMAND}'
    WriteRegNone SHCTX "${CLASSES}\.vcf\OpenWithProgids" "${PROG_ID}"
    WriteRegStr SHCTX "${CLASSES}\Applications\cardisto.exe" "FriendlyAppName" "Cardisto"
    WriteRegStr SHCTX "${CLASSES}\Applications\cardisto.exe\shell\open\command" "" '${COMMAND}'
    WriteRegStr SHCTX "${CLASSES}\Applications\cardisto.exe\SupportedTypes" ".vcf" ""

    ; Apps & features
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayName" "Cardisto"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayVersion" "${CARDISTO_VERSION}"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "Publisher" "${CARDISTO_PUBLISHER}"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\cardisto.exe,0"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
    WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoRepair" 1
    !if "${CARDISTO_WEBSITE}" != ""
        WriteRegStr SHCTX "${UNINSTALL_KEY}" "URLInfoAbout" "${CARDISTO_WEBSITE}"
    !endif
    ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
    WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "EstimatedSize" $0 ; in KB
    !insertmacro NotifyAssociationsChanged
SectionEnd

Section "-un.Cardisto"
    !insertmacro CardistoRemoveFiles
    Delete "$INSTDIR\uninstall.exe"
    RMDir "$INSTDIR"
    RMDir "$LOCALAPPDATA\Programs" ; made for a first program installed for the user, when left empty
    Delete "$SMPROGRAMS\Cardisto.lnk"
    DeleteRegKey SHCTX "${CLASSES}\${PROG_ID}"
    DeleteRegValue SHCTX "${CLASSES}\.vcf\OpenWithProgids" "${PROG_ID}"
    ; The type's keys go only when nothing else is left in them.
    DeleteRegKey /ifempty SHCTX "${CLASSES}\.vcf\OpenWithProgids"
    DeleteRegKey /ifempty SHCTX "${CLASSES}\.vcf"
    DeleteRegKey SHCTX "${CLASSES}\Applications\cardisto.exe"
    DeleteRegKey SHCTX "${UNINSTALL_KEY}"
    ; Their parents too, should they be left empty (a user's hive may have had neither).
    DeleteRegKey /ifempty SHCTX "${CLASSES}\Applications"
    DeleteRegKey /ifempty SHCTX "${UNINSTALL_PARENT}"
    !insertmacro NotifyAssociationsChanged
SectionEnd

Section /o "un.Your Cardisto settings" SettingsSection
    DeleteRegKey HKCU "${SETTINGS_KEY}"
    DeleteRegKey /ifempty HKCU "${SETTINGS_PARENT}"
SectionEnd

Function un.onInit
    ; Installed for all users when the machine's Apps & features entry names this folder.
    ReadRegStr $0 HKLM "${UNINSTALL_KEY}" "InstallLocation"
    ${If} $0 == $INSTDIR
        !insertmacro RunAsAdministrator "un." "Cardisto was installed for all users: removing it needs administrator rights."
        SetShellVarContext all
    ${Else}
        SetShellVarContext current
    ${EndIf}
    ${un.GetParameters} $0
    ClearErrors
    ${un.GetOptions} $0 "/REMOVESETTINGS" $1
    ${IfNot} ${Errors}
        !insertmacro SelectSection ${SettingsSection}
    ${EndIf}
FunctionEnd
