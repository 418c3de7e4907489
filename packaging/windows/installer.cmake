# Writes installer.nsi into the build folder: the NSIS script of the Windows
# installer, with a Start-menu entry for each window under the window's title. The
# files it installs are gathered by scripts/windows, which walks the programs'
# imports for the DLLs they load. Beside it, what scripts/windows and
# scripts/windows-check take as their lists, so that a window added with
# add_pump_tool (or, made otherwise, named with set_property(GLOBAL APPEND PROPERTY
# PUMP_TOOL_WINDOWS "<executable>=<title>")) is shipped and checked without touching
# either:
#   windows.txt            <executable>=<title>, one line per window
#   release-programs.txt   the built .exe of every program the release ships
get_property(windows GLOBAL PROPERTY PUMP_TOOL_WINDOWS)
set(PUMP_INSTALLER_SHORTCUTS "")
set(window_list "")
set(program_files "")
foreach(window ${windows})
    string(APPEND window_list "${window}\n")
    string(REPLACE "=" ";" window "${window}")
    list(GET window 0 executable)
    list(GET window 1 title)
    string(APPEND PUMP_INSTALLER_SHORTCUTS
        "    CreateShortcut \"$SMPROGRAMS\\\${MENU_FOLDER}\\${title}.lnk\" \"$INSTDIR\\${executable}.exe\"\n")
    string(APPEND program_files "$<TARGET_FILE:${executable}>\n")
endforeach()
configure_file(${CMAKE_CURRENT_LIST_DIR}/installer.nsi.in ${PROJECT_BINARY_DIR}/installer.nsi @ONLY)
file(WRITE ${PROJECT_BINARY_DIR}/windows.txt "${window_list}")
file(GENERATE OUTPUT ${PROJECT_BINARY_DIR}/release-programs.txt
    CONTENT "${program_files}$<TARGET_FILE:pumpctl>\n")
