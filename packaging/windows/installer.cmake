# Writes installer.nsi into the build folder: the NSIS script of the Windows
# installer, with a Start-menu entry for each window under the window's title. The
# files it installs are gathered by scripts/windows, which walks the programs'
# imports for the DLLs they load.
get_property(windows GLOBAL PROPERTY PUMP_TOOL_WINDOWS)
set(PUMP_INSTALLER_SHORTCUTS "")
foreach(window ${windows})
    string(REPLACE "=" ";" window "${window}")
    list(GET window 0 executable)
    list(GET window 1 title)
    string(APPEND PUMP_INSTALLER_SHORTCUTS
        "    CreateShortcut \"$SMPROGRAMS\\\${MENU_FOLDER}\\${title}.lnk\" \"$INSTDIR\\${executable}.exe\"\n")
endforeach()
configure_file(${CMAKE_CURRENT_LIST_DIR}/installer.nsi.in ${PROJECT_BINARY_DIR}/installer.nsi @ONLY)
